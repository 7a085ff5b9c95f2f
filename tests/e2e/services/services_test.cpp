// The services inside the real program: one instance at a time, the polling
// timers driven by the window's controls, the channel and feedback sounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;
using e2e::WaitFor;

namespace {

struct Found {
  DWORD pid;
  const char* cls;
  HWND wnd;
};

BOOL CALLBACK FindByClass(HWND wnd, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (pid == f->pid && std::string(cls) == f->cls) {
    f->wnd = wnd;
    return FALSE;
  }
  return TRUE;
}

HWND WindowOf(DWORD pid, const char* cls) {
  Found f{pid, cls, nullptr};
  EnumWindows(FindByClass, reinterpret_cast<LPARAM>(&f));
  return f.wnd;
}

HWND MessageBoxOf(DWORD pid) {
  HWND box = WindowOf(pid, "#32770");
  return box && IsWindowVisible(box) ? box : nullptr;
}

std::string BoxText(HWND box) {
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

bool Ended(HANDLE process, DWORD ms = 10000) { return WaitForSingleObject(process, ms) == WAIT_OBJECT_0; }

// The second copy's notice: waits for it, reads it, presses OK.
std::string AnswerNotice(HANDLE process) {
  const DWORD pid = GetProcessId(process);
  HWND box = nullptr;
  WaitFor([&] { return (box = MessageBoxOf(pid)) != nullptr; }, std::chrono::seconds(20));
  if (!box) return {};
  const std::string text = BoxText(box);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return text;
}

}  // namespace

TEST(SingleInstance, SecondStartRestoresTheFirstSaysSoAndEnds) {
  HopvoxRun run("run_once_restore");
  run.Start();
  HWND app = WindowOf(run.ProcessId(), "HopvoxApplication");
  ASSERT_TRUE(app);
  ShowWindow(app, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(app) != 0; }));

  HANDLE second = run.StartAnother();
  EXPECT_EQ(AnswerNotice(second), "Hopvox is already running");
  EXPECT_TRUE(Ended(second));
  CloseHandle(second);
  EXPECT_FALSE(IsIconic(app));  // restored before the notice came up
  EXPECT_TRUE(run.Running());

  // The first copy still has its title: a third start finds it the same way.
  char title[64] = {};
  GetWindowTextA(app, title, sizeof title);
  EXPECT_STREQ(title, "Hopvox XP");
}

TEST(SingleInstance, SecondStartBringsAVisibleFirstToTheTop) {
  HopvoxRun run("run_once_top");
  run.Start();
  HWND app = WindowOf(run.ProcessId(), "HopvoxApplication");
  ASSERT_TRUE(app);
  e2e::FocusThief thief;  // now above the first copy
  HANDLE second = run.StartAnother();
  EXPECT_EQ(AnswerNotice(second), "Hopvox is already running");
  EXPECT_TRUE(Ended(second));
  CloseHandle(second);
  // The first copy's windows now stand above the other program's.
  bool formFirst = false;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == run.Form() || w == app) {
      formFirst = true;
      break;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w)) break;
  }
  EXPECT_TRUE(formFirst);
}

TEST(SingleInstance, EightStartsAtOnceLeaveOneAndAfterItANewStartRuns) {
  HopvoxRun run("run_once_eight");
  std::vector<HANDLE> copies;
  for (int i = 0; i < 8; ++i) copies.push_back(run.StartAnother());

  // Answer notices until seven copies have ended.
  auto endedCount = [&] {
    int n = 0;
    for (HANDLE h : copies) n += Ended(h, 0);
    return n;
  };
  int notices = 0;
  WaitFor([&] {
    for (HANDLE h : copies) {
      if (Ended(h, 0)) continue;
      if (HWND box = MessageBoxOf(GetProcessId(h))) {
        EXPECT_EQ(BoxText(box), "Hopvox is already running");
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return !IsWindow(box); }, std::chrono::seconds(5));
        ++notices;
      }
    }
    return endedCount() == 7;
  }, std::chrono::seconds(60));
  EXPECT_EQ(endedCount(), 7);
  EXPECT_EQ(notices, 7);

  for (HANDLE h : copies) {
    if (!Ended(h, 0)) {
      const DWORD pid = GetProcessId(h);
      EXPECT_TRUE(WaitFor([&] { return WindowOf(pid, "HopvoxForm") != nullptr; }));
      EXPECT_EQ(MessageBoxOf(pid), nullptr);
      TerminateProcess(h, 0);
      Ended(h);
    }
    CloseHandle(h);
  }

  run.Start();  // the survivor is gone: this one runs normally
  EXPECT_EQ(MessageBoxOf(run.ProcessId()), nullptr);
  EXPECT_TRUE(run.Running());
}

TEST(PollingTimers, FollowTheStoredModifierTheSwitchAndTheButtons) {
  HopvoxRun run("timers");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\nModifier=2\n[Hopvox timing]\nTiming=100\n[Hopvox system]\npriority=3\n");
  run.Start();
  const char* timers[] = {"Timer1", "Timer2", "Timer3", "Timer6"};
  auto running = [&] {
    std::vector<int> v;
    for (const char* t : timers) v.push_back(run.Query(t));
    return v;
  };
  EXPECT_EQ(running(), (std::vector<int>{0, 1, 0, 0}));
  for (const char* t : timers) {
    EXPECT_EQ(run.Query(std::string(t) + ".Interval"), 100) << t;
    EXPECT_EQ(run.Query(std::string(t) + ".Priority"), 1) << t;  // "High"
  }

  run.Click("enablebox");
  EXPECT_EQ(run.Text("enablebox"), "Disabled");
  EXPECT_EQ(running(), (std::vector<int>{0, 0, 0, 0}));
  // A modifier chosen while polling is off starts its timer all the same.
  run.Click("ctrlbutton");
  EXPECT_EQ(run.Query("activeModifier"), 1);
  EXPECT_EQ(running(), (std::vector<int>{1, 0, 0, 0}));
  run.Click("enablebox");  // on again: the checked button's timer alone
  EXPECT_EQ(run.Text("enablebox"), "Enabled");
  EXPECT_EQ(running(), (std::vector<int>{1, 0, 0, 0}));
  run.Click("nonbutton");
  EXPECT_EQ(running(), (std::vector<int>{0, 0, 0, 1}));

  EXPECT_EQ(run.Query("DXInput1.Device"), 1);
  run.Close();
  EXPECT_FALSE(run.Running());
}

TEST(Sounds, FeedbackSoundsAreEmbeddedAndChannelSoundsComeFromTheWorkingFolder) {
  HopvoxRun run("sounds");
  // A small valid wave: 8-bit mono, 4 samples.
  std::string wav = std::string("RIFF") + std::string("\x28\0\0\0", 4) + "WAVEfmt " + std::string("\x10\0\0\0", 4) +
                    std::string("\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0\x01\0\x08\0", 16) + "data" +
                    std::string("\x04\0\0\0", 4) + std::string("\x80\x90\x70\x80", 4);
  ASSERT_EQ(wav.size(), 48u);
  run.WriteFile("channel0.wav", wav);
  run.WriteFile("channel3.wav", "not a sound");
  run.WriteFile("channel5.wav", "");
  CreateDirectoryA(run.PathOf("channel7.wav").c_str(), nullptr);  // exists but cannot be read
  run.Start();
  EXPECT_EQ(run.Query("Wave"), 646);
  EXPECT_EQ(run.Query("Wave2"), 7766);
  EXPECT_EQ(run.Query("Wave3"), 9036);
  EXPECT_EQ(run.Query("chwave1"), 48);
  EXPECT_EQ(run.Query("chwave4"), 11);
  EXPECT_EQ(run.Query("chwave6"), 0);
  EXPECT_EQ(run.Query("chwave8"), 0);
  EXPECT_EQ(run.Query("chwave2"), 0);
  // Start-up went on to the end despite the odd files.
  EXPECT_EQ(run.Text("enablebox"), "Enabled");
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), "[Hopvox timing]\r\nTiming=70\r\n");
}
