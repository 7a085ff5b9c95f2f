// The LED display as a new control, in each digit style, after a change of
// the system colours, and as a transparent control repainting itself.
#include <gtest/gtest.h>

#include "Render.h"
#include "widgets/VrClasses.h"
#include "widgets/VrLcd.h"

namespace hopvox {
namespace {

using test::Snapshot;

TEST(LedNumber, NewDisplayIsFourCentredDigitsOfThirteenByTwentyFour) {
  test::Host host;
  TVrNum num;
  EXPECT_EQ(num.Width(), 100);
  EXPECT_EQ(num.Height(), 26);
  EXPECT_FALSE(num.Transparent());
  EXPECT_FALSE(num.AutoSize());
  EXPECT_EQ(num.Color(), clBlack);
  EXPECT_EQ(num.Palette().Low(), clGreen);
  EXPECT_EQ(num.Palette().High(), clLime);
  EXPECT_EQ(num.CellSize().cx, 13);
  EXPECT_EQ(num.CellSize().cy, 24);
  num.SetParent(&host);
  // Four cells of 13 with gaps of 2 make 58: x 21, 36, 51, 66; y (26 - 24) / 2.
  Snapshot s(host.Handle());
  EXPECT_EQ(s.At(66 + 6, 1 + 1), clLime) << "top bar of the 0 in the last cell";
  // Unlit bars are dotted: every other pixel in the Low colour.
  EXPECT_EQ(s.At(66 + 6, 1 + 10), clGreen) << "its middle bar, unlit";
  EXPECT_EQ(s.At(66 + 5, 1 + 10), clBlack) << "between the dots";
  for (int x : {21, 36, 51}) {
    EXPECT_EQ(s.At(x + 5, 1 + 1), clGreen) << "blank cell at " << x;
    EXPECT_EQ(s.At(x + 6, 1 + 1), clBlack) << "blank cell at " << x;
  }
  EXPECT_EQ(s.At(20, 1 + 3), clBlack) << "left of the first cell";
  EXPECT_EQ(s.At(99, 25), clBlack) << "background";
}

// Cell size, and where the bars of "88" sit, for every strip: the top bar,
// the middle bar and the bottom bar of both cells are lit, nothing follows.
struct StyleCase {
  TVrNumStyle style;
  int cellWidth, cellHeight;
  int midX, top, middle, bottom;  // inside a cell
};
const StyleCase kStyles[] = {
    {TVrNumStyle::ns13x24, 13, 24, 6, 1, 10, 22}, {TVrNumStyle::ns11x20, 11, 20, 5, 1, 9, 18},
    {TVrNumStyle::ns7x13, 7, 13, 3, 0, 5, 12},    {TVrNumStyle::ns12x17, 12, 17, 5, 1, 7, 15},
    {TVrNumStyle::ns5x7, 4, 7, 1, 0, 3, 6},
};

TEST(LedNumber, EveryStyleCutsItsStripIntoThirteenCells) {
  test::Host host;
  TVrNum num;
  num.SetParent(&host);
  num.SetDigits(2);
  num.SetAlignment(TVrNumAlignment::naLeftJustify);
  num.SetValue(88);
  for (const StyleCase& c : kStyles) {
    num.SetStyle(c.style);
    EXPECT_EQ(num.CellSize().cx, c.cellWidth);
    EXPECT_EQ(num.CellSize().cy, c.cellHeight);
    const int y = (26 - c.cellHeight) / 2;
    Snapshot s(host.Handle());
    for (int x : {0, c.cellWidth + 2})
      for (int row : {c.top, c.middle, c.bottom})
        EXPECT_EQ(s.At(x + c.midX, y + row), clLime)
            << "cell " << c.cellWidth << "x" << c.cellHeight << " at " << x << ", row " << row;
    EXPECT_EQ(s.At(2 * c.cellWidth + 2 + c.midX, y + c.top), clBlack) << c.cellWidth;
  }
  // With AutoSize the control follows each strip: two cells and one gap.
  num.SetAutoSize(true);
  for (const StyleCase& c : kStyles) {
    num.SetStyle(c.style);
    EXPECT_EQ(num.Width(), 2 * c.cellWidth + 2);
    EXPECT_EQ(num.Height(), c.cellHeight);
  }
}

TEST(LedNumber, SystemColourChangeRecoloursTheStrip) {
  test::Host host;
  TVrNum num;
  num.SetParent(&host);
  const int index = COLOR_INFOBK;
  const COLORREF before = GetSysColor(index);
  num.Palette().SetHigh(SystemColor(index));
  EXPECT_EQ(Snapshot(host.Handle()).At(66 + 6, 2), TColor(before));

  const COLORREF changed = before == RGB(255, 0, 255) ? RGB(0, 0, 255) : RGB(255, 0, 255);
  struct Restore {
    int index;
    COLORREF color;
    ~Restore() { SetSysColors(1, &index, &color); }
  } restore{index, before};
  ASSERT_TRUE(SetSysColors(1, &index, &changed));
  SendMessageA(host.Handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(Snapshot(host.Handle()).At(66 + 6, 2), TColor(changed))
      << "the strip is recoloured with the new system colour";
}

// A host whose surface colour the test chooses.
struct PaintedHost : test::Host {
  TColor surface = clRed;
  void PaintBackground(HDC dc) override {
    RECT rc = ClientRect();
    FillSolid(dc, rc, surface);
  }
};

TEST(LedNumber, TransparentDisplayRepaintsItselfOnItsSavedBackground) {
  PaintedHost host;
  TVrNum num;
  num.SetParent(&host);
  num.SetBounds(10, 20, 41, 25);
  num.SetDigits(3);
  num.SetStyle(TVrNumStyle::ns11x20);
  num.SetTransparent(true);
  EXPECT_EQ(Snapshot(host.Handle()).At(10, 20), clRed) << "the parent shows through";

  // Its own change repaints on the copy it kept, not on what lies beneath now.
  host.surface = clWhite;
  num.SetValue(5);
  Snapshot own(host.Handle());
  EXPECT_EQ(own.At(10, 20), clRed);
  EXPECT_EQ(own.At(9, 20), clWhite);
  EXPECT_EQ(own.At(10 + 28 + 5, 20 + 2 + 9), clLime) << "middle bar of the 5";

  // An ordinary paint takes the background afresh.
  EXPECT_EQ(Snapshot(host.Handle()).At(10, 20), clWhite);
}

}  // namespace
}  // namespace hopvox
