#include <gtest/gtest.h>

#include "Render.h"
#include "widgets/VrLeds.h"
#include "widgets/logic/SavedLampStyle.h"

namespace hopvox {
namespace {

using test::Snapshot;
using test::Sys;

// A saved-state lamp of the hotkey pages, at (30, 40).
struct SavedLamp : ::testing::Test {
  test::Host host;
  TVrUserLed led;
  SavedLamp() {
    led.SetParent(&host);
    led.SetBounds(30, 40, 20, 18);
    ApplySavedLampStyle(led.Bevel(), led.PaletteEx());
  }
  TColor At(const Snapshot& s, int x, int y) { return s.At(30 + x, 40 + y); }

  // The face's twelve rows, from the top colour's channel down toward black.
  static constexpr int kRows[12] = {255, 234, 213, 192, 170, 149, 128, 107, 85, 64, 43, 22};

  void ExpectFace(bool lime) {
    Snapshot s(host.Handle());
    EXPECT_EQ(At(s, 0, 0), clBlack);
    EXPECT_EQ(At(s, 19, 17), clBlack);
    EXPECT_EQ(At(s, 1, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(s, 18, 8), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(s, 9, 16), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(s, 2, 2), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(s, 17, 15), Sys(COLOR_BTNFACE));
    for (int row = 0; row < 12; ++row) {
      const TColor face = lime ? Rgb(0, kRows[row], 0) : Rgb(kRows[row], 0, 0);
      EXPECT_EQ(At(s, 3, 3 + row), face) << "row " << row;
      EXPECT_EQ(At(s, 16, 3 + row), face) << "row " << row;
    }
  }
};

TEST_F(SavedLamp, OffShowsRedToBlackInsideTheFrames) { ExpectFace(false); }

TEST_F(SavedLamp, OnShowsLimeToBlackAndAnnouncesOnlyChanges) {
  int changes = 0;
  led.OnChange = [&] { ++changes; };
  led.SetActive(true);
  led.SetActive(true);
  EXPECT_EQ(changes, 1);
  ExpectFace(true);
}

TEST_F(SavedLamp, OutlineAndOwnerDraw) {
  led.SetOutlineWidth(1);
  led.SetOutlineColor(clRed);
  {
    Snapshot s(host.Handle());
    EXPECT_EQ(At(s, 0, 0), clRed);
    EXPECT_EQ(At(s, 1, 1), clBlack);
  }
  int draws = 0;
  led.SetColor(clWhite);
  led.OnDraw = [&](HDC, const RECT& r) {
    ++draws;
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 18);
  };
  led.SetDrawStyle(TVrDrawStyle::dsOwnerDraw);
  Snapshot s(host.Handle());
  EXPECT_GE(draws, 1);
  EXPECT_EQ(At(s, 10, 9), clWhite);
}

TEST(UserLed, NewLampHasNoInnerEdge) {
  test::Host host;
  TVrUserLed led;
  led.SetParent(&host);
  led.SetBounds(30, 40, 20, 10);
  Snapshot s(host.Handle());
  EXPECT_EQ(s.At(30, 40), clBlack);
  EXPECT_EQ(s.At(31, 41), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(s.At(32, 42), Sys(COLOR_BTNFACE)) << "inner space right inside the raised edge";
  EXPECT_EQ(s.At(33, 43), clMaroon) << "first row of the face";
  // On the screen, with no paint message served in between: the assignment
  // itself repaints.
  SetWindowPos(host.Handle(), HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  UpdateWindow(host.Handle());
  TVrPaletteEx blue;
  blue.SetLow1(Rgb(0, 0, 255));
  led.SetPaletteEx(blue);
  HDC dc = GetDC(host.Handle());
  const TColor shown = TColor(GetPixel(dc, 33, 43));
  ReleaseDC(host.Handle(), dc);
  EXPECT_EQ(shown, Rgb(0, 0, 255)) << "assigned palette repaints";
}

}  // namespace
}  // namespace hopvox
