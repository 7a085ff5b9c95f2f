// Placing a picture in the open dialog's preview pane: own size when it fits,
// shrunk with its proportions when it does not, centred, never outside.
#include <gtest/gtest.h>

#include <climits>

#include "framework/logic/PreviewFit.h"

namespace hopvox {
namespace {

void ExpectPlacement(TPlacement p, int left, int top, int width, int height) {
  EXPECT_EQ(p.left, left);
  EXPECT_EQ(p.top, top);
  EXPECT_EQ(p.width, width);
  EXPECT_EQ(p.height, height);
}

TEST(PreviewFit, APictureThatFitsKeepsItsOwnSizeCentred) {
  ExpectPlacement(FitIntoPane(16, 16, 150, 150), 67, 67, 16, 16);
  ExpectPlacement(FitIntoPane(150, 150, 150, 150), 0, 0, 150, 150);
  ExpectPlacement(FitIntoPane(150, 40, 150, 150), 0, 55, 150, 40);
}

TEST(PreviewFit, ALargerPictureShrinksByItsMoreOverflowingSide) {
  ExpectPlacement(FitIntoPane(400, 200, 150, 150), 0, 37, 150, 75);  // too wide
  ExpectPlacement(FitIntoPane(200, 400, 150, 120), 45, 0, 60, 120);  // too tall
  ExpectPlacement(FitIntoPane(151, 150, 150, 150), 0, 0, 150, 149);  // one pixel over
  // Only the height overflows: the width shrinks with it.
  ExpectPlacement(FitIntoPane(100, 300, 150, 150), 50, 0, 50, 150);
  // Rounded to nearest, not truncated: 1000 x 333 into 150 wide is 49.95 high.
  EXPECT_EQ(FitIntoPane(1000, 333, 150, 150).height, 50);
}

TEST(PreviewFit, ExtremeShapesStayVisibleAndInsideThePane) {
  ExpectPlacement(FitIntoPane(10000, 1, 150, 150), 0, 74, 150, 1);
  ExpectPlacement(FitIntoPane(1, 10000, 150, 150), 74, 0, 1, 150);
  const TPlacement huge = FitIntoPane(INT_MAX, INT_MAX - 1, 150, 150);
  EXPECT_EQ(huge.width, 150);
  EXPECT_EQ(huge.height, 150);
  for (int w : {1, 7, 149, 150, 151, 999, 65535})
    for (int h : {1, 3, 150, 151, 4096}) {
      const TPlacement p = FitIntoPane(w, h, 150, 100);
      EXPECT_GE(p.left, 0);
      EXPECT_GE(p.top, 0);
      EXPECT_LE(p.left + p.width, 150) << w << " x " << h;
      EXPECT_LE(p.top + p.height, 100) << w << " x " << h;
      EXPECT_GE(p.width, 1);
      EXPECT_GE(p.height, 1);
    }
}

TEST(PreviewFit, NothingToPlaceWithoutArea) {
  EXPECT_TRUE(FitIntoPane(0, 10, 150, 150).Empty());
  EXPECT_TRUE(FitIntoPane(10, -1, 150, 150).Empty());
  EXPECT_TRUE(FitIntoPane(10, 10, 0, 150).Empty());
  EXPECT_FALSE(FitIntoPane(1, 1, 1, 1).Empty());
}

}  // namespace
}  // namespace hopvox
