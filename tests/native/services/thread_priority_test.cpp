// The "Cpu priority" items and the thread priorities the polling timers get.
#include <gtest/gtest.h>

#include "services/logic/ThreadPriority.h"

namespace hopvox {
namespace {

TEST(ThreadPriority, CpuItemsLowestToHighestAndNoItemChangesNothing) {
  const int windows[] = {-2, -1, 0, 1, 2};  // LOWEST .. HIGHEST
  for (int item = 0; item < 5; ++item) {
    const auto priority = PriorityForCpuItem(item);
    ASSERT_TRUE(priority) << item;
    EXPECT_EQ(WindowsThreadPriority(*priority), windows[item]) << item;
    // A timer reads its priority back from the thread as it was set.
    EXPECT_EQ(ThreadPriorityFromWindows(windows[item]), *priority) << item;
  }
  EXPECT_FALSE(PriorityForCpuItem(-1));
  EXPECT_FALSE(PriorityForCpuItem(5));
}

}  // namespace
}  // namespace hopvox
