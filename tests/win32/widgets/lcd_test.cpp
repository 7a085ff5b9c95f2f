#include <gtest/gtest.h>

#include "Render.h"
#include "widgets/VrLcd.h"

namespace hopvox {
namespace {

using test::Snapshot;

struct LevelDisplay : ::testing::Test {
  test::Host host;
  TVrNum num;
  LevelDisplay() {
    num.SetParent(&host);
    num.SetBounds(10, 20, 41, 25);
    num.SetDigits(3);
    num.SetStyle(TVrNumStyle::ns11x20);
    num.Palette().SetLow(clGreen);
    num.Palette().SetHigh(clLime);
    num.SetMax(255);
  }
  // Pixel of the control at (x, y).
  TColor At(const Snapshot& s, int x, int y) { return s.At(10 + x, 20 + y); }
};

TEST_F(LevelDisplay, ZeroLightsOnlyTheLastDigitsRing) {
  EXPECT_EQ(num.CellSize().cx, 11);
  EXPECT_EQ(num.CellSize().cy, 20);
  Snapshot s(host.Handle());
  // Cells at x 2, 15, 28, y 2; top bar on row 1 of the cell, middle bar on row 9.
  EXPECT_EQ(At(s, 28 + 5, 2 + 1), clLime) << "top bar of the 0";
  EXPECT_EQ(At(s, 28 + 5, 2 + 9), clGreen) << "middle bar of the 0 is unlit";
  EXPECT_EQ(At(s, 28 + 1, 2 + 5), clLime) << "upper left bar of the 0";
  EXPECT_EQ(At(s, 2 + 5, 2 + 1), clGreen) << "blank position shows unlit segments";
  EXPECT_EQ(At(s, 15 + 5, 2 + 9), clGreen);
  EXPECT_EQ(At(s, 28 + 5, 2 + 5), clBlack) << "inside the digit";
  EXPECT_EQ(At(s, 0, 0), clBlack) << "background";
  EXPECT_EQ(At(s, 40, 24), clBlack);
}

TEST_F(LevelDisplay, ValueChangesRepaintAndRaiseOnChangeOnce) {
  int changes = 0;
  num.OnChange = [&] { ++changes; };
  num.SetValue(256);
  num.SetValue(255);
  EXPECT_EQ(num.Value(), 255);
  EXPECT_EQ(changes, 1);
  Snapshot s(host.Handle());
  // 2 5 5: the 2 has its middle bar lit and its lower-right bar unlit.
  EXPECT_EQ(At(s, 2 + 5, 2 + 9), clLime);
  EXPECT_EQ(At(s, 2 + 9, 2 + 13), clGreen) << "lower right bar of the 2, unlit";
  EXPECT_EQ(At(s, 28 + 9, 2 + 14), clLime) << "lower right bar of the 5";
}

TEST_F(LevelDisplay, PaletteChangeRecoloursTheStrip) {
  num.Palette().SetHigh(clRed);
  num.Palette().SetLow(Rgb(0, 0, 128));
  Snapshot s(host.Handle());
  EXPECT_EQ(At(s, 28 + 5, 2 + 1), clRed);
  EXPECT_EQ(At(s, 2 + 5, 2 + 1), Rgb(0, 0, 128));
  TVrPalette yellow;
  yellow.SetHigh(Rgb(255, 255, 0));
  num.SetPalette(yellow);
  EXPECT_EQ(At(Snapshot(host.Handle()), 28 + 5, 2 + 1), Rgb(255, 255, 0)) << "assigned palette";
}

TEST_F(LevelDisplay, UnlitSilverStaysApartFromLit) {
  // Silver is also the strip's lit marker; unlit segments must not turn lit.
  num.Palette().SetLow(clSilver);
  Snapshot s(host.Handle());
  EXPECT_EQ(At(s, 28 + 5, 2 + 9), clSilver);
  EXPECT_EQ(At(s, 28 + 5, 2 + 1), clLime);
}

TEST_F(LevelDisplay, AutoSizeFitsTheRowAndSpacingMovesIt) {
  num.SetAutoSize(true);
  EXPECT_EQ(num.Width(), 37);
  EXPECT_EQ(num.Height(), 20);
  num.SetSpacing(4);
  EXPECT_EQ(num.Width(), 41) << "3 cells of 11 and two gaps of 4";
  // Cells at x 0, 15, 30, y 0: the 0 is in the last one.
  EXPECT_EQ(At(Snapshot(host.Handle()), 30 + 5, 1), clLime);
  num.SetAutoSize(false);
  num.SetSpacing(0);
  EXPECT_EQ(num.Width(), 41) << "without AutoSize the bounds stay";
  // Cells at x 4, 15, 26.
  Snapshot s(host.Handle());
  EXPECT_EQ(At(s, 26 + 5, 1), clLime);
  EXPECT_EQ(At(s, 30 + 5, 1), clBlack);
}

TEST_F(LevelDisplay, TransparentDisplayKeepsTheParentBackground) {
  num.SetTransparent(true);
  Snapshot s(host.Handle());
  EXPECT_EQ(At(s, 0, 0), test::Sys(COLOR_BTNFACE));
  EXPECT_EQ(At(s, 28 + 5, 2 + 1), clLime);
}

}  // namespace
}  // namespace hopvox
