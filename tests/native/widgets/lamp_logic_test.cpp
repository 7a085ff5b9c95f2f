#include <gtest/gtest.h>

#include "widgets/logic/Gradient.h"
#include "widgets/logic/VrBevel.h"
#include "widgets/logic/SavedLampStyle.h"
#include "widgets/logic/VrPaletteEx.h"

namespace hopvox {
namespace {

TVrBevel LampBevel() {
  TVrBevel bevel;
  TVrPaletteEx palette;
  ApplySavedLampStyle(bevel, palette);
  return bevel;
}

TEST(VrBevel, LampFramesLeaveA14By12Face) {
  TRect r{0, 0, 20, 18};
  auto frames = LampBevel().Frames(r);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0], (BevelFrame{{0, 0, 20, 18}, clBlack, clBlack}));
  EXPECT_EQ(frames[1], (BevelFrame{{1, 1, 19, 17}, clBtnHighlight, clBtnShadow}));
  EXPECT_EQ(frames[2], (BevelFrame{{2, 2, 18, 16}, clBtnFace, clBtnFace}));
  EXPECT_EQ(r, (TRect{3, 3, 17, 15}));
}

TEST(VrBevel, FullSequenceAndInvisible) {
  TVrBevel b;
  b.SetBorderWidth(2);
  b.SetBorderColor(clRed);
  b.SetOuterOutline(TVrBevelOutlineStyle::osInner);
  b.SetOuterStyle(TVrBevelStyle::bsLowered);
  b.SetOuterWidth(2);
  b.SetInnerOutline(TVrBevelOutlineStyle::osOuter);
  TRect r{0, 0, 40, 40};
  auto f = b.Frames(r);
  // border 2, lowered 2, inner-black 1; inner set: black 1, lowered 1, space 1
  ASSERT_EQ(f.size(), 8u);
  EXPECT_EQ(f[2].TopLeft, clBtnShadow);
  EXPECT_EQ(f[4].TopLeft, clBlack);
  EXPECT_EQ(f[5].TopLeft, clBlack);
  EXPECT_EQ(f[6].BottomRight, clBtnHighlight);
  EXPECT_EQ(r, (TRect{8, 8, 32, 32}));

  int changes = 0;
  TVrBevel c;
  c.OnChange = [&] { ++changes; };
  c.Assign(b);
  EXPECT_EQ(changes, 1);
  c.SetVisible(false);
  TRect r2{0, 0, 40, 40};
  EXPECT_TRUE(c.Frames(r2).empty());
  EXPECT_EQ(r2, (TRect{0, 0, 40, 40}));
}

TEST(VrBevel, OuterSpaceLiesBetweenTheOuterEdgeAndTheInnerSet) {
  TVrBevel b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.SetOuterSpace(2);
  b.SetOuterColor(clRed);
  b.SetOuterColor(clRed);
  EXPECT_EQ(changes, 2);
  b.SetOuterSpace(-1);
  EXPECT_EQ(b.Get().OuterSpace, 0);
  b.SetOuterSpace(2);
  TRect r{0, 0, 30, 30};
  auto f = b.Frames(r);
  // black outline, raised edge, two red bands, lowered inner edge, inner space
  ASSERT_EQ(f.size(), 6u);
  EXPECT_EQ(f[1].TopLeft, clBtnHighlight);
  EXPECT_EQ(f[2], (BevelFrame{{2, 2, 28, 28}, clRed, clRed}));
  EXPECT_EQ(f[3], (BevelFrame{{3, 3, 27, 27}, clRed, clRed}));
  EXPECT_EQ(f[4].TopLeft, clBtnShadow);
  EXPECT_EQ(r, (TRect{6, 6, 24, 24}));
}

TEST(Gradient, RowsStepTowardTheEndColour) {
  EXPECT_EQ(GradientRow(clLime, clBlack, 0, 12), clLime);
  EXPECT_EQ(GradientRow(clLime, clBlack, 1, 12), Rgb(0, 255 - 21, 0));  // 255 - 255/12
  EXPECT_EQ(GradientRow(clLime, clBlack, 11, 12), Rgb(0, 255 - 233, 0));
  EXPECT_EQ(GradientRow(clRed, clBlack, 6, 12), Rgb(128, 0, 0));  // 255 - 1530/12 = 127.5 -> 128
  // Rising channels round toward zero as well.
  EXPECT_EQ(GradientRow(clBlack, Rgb(10, 20, 30), 1, 3), Rgb(3, 6, 10));
}

TEST(VrPaletteEx, DefaultsAndSingleNotificationOnAssign) {
  TVrPaletteEx a, b;
  EXPECT_EQ(a.Low1(), clGreen);
  EXPECT_EQ(a.High1(), clLime);
  int changes = 0;
  a.OnChange = [&] { ++changes; };
  b.SetLow1(clRed);
  b.SetHigh2(clWhite);
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.Low1(), clRed);
  EXPECT_EQ(a.High2(), clWhite);
  a.SetLow1(clRed);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace hopvox
