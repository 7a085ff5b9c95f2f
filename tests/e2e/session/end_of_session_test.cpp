// The end of the Windows session: Hopvox starts with Windows and lives in
// the tray, so a log-off or shutdown is its usual end, and no close comes
// before it. This program makes no window of its own: the real end of the
// session ends every process that has one.
#include <gtest/gtest.h>

#include <string>

#include "driver/Driver.h"
#include "driver/Keyboard.h"

using e2e::HopvoxRun;

namespace {

struct WindowSearch {
  DWORD pid;
  bool found;
};

BOOL CALLBACK FindWindowOf(HWND w, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  search->found = owner == search->pid;
  return !search->found;
}

bool HasWindows(DWORD pid) {
  WindowSearch search{pid, false};
  EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The pair Windows sends to every top-level window; false when the answers
// did not come back (a box held them up).
bool SendEndOfSession(HWND form) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000,
                           &answer) ||
      !answer)
    return false;
  return SendMessageTimeoutA(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000,
                             &answer) != 0;
}

// The section a key is read from: the text after "[section]" up to the next one.
std::string Section(const std::string& ini, const std::string& name) {
  const size_t start = ini.find("[" + name + "]");
  if (start == std::string::npos) return {};
  const size_t end = ini.find("\n[", start);
  return ini.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void ExpectHolds(const std::string& ini, std::initializer_list<const char*> lines) {
  for (const char* line : lines)
    EXPECT_NE(ini.find(std::string(line) + "\n"), std::string::npos) << line << " missing in\n"
                                                                     << ini;
}

}  // namespace

TEST(EndOfSession, WritesTheCloseTimeSettingsWithoutABoxStopsPollingAndLeavesTheTray) {
  HopvoxRun run("end_of_session");
  run.WriteFile("Hopvox.ini",
                "[Hopvox timing]\r\nTiming=70\r\n[Hopvox key modifier]\r\nModifier=2\r\n");
  run.Start();
  ASSERT_EQ(run.Query("Timer2"), 1);
  run.Click("ctrlbutton");
  run.Click("hintbox");
  // An address still being typed when the window went to the tray.
  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("ipbox1", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox1", "10.9.9.99"));
  run.PressCaptionButton("TrayIcon");
  ASSERT_EQ(run.Query("TrayIcon.Visible"), 1);

  ASSERT_TRUE(SendEndOfSession(run.Form()));
  ExpectHolds(run.ReadLines("Hopvox.ini"),
              {"Base Channel=10.9.9.99", "Modifier=1", "Volume level=0", "Mike level=0",
               "priority=0", "Hints Enabled=0", "autostart=1", "Use Server=0"});
  for (const char* t : {"Timer1", "Timer2", "Timer3", "Timer6"}) EXPECT_EQ(run.Query(t), 0) << t;
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);

  // A file that refuses the write does not hold up the log-off with a box.
  run.ParkFocus();  // out of the box first: its own write would fail too
  const std::string before = run.ReadLines("Hopvox.ini");
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.Click("hintbox");
  EXPECT_TRUE(SendEndOfSession(run.Form())) << "held up";
  EXPECT_EQ(run.ReadLines("Hopvox.ini"), before);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);

  // The real thing ends the program; what the user set since is in the file.
  run.Click("altbutton");
  ASSERT_FALSE(HasWindows(GetCurrentProcessId())) << "the end of the session would end us too";
  ASSERT_TRUE(e2e::EndTheSession()) << "wineboot never ended";
  EXPECT_NE(run.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
  ExpectHolds(run.ReadLines("Hopvox.ini"), {"Modifier=2", "Hints Enabled=1", "Timing=70"});
}

// A whole day, as a user lives it: nothing of what was done along the way is
// lost when the session ends with Hopvox in the tray.
TEST(ADay, EverythingDoneOnTheWayIsInTheFileWhenTheSessionEnds) {
  HopvoxRun run("a_day");
  run.Start();  // the first start, in an empty folder
  HWND app = GetWindow(run.Form(), GW_OWNER);
  ASSERT_TRUE(app);

  // Three addresses typed one after the other, moving on with Tab; another
  // program takes the focus in the middle of the third.
  run.PressCaptionButton("captionlockbtn");
  run.Click("ctrlbutton");
  run.ClickAt("ipbox1", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox1", "10.1.1.1"));
  ASSERT_EQ(e2e::Press(run, VK_TAB), "ipbox2");
  ASSERT_TRUE(e2e::Type(run, "ipbox2", "10.2.2.2"));
  ASSERT_EQ(e2e::Press(run, VK_TAB), "ipbox3");
  ASSERT_TRUE(e2e::Type(run, "ipbox3", "10.3."));
  ASSERT_TRUE(e2e::AwayAndBack(run));
  ASSERT_EQ(e2e::FocusName(run), "ipbox3");
  ASSERT_TRUE(e2e::Type(run, "ipbox3", "3.3"));
  ASSERT_EQ(e2e::Press(run, VK_TAB), "ipbox4");

  // A hotkey for channel 1, accepted once locked, pressed in another program.
  run.ClickAt("HotKey2", 30, 9);
  run.Focus("HotKey2");
  e2e::Tap('7');
  ASSERT_TRUE(e2e::WaitFor([&] { return run.HotKey("HotKey2") == '7'; }));
  run.PressCaptionButton("captionlockbtn");
  run.Click("Accept1");
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; }));
  {
    // Each tick that sees the keys down joins: a press held over two ticks
    // joins twice, to the same server.
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '7');
    ASSERT_FALSE(log.empty());
    for (const std::string& join : log) EXPECT_EQ(join, "/JOIN1 10.2.2.2");
  }

  // Into the tray and back; the taskbar button goes and comes with the window.
  // (Shown from the first show, it made the tray icon's menu close the
  // moment it opened, now and then, under Wine; it waits for the first trip.)
  run.PressCaptionButton("TrayIcon");
  EXPECT_FALSE(IsWindowVisible(run.Form()));
  EXPECT_FALSE(IsWindowVisible(app));
  auto tray = reinterpret_cast<HWND>(static_cast<INT_PTR>(run.Query("TrayIcon.MessageWindow")));
  SendMessageA(tray, 0x3A64, 0, WM_LBUTTONDOWN);
  SendMessageA(tray, 0x3A64, 0, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_TRUE(IsWindowVisible(app));
  // The window above the taskbar button's still leaves the topmost band.
  run.PressCaptionButton("FormTopmost1");
  EXPECT_TRUE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  run.PressCaptionButton("FormTopmost1");
  EXPECT_FALSE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  // One more setting and an address still being typed, then the day ends
  // with Hopvox in the tray.
  run.Click("hintbox");
  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("ipbox4", 20, 8);
  ASSERT_TRUE(e2e::Type(run, "ipbox4", "10.4.4.44"));
  run.PressCaptionButton("TrayIcon");
  ASSERT_TRUE(e2e::EndTheSession()) << "wineboot never ended";
  EXPECT_NE(run.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));

  const std::string ini = run.ReadLines("Hopvox.ini");
  ExpectHolds(Section(ini, "Hopvox Ips"), {"Base Channel=10.1.1.1", "Channel 1=10.2.2.2",
                                           "Channel 2=10.3.3.3", "Channel 3=10.4.4.44"});
  ExpectHolds(Section(ini, "Hopvox keys"), {"Channel 1=55"});
  ExpectHolds(ini, {"Modifier=1", "Hints Enabled=0", "Timing=70"});
  for (const char* key : {"Volume level=", "Mike level=", "priority=", "autostart=", "Use Server="})
    EXPECT_NE(ini.find(std::string("\n") + key), std::string::npos) << key << " missing in\n"
                                                                    << ini;
}
