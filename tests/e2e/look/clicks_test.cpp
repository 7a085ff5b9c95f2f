// Clicks as a user makes them, with the real pointer.
#include <gtest/gtest.h>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

void DoubleClick() {
  for (int i = 0; i < 2; ++i) {
    e2e::LeftDown();
    Sleep(30);
    e2e::LeftUp();
    Sleep(30);
  }
}

}  // namespace

TEST(Clicks, ADoubleClickOnAFoldGlyphFoldsOnce) {
  HopvoxRun run("look_fold_dblclick");
  run.Start();
  const std::string panel = "DFWFoldPanel2";
  // A point on both glyphs: the folded one (41 x 12) and the unfolded one
  // (12 x 41), both drawn at 1, 1.
  run.MoveMouse(panel, 6, 6);
  DoubleClick();
  // Unfolded by the first press and release; the second press is the double
  // click, which neither folds nor clicks.
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query(panel) == 1; }));
  Sleep(500);
  EXPECT_EQ(run.Query(panel), 1);
  // And back with another double click.
  Sleep(600);  // not a third click of the same double click
  DoubleClick();
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query(panel) == 0; }));
  Sleep(500);
  EXPECT_EQ(run.Query(panel), 0);
}

TEST(Clicks, ThePasswordBoxShowsStars) {
  HopvoxRun run("look_password");
  run.WriteFile("Hopvox.ini", "[Hopvox Ips]\r\nMain Server Password=secret \r\n");
  run.Start();
  EXPECT_EQ(SendMessageA(run.Control("serverpassword"), EM_GETPASSWORDCHAR, 0, 0), '*');
}
