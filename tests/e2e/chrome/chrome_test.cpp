// The title-bar buttons of the running program, driven through the
// non-client messages of its real title bar.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Keyboard.h"
#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

constexpr UINT kTrayCallback = 0x3A64;

std::string HintOf(const HopvoxRun& run, const std::string& name) {
  const ATOM atom = static_cast<ATOM>(run.Query(name + ".Hint"));
  char text[256] = {};
  GlobalGetAtomNameA(atom, text, sizeof text);
  GlobalDeleteAtom(atom);
  return text;
}

int ClientHeight(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r.bottom;
}

TEST(Chrome, LockButtonToggles) {
  HopvoxRun run("chrome_lock");
  run.Start();
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 1);
  EXPECT_EQ(HintOf(run, "captionlockbtn"), "Locked, no editing");
  EXPECT_EQ(HintOf(run, "FormTopmost1"), "Stay on top");
  EXPECT_EQ(HintOf(run, "TrayIcon"), "Minimize to system tray");
  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 0);
  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 1);
  run.Close();
}

TEST(Chrome, StayOnTopFromButtonAndSystemMenu) {
  HopvoxRun run("chrome_topmost");
  run.Start();
  EXPECT_FALSE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  run.PressCaptionButton("FormTopmost1");
  EXPECT_TRUE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(run.Query("FormTopmost1.Down"), 1);
  EXPECT_EQ(run.Query("FormTopmost1.MenuChecked"), 1);
  SendMessageA(run.Form(), WM_SYSCOMMAND, run.Query("FormTopmost1.CommandId"), 0);
  EXPECT_FALSE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(run.Query("FormTopmost1.Down"), 0);
  EXPECT_EQ(run.Query("FormTopmost1.MenuChecked"), 0);
  run.Close();
}

TEST(Chrome, RollsUpToTheTitleBarAndBack) {
  HopvoxRun run("chrome_roller");
  run.Start();
  const int before = ClientHeight(run.Form());
  ASSERT_EQ(before, 348);
  run.PressCaptionButton("FormRoller1");
  ASSERT_EQ(run.Query("FormRoller1.RollUp"), 1);
  EXPECT_EQ(HintOf(run, "FormRoller1"), "Roll down");
  EXPECT_LE(ClientHeight(run.Form()), 4);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(run.Form(), rgn), SIMPLEREGION);
  RECT box{};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.bottom, run.Query("FormRoller1.RolledHeight"));

  run.PressCaptionButton("FormRoller1");
  EXPECT_EQ(run.Query("FormRoller1.RollUp"), 0);
  EXPECT_EQ(ClientHeight(run.Form()), before);
  EXPECT_EQ(GetWindowRgn(run.Form(), rgn), ERROR);
  DeleteObject(rgn);
  run.Close();
}

TEST(Chrome, TrayButtonHidesAndAClickOnTheIconRestores) {
  HopvoxRun run("chrome_tray");
  run.Start();
  HWND app = GetWindow(run.Form(), GW_OWNER);
  ASSERT_TRUE(app);
  run.PressCaptionButton("TrayIcon");
  EXPECT_FALSE(IsWindowVisible(run.Form()));
  EXPECT_FALSE(IsWindowVisible(app)) << "the taskbar button stays";
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 1);

  auto tray = reinterpret_cast<HWND>(static_cast<INT_PTR>(run.Query("TrayIcon.MessageWindow")));
  ASSERT_TRUE(IsWindow(tray));
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONDOWN);
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0) << "icon removed on restore";

  run.Close();
}

TEST(Chrome, RunButtonClicksFromAnotherProgramAndADragOffCancels) {
  HopvoxRun run("chrome_run_inactive");
  run.Start();
  const POINT r = run.CaptionButtonPoint("RunRWButton");
  // Activating the window repaints its title bar between the press and the release.
  for (size_t starts = 1; starts <= 3; ++starts) {
    {
      e2e::FocusThief other;
      run.MoveTo(r);
      e2e::LeftDown();
      run.Settle();
      e2e::LeftUp();
      run.Settle();
    }
    EXPECT_EQ(run.WaitForRoger(starts).size(), starts) << "click " << starts;
  }
  const size_t before = run.RogerLog().size();

  // Pressed, dragged below the title bar and back, released on the button.
  run.MoveTo(r);
  e2e::LeftDown();
  run.Settle();
  run.MoveTo({r.x, r.y + 40});
  run.MoveTo(r);
  e2e::LeftUp();
  run.Settle();
  EXPECT_EQ(run.WaitForRoger(0).size(), before) << "a press dragged off still clicked";
  run.Close();
}

}  // namespace

namespace {

const std::string kClick = "Wave 646 7";
// From the top of the tray menu, VK_UP wraps to "Exit" and climbs from there.
constexpr std::initializer_list<WPARAM> kMenuEnabled = {VK_UP, VK_UP, VK_UP, VK_RETURN};
constexpr std::initializer_list<WPARAM> kMenuMaximise = {VK_UP, VK_UP, VK_UP, VK_UP, VK_RETURN};
constexpr std::initializer_list<WPARAM> kMenuExit = {VK_UP, VK_RETURN};

std::vector<int> RunningTimers(const HopvoxRun& run) {
  std::vector<int> v;
  for (const char* t : {"Timer1", "Timer2", "Timer3", "Timer6"}) v.push_back(run.Query(t));
  return v;
}

}  // namespace

TEST(TrayMenu, EnabledSwitchesPollingOnTheBoxAndTheItemAlike) {
  HopvoxRun run("tray_enabled");
  run.WriteFile("Hopvox.ini", "[Hopvox key modifier]\r\nModifier=2\r\n");
  run.Start();
  ASSERT_EQ(RunningTimers(run), (std::vector<int>{0, 1, 0, 0}));
  // The icon and its menu are there only while the window is in the tray.
  run.PressCaptionButton("TrayIcon");
  int mark = run.SoundCount();
  run.TrayMenu(kMenuEnabled);
  // The item's handler runs once the menu has closed.
  ASSERT_TRUE(e2e::WaitFor([&] { return !run.Checked("enablebox") && run.SoundCount() > mark; }));
  EXPECT_EQ(RunningTimers(run), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(run.Text("enablebox"), "Disabled");
  EXPECT_FALSE(run.Checked("enablebox"));
  EXPECT_EQ(run.QueryText("Enabled1.Caption"), "Disabled");
  EXPECT_EQ(run.Query("Enabled1.Checked"), 0);
  // Unticking the box ran the box's own handler: its click sound.
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kClick});

  // A modifier chosen while off starts its timer; the switch still says off.
  run.TrayMenu(kMenuMaximise);
  ASSERT_TRUE(e2e::WaitFor([&] { return IsWindowVisible(run.Form()); }));
  run.Click("shftbutton");
  EXPECT_EQ(RunningTimers(run), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(run.Text("enablebox"), "Disabled");

  mark = run.SoundCount();
  run.Click("enablebox");
  EXPECT_EQ(RunningTimers(run), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(run.Text("enablebox"), "Enabled");
  EXPECT_EQ(run.QueryText("Enabled1.Caption"), "Enabled");
  EXPECT_EQ(run.Query("Enabled1.Checked"), 1);
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kClick});

  run.Click("enablebox");
  EXPECT_EQ(run.Text("enablebox"), "Disabled");
  EXPECT_EQ(run.QueryText("Enabled1.Caption"), "Disabled");
  EXPECT_EQ(run.Query("Enabled1.Checked"), 0);
  run.PressCaptionButton("TrayIcon");
  run.TrayMenu(kMenuEnabled);
  ASSERT_TRUE(
      e2e::WaitFor([&] { return run.Checked("enablebox") && run.Text("enablebox") == "Enabled"; }));
  EXPECT_EQ(RunningTimers(run), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(run.Text("enablebox"), "Enabled");

  // "Exit" closes as the title bar's close does, from the tray too.
  run.TrayMenu(kMenuExit);
  EXPECT_EQ(run.WaitForMessageBox(), "Please support Hopvox! Donations gratefully received");
  run.DismissMessageBox();
  EXPECT_TRUE(e2e::WaitFor([&] { return !run.Running(); }));
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Modifier=3"), std::string::npos);
}

TEST(TrayMenu, MaximiseAndADoubleClickOnTheIconBringTheWindowAndItsTaskbarButtonBack) {
  HopvoxRun run("tray_maximise");
  run.Start();
  const std::vector<std::string> oneButton = {"Hopvox XP"};
  EXPECT_EQ(run.TaskbarButtons(), oneButton) << "at the first show";
  // Tips stand in no taskbar: every window but the one with the button is
  // owned (a shell without the tool-window rule showed a blank button).
  const std::vector<std::string> onlyTheButton = {"HopvoxApplication"};
  EXPECT_EQ(e2e::CaptionHintOver(run, "RunRWButton"), "Run Roger Wilco");
  EXPECT_EQ(run.UnownedWindows(), onlyTheButton) << "with a title-bar tip";
  EXPECT_EQ(e2e::HintOver(run, "enablebox", 20, 8), "Enable or Disable key polling");
  EXPECT_EQ(run.UnownedWindows(), onlyTheButton) << "with a control's hint";
  // Each way back leaves the focus in the box that had it.
  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("ipbox2", 20, 8);
  run.PressCaptionButton("TrayIcon");
  ASSERT_FALSE(IsWindowVisible(run.Form()));
  EXPECT_TRUE(run.TaskbarButtons().empty()) << "in the tray";
  EXPECT_EQ(run.Query("Maximise1.Enabled"), 1);
  EXPECT_EQ(run.Query("Maximise1.Default"), 1);
  run.TrayMenu(kMenuMaximise);
  // Restored once the item's handler has run to its end.
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("Maximise1.Enabled") == 0; }));
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);
  EXPECT_EQ(run.TaskbarButtons(), oneButton) << "after Maximise";
  EXPECT_EQ(e2e::FocusName(run), "ipbox2") << "after Maximise";

  // A double click on the icon runs the default item, "Maximise".
  run.PressCaptionButton("TrayIcon");
  ASSERT_FALSE(IsWindowVisible(run.Form()));
  auto tray = reinterpret_cast<HWND>(static_cast<INT_PTR>(run.Query("TrayIcon.MessageWindow")));
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);
  EXPECT_EQ(run.Query("Maximise1.Default"), 0) << "nothing for a double click to run while shown";
  EXPECT_EQ(run.TaskbarButtons(), oneButton) << "after a double click";
  EXPECT_EQ(e2e::FocusName(run), "ipbox2") << "after a double click";

  // The window's own "Exit" button closes too.
  run.Click("exitButton");
  EXPECT_EQ(run.WaitForMessageBox(), "Please support Hopvox! Donations gratefully received");
  run.DismissMessageBox();
  EXPECT_TRUE(e2e::WaitFor([&] { return !run.Running(); }));
}
