// The services inside the real program: one instance at a time, the polling
// timers driven by the window's controls, the channel and feedback sounds.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;
using e2e::WaitFor;

namespace {

HWND WindowOf(DWORD pid, const char* cls, bool visibleOnly = true) {
  for (HWND w = FindWindowExA(nullptr, nullptr, cls, nullptr); w;
       w = FindWindowExA(nullptr, w, cls, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && (!visibleOnly || IsWindowVisible(w))) return w;
  }
  return nullptr;
}

bool Ended(HANDLE process, DWORD ms = 0) {
  return WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
}

// Reads the notice a later copy shows and presses its OK; empty if none came.
// `whileShown` runs while the notice is up.
std::string AnswerNotice(DWORD pid, std::chrono::milliseconds limit = std::chrono::seconds(20),
                         const std::function<void()>& whileShown = {}) {
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = WindowOf(pid, "#32770")) != nullptr; }, limit)) return {};
  if (whileShown) whileShown();
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitFor([&] { return !IsWindow(box); });
  return text;
}

// While the notice is up: it is the foreground window and above the first
// copy's window.
bool NoticeInFront(DWORD pid, HWND form) {
  HWND box = WindowOf(pid, "#32770");
  if (!box || GetForegroundWindow() != box) return false;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
    if (w == box || w == form) return w == box;
  return false;
}

std::string StartSecond(const HopvoxRun& run, const std::function<void()>& whileShown = {}) {
  HANDLE second = run.StartAnother();
  std::string notice = AnswerNotice(GetProcessId(second), std::chrono::seconds(20), whileShown);
  EXPECT_TRUE(Ended(second, 10000));
  CloseHandle(second);
  return notice;
}

}  // namespace

TEST(SingleInstance, LaterStartsBringTheFirstForwardSaySoAndEnd) {
  HopvoxRun run("run_once");
  run.Start();
  HWND app = WindowOf(run.ProcessId(), "HopvoxApplication", false);
  ASSERT_TRUE(app);
  // The guard is the mutex named by the title.
  HANDLE guard = OpenMutexA(SYNCHRONIZE, FALSE, "Hopvox XP");
  EXPECT_NE(guard, nullptr);
  if (guard) CloseHandle(guard);
  ShowWindow(app, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(app) != 0; }));
  bool restoredFirst = false;
  EXPECT_EQ(StartSecond(run, [&] { restoredFirst = !IsIconic(app); }), "Hopvox is already running");
  EXPECT_TRUE(restoredFirst) << "the first copy comes back before the notice shows";
  char title[64] = {};
  GetWindowTextA(app, title, sizeof title);
  EXPECT_STREQ(title, "Hopvox XP");  // still findable by the next start

  e2e::FocusThief thief;  // another program's window above the first copy
  bool inFront = false;
  HANDLE second = run.StartAnother();
  EXPECT_EQ(AnswerNotice(GetProcessId(second), std::chrono::seconds(20),
                         [&] { inFront = NoticeInFront(GetProcessId(second), run.Form()); }),
            "Hopvox is already running");
  EXPECT_TRUE(inFront) << "the notice stands in front of the copy it brought forward";
  EXPECT_TRUE(Ended(second, 10000));
  CloseHandle(second);
  HWND top = GetTopWindow(nullptr);
  while (top && !IsWindowVisible(top)) top = GetWindow(top, GW_HWNDNEXT);
  DWORD topPid = 0;
  GetWindowThreadProcessId(top, &topPid);
  EXPECT_EQ(topPid, run.ProcessId());
  EXPECT_TRUE(run.Running());

  // From the tray: out of it as a click on the icon brings it, the notice in
  // front of it.
  run.PressCaptionButton("TrayIcon");
  ASSERT_FALSE(IsWindowVisible(run.Form()));
  bool shown = false;
  second = run.StartAnother();
  EXPECT_EQ(AnswerNotice(GetProcessId(second), std::chrono::seconds(20),
                         [&] {
                           shown = IsWindowVisible(run.Form()) && IsWindowVisible(app);
                           inFront = NoticeInFront(GetProcessId(second), run.Form());
                         }),
            "Hopvox is already running");
  EXPECT_TRUE(shown) << "the first copy is out of the tray while the notice is up";
  EXPECT_TRUE(inFront);
  EXPECT_TRUE(Ended(second, 10000));
  CloseHandle(second);
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);

  // A later copy still makes its window before it ends: started from an
  // empty folder of its own, it leaves the first start's settings file there.
  HopvoxRun elsewhere("run_once_elsewhere");
  EXPECT_EQ(StartSecond(elsewhere), "Hopvox is already running");
  EXPECT_EQ(elsewhere.ReadFile("Hopvox.ini"), "[Hopvox timing]\r\nTiming=70\r\n");
}

TEST(SingleInstance, EightStartsAtOnceLeaveOneAndAfterItANewStartRuns) {
  HopvoxRun run("run_once_eight");
  std::vector<HANDLE> copies;
  for (int i = 0; i < 8; ++i) copies.push_back(run.StartAnother());
  int notices = 0;
  auto ended = [&] {
    int n = 0;
    for (HANDLE h : copies) n += Ended(h);
    return n;
  };
  WaitFor(
      [&] {
        for (HANDLE h : copies)
          if (!Ended(h) && AnswerNotice(GetProcessId(h), std::chrono::milliseconds(50)) ==
                               "Hopvox is already running")
            ++notices;
        return ended() == 7;
      },
      std::chrono::seconds(60));
  EXPECT_EQ(ended(), 7);
  EXPECT_EQ(notices, 7);
  for (HANDLE h : copies) {
    if (!Ended(h)) {
      EXPECT_TRUE(WaitFor([&] { return WindowOf(GetProcessId(h), "HopvoxForm") != nullptr; }));
      TerminateProcess(h, 0);
      Ended(h, 5000);
    }
    CloseHandle(h);
  }
  run.Start();  // the survivor is gone: this one runs without a notice
  EXPECT_EQ(WindowOf(run.ProcessId(), "#32770"), nullptr);
}

TEST(Services, TimersFollowSettingsSwitchAndButtonsAndSoundsAreLoaded) {
  HopvoxRun run("services");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\nModifier=2\n[Hopvox timing]\nTiming=100\n[Hopvox "
                "system]\npriority=3\n");
  // A small valid wave (8-bit mono, 4 samples), a text file, an empty file and
  // a folder where channel sounds are looked for.
  run.WriteFile("channel0.wav",
                std::string("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
                            "\x01\0\x08\0data\x04\0\0\0\x80\x90\x70\x80",
                            48));
  run.WriteFile("channel3.wav", "not a sound");
  run.WriteFile("channel5.wav", "");
  CreateDirectoryA(run.PathOf("channel7.wav").c_str(), nullptr);
  run.Start();

  const char* names[] = {"Timer1", "Timer2", "Timer3", "Timer6"};
  auto running = [&] {
    std::vector<int> v;
    for (const char* t : names) v.push_back(run.Query(t));
    return v;
  };
  EXPECT_EQ(running(), (std::vector<int>{0, 1, 0, 0}));
  for (const char* t : names) {
    EXPECT_EQ(run.Query(std::string(t) + ".Interval"), 100) << t;
    EXPECT_EQ(run.Query(std::string(t) + ".Priority"), 1) << t;  // "High"
  }
  int mark = run.SoundCount();
  run.Click("enablebox");
  EXPECT_EQ(running(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave 646 7"});
  run.Click("ctrlbutton");  // starts its timer even while polling is off
  EXPECT_EQ(run.Query("activeModifier"), 1);
  EXPECT_EQ(running(), (std::vector<int>{1, 0, 0, 0}));
  mark = run.SoundCount();
  run.Click("enablebox");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave 646 7"});
  run.Click("nonbutton");
  EXPECT_EQ(running(), (std::vector<int>{0, 0, 0, 1}));
  EXPECT_EQ(run.Query("DXInput1.Device"), 1);

  EXPECT_EQ(run.Query("Wave") + run.Query("Wave2") + run.Query("Wave3"), 646 + 7766 + 9036);
  const std::vector<int> sizes = {run.Query("chwave1"), run.Query("chwave2"), run.Query("chwave4"),
                                  run.Query("chwave6"), run.Query("chwave8")};
  EXPECT_EQ(sizes, (std::vector<int>{48, 0, 11, 0, 0}));
  run.Close();
  EXPECT_FALSE(run.Running());
}

// The tray menu's "Enabled" and the check box are one switch: either moves the other.
TEST(Services, PollingSwitchFromTheTrayMenuMovesTheCheckBox) {
  HopvoxRun run("tray_switch");
  run.WriteFile("Hopvox.ini", "[Hopvox key modifier]\nModifier=2\n");
  run.Start();
  // The menu is the tray icon's, there while the window is in the tray.
  run.PressCaptionButton("TrayIcon");
  // "Maximise", then "Enabled".
  auto chooseEnabled = [&] { run.TrayMenu({VK_DOWN, VK_RETURN}); };
  ASSERT_EQ(run.Query("Timer2"), 1);  // the stored modifier's timer runs
  chooseEnabled();
  EXPECT_TRUE(WaitFor([&] { return run.Text("enablebox") == "Disabled"; }));
  EXPECT_FALSE(run.Checked("enablebox"));
  EXPECT_EQ(run.Query("Timer2"), 0);

  chooseEnabled();
  EXPECT_TRUE(WaitFor([&] { return run.Text("enablebox") == "Enabled"; }));
  EXPECT_TRUE(run.Checked("enablebox"));
  EXPECT_EQ(run.Query("Timer2"), 1);

  // The box moves the menu item too: after unchecking it, the item turns polling on.
  run.TrayMenu({VK_RETURN});  // "Maximise"
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(run.Form()); }));
  run.Click("enablebox");
  EXPECT_EQ(run.Text("enablebox"), "Disabled");
  run.PressCaptionButton("TrayIcon");
  chooseEnabled();
  EXPECT_TRUE(WaitFor([&] { return run.Text("enablebox") == "Enabled"; }));
  EXPECT_EQ(run.Query("Timer2"), 1);
  run.Close();
}
