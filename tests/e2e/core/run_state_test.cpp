// The run state as a user meets it: what start-up leaves alone, the priority
// of the polling threads, close stopping the polling before its message, and
// a voice-chat program that is not there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

const char* const kTimers[] = {"Timer1", "Timer2", "Timer3", "Timer6"};
const char* const kModifierButtons[] = {"ctrlbutton", "altbutton", "shftbutton", "nonbutton"};

std::vector<int> Running(const HopvoxRun& run) {
  std::vector<int> v;
  for (const char* t : kTimers) v.push_back(run.Query(t));
  return v;
}

// A small valid wave: 8-bit mono, four samples, 48 bytes in all.
const std::string kChannelWave(
    "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
    "\x01\0\x08\0data\x04\0\0\0\x80\x90\x70\x80",
    48);

}  // namespace

TEST(RunState, StoredValuesOutsideTheChoicesStandAsTheyAre) {
  // A timing section without "Timing", and a modifier no button stands for.
  HopvoxRun run("odd_values");
  const std::string stored =
      "[Hopvox timing]\r\nSpeed=3\r\n[Hopvox key modifier]\r\nModifier=5\r\n";
  run.WriteFile("Hopvox.ini", stored);
  run.Start();
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), stored);  // the section counts as present
  for (const char* b : kModifierButtons) EXPECT_FALSE(run.Checked(b)) << b;
  EXPECT_EQ(Running(run), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(run.Query("hintHidePause"), 10000);

  // Each "Cpu priority" item sets all four polling threads ("Lowest", the
  // stored default, is chosen at start: it comes last, as a change).
  struct Item {
    const char* caption;
    int priority;
  };
  for (const Item& item : {Item{"Low", -1}, Item{"Highest", 2}, Item{"Lowest", -2}}) {
    SendMessageA(FindWindowExA(run.Control("cpuradiobtns"), nullptr, "Button", item.caption),
                 BM_CLICK, 0, 0);
    for (const char* t : kTimers)
      EXPECT_EQ(run.Query(std::string(t) + ".Priority"), item.priority) << item.caption << t;
  }
  run.Close();
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Modifier=5\r\n"), std::string::npos);

  // Below the lists: no modifier, and a priority that clears the choice
  // without running anything for it (the timers keep "Normal"); close
  // writes it back as it was.
  HopvoxRun zero("odd_modifier_zero");
  zero.WriteFile("Hopvox.ini",
                 "[Hopvox key modifier]\r\nModifier=0\r\n[Hopvox system]\r\npriority=-1\r\n");
  zero.Start();
  for (const char* b : kModifierButtons) EXPECT_FALSE(zero.Checked(b)) << b;
  EXPECT_EQ(Running(zero), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(zero.Query("activeModifier"), 0);
  EXPECT_EQ(zero.Query("cpuradiobtns"), -1);
  for (HWND b = GetWindow(zero.Control("cpuradiobtns"), GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
    EXPECT_NE(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(zero.Query("Timer1.Priority"), THREAD_PRIORITY_NORMAL);
  zero.Close();
  EXPECT_TRUE(e2e::Contains(zero.ReadFile("Hopvox.ini"), "priority=-1"))
      << zero.ReadFile("Hopvox.ini");
}

TEST(RunState, PollingStopsBeforeTheClosingMessage) {
  HopvoxRun run("close_stops_polling");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox keys]\r\n"
                "Base channel=49\r\n");
  run.Start();
  ASSERT_EQ(Running(run), (std::vector<int>{1, 0, 0, 0}));
  PostMessageA(run.Form(), WM_CLOSE, 0, 0);
  ASSERT_EQ(run.WaitForMessageBox(), "Please support Hopvox! Donations gratefully received");
  EXPECT_EQ(Running(run), (std::vector<int>{0, 0, 0, 0}));
  e2e::Chord(VK_CONTROL, '1');  // while the message is up
  run.DismissMessageBox();
  run.WaitForExit();
  EXPECT_TRUE(e2e::WaitFor([] { return e2e::RogersRunning() == 0; }));
  EXPECT_TRUE(run.RogerLog().empty());
}

TEST(RunState, AMissingVoiceChatProgramGoesUnreportedAndTheNextPressLaunches) {
  HopvoxRun run("roger_missing");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox keys]\r\n"
                "Base channel=49\r\n[Hopvox Ips]\r\nBase channel=10.0.0.9\r\n");
  run.WriteFile("channel0.wav", kChannelWave);
  const std::string roger = run.PathOf("roger.exe");
  ASSERT_TRUE(DeleteFileA(roger.c_str()));
  run.Start();
  {
    e2e::FocusThief other;
    // The channel sound follows the launch: once it has played, the launch
    // was tried.
    const int mark = run.SoundCount();
    e2e::Chord(VK_CONTROL, '1');
    ASSERT_TRUE(e2e::WaitFor([&] { return !run.SoundsSince(mark).empty(); }));
  }
  run.Settle();
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");
  EXPECT_TRUE(run.RogerLog().empty());

  char source[MAX_PATH];
  ASSERT_TRUE(GetEnvironmentVariableA("ROGER_EXE", source, sizeof source));
  ASSERT_TRUE(CopyFileA(source, roger.c_str(), FALSE));
  {
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '1');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/JOIN1 10.0.0.9");
  }
  run.Close();
}
