// The polling interval's track bar moved by the user: what it shows, what it
// stores and what the polling timers do with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

int Position(const HopvoxRun& run) {
  return static_cast<int>(SendMessageA(run.Control("timerbar"), TBM_GETPOS, 0, 0));
}

std::vector<int> Intervals(const HopvoxRun& run) {
  std::vector<int> v;
  for (const char* t : {"Timer1", "Timer2", "Timer3", "Timer6"})
    v.push_back(run.Query(std::string(t) + ".Interval"));
  return v;
}

// Alt + "1" joins the base channel; the timing is the one the track bar starts from.
const std::string kSettings =
    "[Hopvox timing]\r\nTiming=90\r\n[Hopvox key modifier]\r\nModifier=2\r\n[Hopvox keys]\r\nBase "
    "channel=49\r\n"
    "[Hopvox Ips]\r\nBase channel=10.0.0.5\r\n";

}  // namespace

TEST(Interval, TheUsersMoveShowsInTheHintIsStoredAndRetimesTheRunningTimer) {
  HopvoxRun run("interval_move");
  run.WriteFile("Hopvox.ini", kSettings);
  run.Start();
  run.ExpandFoldPanel(4);  // "Miscellaneous": the bar shows the stored interval
  ASSERT_EQ(Position(run), 90);
  ASSERT_EQ(run.Query("Timer2"), 1);

  // A click on the bar near its right end (the thumb stands at 90 of 50..120)
  // moves it one page.
  run.ClickAt("timerbar", 130, 10);
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("pollInterval") == 100; }));
  EXPECT_EQ(Position(run), 100);
  EXPECT_EQ(run.QueryText("timerbar.hint"), "100");
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Timing=100\r\n"), std::string::npos);
  EXPECT_EQ(Intervals(run), (std::vector<int>{100, 100, 100, 100}));
  // The running timer keeps running on the new interval: the next press joins.
  EXPECT_EQ(run.Query("Timer2"), 1);
  {
    e2e::FocusThief thief;
    e2e::KeyDown(VK_MENU);
    e2e::Tap('1', 250);
    e2e::KeyUp(VK_MENU);
  }
  const auto log = run.WaitForRoger(1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "/JOIN1 10.0.0.5");
}

TEST(Interval, AReadOnlySettingsFileRefusesTheMoveAndTheTimersKeepTheirInterval) {
  HopvoxRun run("interval_read_only");
  run.WriteFile("Hopvox.ini", kSettings);
  run.Start();
  run.ExpandFoldPanel(4);
  ASSERT_EQ(Position(run), 90);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);

  run.Focus("timerbar");
  e2e::Tap(VK_RIGHT);  // one line: 100
  EXPECT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("Hopvox.ini"));
  run.DismissMessageBox();
  run.Settle();
  EXPECT_EQ(run.Query("pollInterval"), 90);
  EXPECT_EQ(Intervals(run), (std::vector<int>{90, 90, 90, 90}));
  EXPECT_EQ(run.Query("Timer2"), 1);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), kSettings);
  EXPECT_TRUE(run.Running());
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}
