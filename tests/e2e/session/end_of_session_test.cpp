// The end of the Windows session: Hopvox starts with Windows and lives in
// the tray, so a log-off or shutdown is its usual end, and no close comes
// before it. This program makes no window of its own: the real end of the
// session ends every process that has one.
#include <gtest/gtest.h>

#include <string>

#include "driver/Driver.h"

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

// Wine's own end of the session, in this test's prefix, as a log-off runs it.
void RunWinebootEndSession() {
  char dir[MAX_PATH] = {};
  GetSystemDirectoryA(dir, sizeof dir);
  std::string command = std::string(dir) + "\\wineboot.exe -e -s";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi))
      << command;
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0) << "wineboot never ended";
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
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
  run.PressCaptionButton("TrayIcon");
  ASSERT_EQ(run.Query("TrayIcon.Visible"), 1);

  ASSERT_TRUE(SendEndOfSession(run.Form()));
  ExpectHolds(run.ReadLines("Hopvox.ini"),
              {"Modifier=1", "Volume level=0", "Mike level=0", "priority=0", "Hints Enabled=0",
               "autostart=1", "Use Server=0"});
  for (const char* t : {"Timer1", "Timer2", "Timer3", "Timer6"}) EXPECT_EQ(run.Query(t), 0) << t;
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);

  // A file that refuses the write does not hold up the log-off with a box.
  const std::string before = run.ReadLines("Hopvox.ini");
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.Click("hintbox");
  EXPECT_TRUE(SendEndOfSession(run.Form())) << "held up";
  EXPECT_EQ(run.ReadLines("Hopvox.ini"), before);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);

  // The real thing ends the program; what the user set since is in the file.
  run.Click("altbutton");
  ASSERT_FALSE(HasWindows(GetCurrentProcessId())) << "the end of the session would end us too";
  RunWinebootEndSession();
  EXPECT_NE(run.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
  ExpectHolds(run.ReadLines("Hopvox.ini"), {"Modifier=2", "Hints Enabled=1", "Timing=70"});
}
