// A stored priority below the list clears the choice, and close keeps it so.
#include <gtest/gtest.h>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

bool AnyPriorityChecked(const HopvoxRun& run) {
  // The group's items are radio buttons of its own window.
  for (HWND b = GetWindow(run.Control("cpuradiobtns"), GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
    if (SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED) return true;
  return false;
}

}  // namespace

TEST(Priority, ANegativeStoredPriorityClearsTheChoiceAndIsWrittenBack) {
  HopvoxRun run("look_priority");
  run.WriteFile("Hopvox.ini", "[Hopvox system]\r\npriority=-1\r\n");
  run.Start();
  EXPECT_EQ(run.Query("cpuradiobtns"), -1);
  EXPECT_FALSE(AnyPriorityChecked(run));
  // Nothing ran for the clearing: the timers keep "Normal".
  EXPECT_EQ(run.Query("Timer1.Priority"), THREAD_PRIORITY_NORMAL);
  run.Close();
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("priority=-1"), std::string::npos)
      << run.ReadFile("Hopvox.ini");
}
