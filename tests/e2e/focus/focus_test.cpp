// Where the keyboard focus goes on a real day: away to another program and
// back, through the window by Tab, Shift+Tab, the arrows, Space, Enter and
// Ctrl+Tab, and out of a box the lock disables; and what a locked box tells
// the pointer resting on it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "driver/Driver.h"
#include "driver/Keyboard.h"
#include "driver/Looks.h"

using e2e::AwayAndBack;
using e2e::FocusName;
using e2e::HopvoxRun;
using e2e::Press;

namespace {

using e2e::Contains;

bool Shown(const HopvoxRun& run, const std::string& page) {
  return IsWindowVisible(run.Control(page)) != FALSE;
}

}  // namespace

TEST(FocusMemory, AnEditLeftForAnotherProgramIsStoredWhenTheUserMovesOnLocksOrCloses) {
  HopvoxRun run("focus_memory");
  run.WriteFile("Hopvox.ini", "[Hopvox timing]\r\nTiming=70\r\n");
  run.Start();
  run.PressCaptionButton("captionlockbtn");

  // Away in the middle of typing, back, then the pointer moves on.
  run.ClickAt("ipbox3", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox3", "10.0.0.3")) << run.Text("ipbox3");
  ASSERT_TRUE(AwayAndBack(run));
  EXPECT_EQ(FocusName(run), "ipbox3") << "the focus is back in the box";
  run.MoveMouse("Panel1", 2, 150);
  run.MoveMouse("Panel1", 3, 160);
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 2=10.0.0.3\r\n"));

  // Addresses typed one after the other with Tab, away and back in between.
  run.ClickAt("ipbox1", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox1", "1.1.1.1")) << run.Text("ipbox1");
  EXPECT_EQ(Press(run, VK_TAB), "ipbox2");
  ASSERT_TRUE(e2e::Type(run, "ipbox2", "2.2.2.2")) << run.Text("ipbox2");
  ASSERT_TRUE(AwayAndBack(run));
  EXPECT_EQ(Press(run, VK_TAB), "ipbox3");
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Base Channel=1.1.1.1\r\n"));
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 1=2.2.2.2\r\n"));
  EXPECT_EQ(run.QueryText("channelAddress1"), "2.2.2.2");

  // Tab selected the box's text; what is typed replaces it, and the lock
  // stores it before the box is disabled.
  ASSERT_TRUE(e2e::Type(run, "ipbox3", "9.9.9.9")) << run.Text("ipbox3");
  EXPECT_EQ(run.Text("ipbox3"), "9.9.9.9");
  run.PressCaptionButton("captionlockbtn");
  EXPECT_FALSE(run.Enabled("ipbox3"));
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 2=9.9.9.9\r\n"));
  EXPECT_EQ(run.QueryText("channelAddress2"), "9.9.9.9");

  // A locked box still shows its hint.
  run.ExpandFoldPanel(3);
  EXPECT_EQ(e2e::HintOver(run, "hotkey7", 30, 9), "Volume up hotkey");

  // Closing the window keeps what is being typed.
  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("ipbox4", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox4", "10.0.0.44")) << run.Text("ipbox4");
  run.Close();
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 3=10.0.0.44\r\n"));
}

TEST(KeyboardNavigation, TabShiftTabArrowsSpaceEnterAndCtrlTabMoveAsInAnyWindow) {
  HopvoxRun run("focus_keyboard");
  run.WriteFile("Hopvox.ini", "[Hopvox key modifier]\r\nModifier=2\r\n");
  run.Start();
  run.PressCaptionButton("captionlockbtn");

  // Forward in the order of the window definition; pages not shown, hot-key
  // boxes and collapsed fold panels are passed over; a radio group is one
  // stop, entered at its checked button.
  run.ClickAt("ipbox4", 20, 8);
  EXPECT_EQ(Press(run, VK_TAB), "Accept1");
  EXPECT_EQ(Press(run, VK_TAB), "altbutton");
  EXPECT_EQ(Press(run, VK_RIGHT), "shftbutton");
  EXPECT_TRUE(run.Checked("shftbutton"));
  EXPECT_FALSE(run.Checked("altbutton"));
  EXPECT_EQ(run.Query("activeModifier"), 3);
  EXPECT_EQ(Press(run, VK_LEFT), "altbutton");
  EXPECT_EQ(run.Query("activeModifier"), 2);
  EXPECT_EQ(Press(run, VK_TAB), "aboutButton");
  EXPECT_EQ(Press(run, VK_TAB), "exitButton");
  EXPECT_EQ(Press(run, VK_TAB), "helpButton");
  EXPECT_EQ(Press(run, VK_TAB), "enablebox");
  e2e::Tap(VK_SPACE, 60);
  EXPECT_TRUE(e2e::WaitFor([&] { return !run.Checked("enablebox"); })) << "Space ticks";
  e2e::Tap(VK_RETURN, 60);
  EXPECT_TRUE(e2e::WaitFor([&] { return run.Checked("enablebox"); })) << "so does Enter";
  EXPECT_EQ(Press(run, VK_TAB), "ipbox1") << "round to the start";

  // Backwards, and Enter on a button.
  EXPECT_EQ(Press(run, VK_TAB, {VK_SHIFT}), "enablebox");
  EXPECT_EQ(Press(run, VK_TAB, {VK_SHIFT}), "helpButton");
  EXPECT_EQ(Press(run, VK_TAB, {VK_SHIFT}), "exitButton");
  EXPECT_EQ(Press(run, VK_TAB, {VK_SHIFT}), "aboutButton");
  e2e::Tap(VK_RETURN, 60);
  EXPECT_NE(run.WaitForMessageBox(), "");
  run.DismissMessageBox();
  EXPECT_TRUE(e2e::WaitFor([&] { return FocusName(run) == "aboutButton"; }))
      << "back on the button after the box: " << FocusName(run);

  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the page control holding
  // the focus, the focus goes along, and the hotkey side follows as ever.
  run.ClickAt("ipbox1", 20, 8);
  EXPECT_EQ(Press(run, VK_TAB, {VK_CONTROL}), "ipbox5");
  EXPECT_TRUE(Shown(run, "TabSheet5"));
  EXPECT_TRUE(Shown(run, "TabSheet8"));
  EXPECT_EQ(Press(run, VK_TAB, {VK_CONTROL, VK_SHIFT}), "ipbox1");
  EXPECT_EQ(Press(run, VK_TAB, {VK_CONTROL, VK_SHIFT}), "ipbox13");
  EXPECT_TRUE(Shown(run, "tabsheet11"));
  EXPECT_TRUE(Shown(run, "tabsheet10"));

  // Tab leaves a hot-key box, which keeps the key it took.
  run.ClickAt("HotKey17", 30, 9);
  e2e::Tap('K', 60);
  ASSERT_TRUE(e2e::WaitFor([&] { return run.HotKey("HotKey17") == 'K'; }));
  EXPECT_EQ(Press(run, VK_TAB), "altbutton");
  EXPECT_EQ(run.HotKey("HotKey17"), 'K');
  run.Close();
}
