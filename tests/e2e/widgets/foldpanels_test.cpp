// The middle column of the real program: six fold panels that start as a
// stack of collapsed bars and unfold by their glyphs.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

RECT BoundsIn(HWND form, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct Bar {
  const char* name;
  int top;
  int expandedHeight;
};
const Bar kBars[] = {{"DFWFoldPanel2", 37, 164}, {"DFWFoldPanel3", 51, 161},
                     {"DFWFoldPanel5", 65, 161}, {"DFWFoldPanel4", 79, 212},
                     {"DFWFoldPanel6", 93, 185}, {"DFWFoldPanel1", 107, 234}};

void ClickAt(HWND wnd, int x, int y) {
  PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

int HeightOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return r.bottom - r.top;
}

}  // namespace

TEST(FoldPanels, StartCollapsedIntoAStackOfBars) {
  HopvoxRun run("fold_start");
  run.Start();
  for (const Bar& b : kBars) {
    RECT r = BoundsIn(run.Form(), run.Control(b.name));
    EXPECT_EQ(r.left, 202) << b.name;
    EXPECT_EQ(r.top, b.top) << b.name;
    EXPECT_EQ(r.right - r.left, 173) << b.name;
    EXPECT_EQ(r.bottom - r.top, 14) << b.name;
  }
}

TEST(FoldPanels, GlyphClickUnfoldsOverTheBarsBelowAndFoldsAgain) {
  HopvoxRun run("fold_click");
  run.Start();
  HWND volume = run.Control("DFWFoldPanel3");
  ClickAt(volume, 10, 6);
  ASSERT_TRUE(e2e::WaitFor([&] { return HeightOf(volume) == 161; })) << HeightOf(volume);
  // The unfolded panel lies over the "Mic Gain" and later bars.
  for (const char* below : {"DFWFoldPanel5", "DFWFoldPanel1"}) {
    RECT bar = BoundsIn(run.Form(), run.Control(below));
    POINT p{bar.left + 100, bar.top + 7};
    EXPECT_EQ(ChildWindowFromPointEx(run.Form(), p, CWP_SKIPINVISIBLE), volume) << below;
    EXPECT_EQ(HeightOf(run.Control(below)), 14) << "siblings never move or unfold";
  }
  EXPECT_EQ(run.Query("lednumber"), 0);
  // The saved lamps are real lamps now, read through the query message.
  EXPECT_EQ(run.Query("savedokled4"), 0);
  ClickAt(volume, 6, 6);
  EXPECT_TRUE(e2e::WaitFor([&] { return HeightOf(volume) == 14; }));
}
