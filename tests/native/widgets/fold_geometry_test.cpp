#include <gtest/gtest.h>

#include "widgets/logic/FoldGeometry.h"

namespace hopvox {
namespace {

// The main window's panels: raised outer bevel of width 1, glyph left-top.
const FoldConfig kMain{};
const TSize kExpandV{41, 12};
const TSize kCollapsV{12, 41};

TEST(FoldGeometry, MainWindowPanelCollapsed) {
  TRect bounds = TRect::Bounds(202, 51, 173, 161);
  int size = FoldedSize(kMain, kExpandV, bounds);
  EXPECT_EQ(size, 14);
  EXPECT_EQ(ResizeFolded(kMain, bounds, size), TRect::Bounds(202, 51, 173, 14));
  TRect glyph = FoldGlyphRect(kMain, kExpandV, 173, 14);
  EXPECT_EQ(glyph, (TRect{1, 1, 42, 13}));
  EXPECT_EQ(FoldCaption(kMain, glyph, 60, 9), (FoldCaptionPlace{52, 1 + (13 - 9) / 2, 0}));
}

TEST(FoldGeometry, MainWindowPanelExpanded) {
  TRect glyph = FoldGlyphRect(kMain, kCollapsV, 173, 164);
  EXPECT_EQ(glyph, (TRect{1, 1, 13, 42}));
  auto lines = FoldSeparator(kMain, glyph, 173, 164);
  EXPECT_EQ(lines[0], (FoldLine{{13, 1}, {13, 163}, clBtnShadow}));
  EXPECT_EQ(lines[1], (FoldLine{{14, 1}, {14, 163}, clBtnHighlight}));
  int offset = FoldClientOffset(kMain, kCollapsV);
  EXPECT_EQ(offset, 15);
  // The framework hands the client the inside of the one-pixel bevel.
  EXPECT_EQ(FoldClientBounds(kMain, {1, 1, 172, 163}, offset, false), (TRect{15, 1, 172, 163}));
  EXPECT_EQ(FoldClientBounds(kMain, {1, 1, 172, 163}, offset, true), (TRect{1, 1, 172, 163}));
}

TEST(FoldGeometry, OtherCornersAndOrientations) {
  FoldConfig c = kMain;
  c.Position = TFoldPosition::fpRightBottom;
  TRect bounds = TRect::Bounds(10, 10, 100, 80);
  EXPECT_EQ(ResizeFolded(c, bounds, 14), (TRect{10, 76, 110, 90})) << "bottom edge stays";
  EXPECT_EQ(FoldGlyphRect(c, kCollapsV, 100, 80), (TRect{87, 38, 99, 79}));
  EXPECT_EQ(FoldClientBounds(c, {1, 1, 99, 79}, 15, false), (TRect{1, 1, 84, 79}));
  EXPECT_EQ(FoldCaption(c, TRect{58, 1, 99, 13}, 30, 9).X, 58 - 30 - 10);

  c.Orientation = TFoldOrientation::foHorizontal;
  c.Position = TFoldPosition::fpLeftTop;
  EXPECT_EQ(ResizeFolded(c, bounds, 14), (TRect{10, 10, 24, 90})) << "left edge stays";
  EXPECT_EQ(FoldedSize(c, {12, 41}, bounds), 14);
  EXPECT_EQ(FoldClientBounds(c, {1, 1, 99, 79}, 15, false), (TRect{1, 15, 99, 79}));
  TRect g{1, 1, 13, 42};
  auto lines = FoldSeparator(c, TRect{1, 1, 42, 13}, 100, 80);
  EXPECT_EQ(lines[0], (FoldLine{{1, 13}, {99, 13}, clBtnHighlight}));
  EXPECT_EQ(lines[1], (FoldLine{{1, 12}, {99, 12}, clBtnShadow}));
  EXPECT_EQ(FoldCaption(c, g, 50, 9), (FoldCaptionPlace{1 + (9 + 13) / 2, 52, 2700}));
  c.Position = TFoldPosition::fpLeftBottom;
  EXPECT_EQ(FoldCaption(c, g, 50, 9), (FoldCaptionPlace{1 + (13 - 9) / 2, -9, 900}));
}

TEST(FoldGeometry, SizesHaveAFloorAndCountBorderAndBevels) {
  FoldConfig c = kMain;
  EXPECT_EQ(CollapsedHeight(c, {41, 5}, 200), 12);
  EXPECT_EQ(CollapsedWidth(c, {41, 12}, 173), 173);
  c.BorderSingle = true;
  c.BevelInner = TPanelBevel::bvLowered;
  c.BevelWidth = 2;
  EXPECT_EQ(FoldedSize(c, kExpandV, TRect::Bounds(0, 0, 100, 100)), 12 + 2 + 8);
  EXPECT_EQ(FoldClientOffset(c, kCollapsV), 12 + 4 + 2);
  c.Seperated = false;
  EXPECT_EQ(FoldClientOffset(c, {}), 4);
}

TEST(FoldGeometry, SizeLockHoldsOnlyTheFoldedDimension) {
  TRect current = TRect::Bounds(202, 51, 173, 14);
  TRect requested = TRect::Bounds(210, 60, 150, 161);
  EXPECT_EQ(LockFolded(kMain, requested, current), TRect::Bounds(210, 60, 150, 14));
  FoldConfig h = kMain;
  h.Orientation = TFoldOrientation::foHorizontal;
  EXPECT_EQ(LockFolded(h, requested, current), TRect::Bounds(210, 60, 173, 161));
}

TEST(FoldClickTracker, OnlyPressAndReleaseOnTheGlyphFold) {
  TRect glyph{1, 1, 42, 13};
  TFoldClickTracker t;
  EXPECT_TRUE(t.Down({5, 5}, glyph));
  EXPECT_TRUE(t.ButtonHeld());
  EXPECT_TRUE(t.Up({6, 6}, glyph));
  EXPECT_TRUE(t.TakeFoldClick());
  EXPECT_FALSE(t.TakeFoldClick());

  EXPECT_TRUE(t.Down({5, 5}, glyph));
  EXPECT_TRUE(t.Up({100, 6}, glyph)) << "pressed look comes off";
  EXPECT_FALSE(t.TakeFoldClick());

  EXPECT_FALSE(t.Down({100, 5}, glyph));
  EXPECT_FALSE(t.Up({5, 5}, glyph));
  EXPECT_FALSE(t.TakeFoldClick()) << "press off the glyph never folds";
}

}  // namespace
}  // namespace hopvox
