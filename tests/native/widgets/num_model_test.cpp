#include <gtest/gtest.h>

#include "widgets/logic/VrNumModel.h"
#include "widgets/logic/VrPalette.h"

namespace hopvox {
namespace {

// The main window's level display: 41 x 25, three ns11x20 digits, 0..255.
TVrNumModel LevelDisplay() {
  TVrNumModel m;
  m.SetDigits(3);
  m.SetStyle(TVrNumStyle::ns11x20);
  m.SetMax(255);
  return m;
}

std::vector<NumCell> LevelCells(const TVrNumModel& m) { return m.Layout(11, 20, 41, 25); }

TEST(VrNum, LevelDisplayAtZeroShowsBlankBlankZero) {
  auto m = LevelDisplay();
  EXPECT_EQ(m.ContentWidth(11), 37);
  EXPECT_EQ(LevelCells(m),
            (std::vector<NumCell>{{kCellBlank, 2, 2}, {kCellBlank, 15, 2}, {0, 28, 2}}));
}

TEST(VrNum, ValueClampsAndAnnouncesOnlyRealChanges) {
  auto m = LevelDisplay();
  int changes = 0, refreshes = 0;
  m.OnChange = [&] { ++changes; };
  auto refresh = [&] { ++refreshes; };
  m.SetValue(256, refresh);
  EXPECT_EQ(m.Value(), 255);
  EXPECT_EQ(changes, 1);
  m.SetValue(255, refresh);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(refreshes, 1);
  m.SetValue(-1, refresh);
  EXPECT_EQ(m.Value(), 0);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(LevelCells(m).back().Cell, 0);
  m.SetValue(207, refresh);
  auto cells = LevelCells(m);
  EXPECT_EQ(cells[0].Cell, 2);
  EXPECT_EQ(cells[1].Cell, 0);
  EXPECT_EQ(cells[2].Cell, 7);
}

TEST(VrNum, ZeroBlankAndLeadingZeroCombine) {
  auto m = LevelDisplay();
  m.SetZeroBlank(true);
  for (const auto& c : LevelCells(m)) EXPECT_EQ(c.Cell, kCellBlank);
  m.SetLeadingZero(true);
  for (const auto& c : LevelCells(m)) EXPECT_EQ(c.Cell, 0);
  m.SetZeroBlank(false);
  m.SetValue(7, nullptr);
  EXPECT_EQ(m.Text(), "007");
}

TEST(VrNum, NegativeMinAddsASignCell) {
  auto m = LevelDisplay();
  EXPECT_EQ(m.SetMin(-10), NumEffect::Refresh);
  EXPECT_TRUE(m.Signed());
  auto cells = LevelCells(m);
  ASSERT_EQ(cells.size(), 4u);
  // Four cells: 4 * 11 + 3 * 2 = 50 wide, so the row starts left of the client.
  EXPECT_EQ(cells[0], (NumCell{kCellMinusOff, (41 - 50) / 2, 2}));
  EXPECT_EQ(cells[1].X, cells[0].X + 13);
  m.SetValue(-5, nullptr);
  cells = LevelCells(m);
  EXPECT_EQ(cells[0].Cell, kCellMinusOn);
  EXPECT_EQ(cells[3].Cell, 5);
  EXPECT_EQ(m.SetMin(300), NumEffect::None) << "Min must stay below Max";
  EXPECT_EQ(m.SetMax(-10), NumEffect::None) << "Max must stay above Min";
}

TEST(VrNum, LongValueIsDrawnInFull) {
  TVrNumModel m;
  m.SetDigits(2);
  m.SetMax(99999);
  m.SetValue(12345, nullptr);
  auto cells = m.Layout(13, 24, 100, 26);
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0].Cell, 1);
  EXPECT_EQ(cells[4].Cell, 5);
  EXPECT_EQ(cells[4].X - cells[0].X, 4 * 15);
}

TEST(VrNum, AlignmentPlacesTheRow) {
  auto m = LevelDisplay();
  m.SetAlignment(TVrNumAlignment::naLeftJustify);
  EXPECT_EQ(LevelCells(m)[0].X, 0);
  m.SetAlignment(TVrNumAlignment::naRightJustify);
  EXPECT_EQ(LevelCells(m)[0].X, 4);
  EXPECT_EQ(m.SetAlignment(TVrNumAlignment::naRightJustify), NumEffect::None);
}

TEST(VrNum, SpacingResizesAndMovesTheCells) {
  auto m = LevelDisplay();
  EXPECT_EQ(m.SetSpacing(2), NumEffect::None);
  EXPECT_EQ(m.SetSpacing(4), NumEffect::AdjustSize);
  EXPECT_EQ(m.ContentWidth(11), 3 * 11 + 2 * 4);
  // 41 wide: the row fills the display exactly.
  auto cells = LevelCells(m);
  EXPECT_EQ(cells[0].X, 0);
  EXPECT_EQ(cells[1].X, 15);
  EXPECT_EQ(cells[2].X, 30);
  EXPECT_EQ(m.SetSpacing(-1), NumEffect::AdjustSize) << "cells may overlap";
  EXPECT_EQ(m.ContentWidth(11), 31);
}

TEST(VrPalette, AssignIsOneChangeAndLookupSplitsAtZero) {
  TVrPalette a, b;
  int changes = 0;
  a.OnChange = [&] { ++changes; };
  b.SetLow(clRed);
  b.SetHigh(clWhite);
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.Colors(0), clRed);
  EXPECT_EQ(a.Colors(-3), clRed);
  EXPECT_EQ(a.Colors(1), clWhite);
  a.SetHigh(clWhite);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace hopvox
