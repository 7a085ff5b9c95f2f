// The queue of calls handed to the main thread: oldest first, and a tray
// program that ticks 14 times a second for weeks takes nothing from the heap
// for it. Counted by this program's own operator new.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "../../AllocationCounter.h"
#include "framework/logic/HandOverQueue.h"

namespace {

struct Call {
  int id = 0;
  Call* next = nullptr;
};

}  // namespace

namespace hopvox {
namespace {

TEST(HandOverQueue, CallsComeOutOldestFirstAlsoWhenPushedWhileOthersWait) {
  THandOverQueue<Call> queue;
  std::vector<Call> calls(5);
  for (int i = 0; i < 5; ++i) calls[i].id = i;
  EXPECT_TRUE(queue.Empty());
  EXPECT_EQ(queue.Pop(), nullptr);
  queue.Push(calls[0]);
  queue.Push(calls[1]);
  EXPECT_EQ(queue.Pop()->id, 0);
  queue.Push(calls[2]);
  EXPECT_EQ(queue.Pop()->id, 1);
  EXPECT_EQ(queue.Pop()->id, 2);
  EXPECT_TRUE(queue.Empty());
  // Emptied, the queue takes new calls as a fresh one does.
  queue.Push(calls[3]);
  queue.Push(calls[4]);
  EXPECT_FALSE(queue.Empty());
  EXPECT_EQ(queue.Pop()->id, 3);
  EXPECT_EQ(queue.Pop()->id, 4);
  EXPECT_EQ(queue.Pop(), nullptr);
}

TEST(HandOverQueue, TenThousandHandOversTakeNothingFromTheHeap) {
  THandOverQueue<Call> queue;
  int served = 0;
  std::optional<test::CountedAllocations> counted(std::in_place);
  for (int tick = 0; tick < 10000; ++tick) {
    // Each tick's record on the handing thread's stack, as in Synchronize;
    // now and then a second worker's call waits behind it.
    Call call{tick};
    Call other{-tick};
    queue.Push(call);
    if (tick % 7 == 0) queue.Push(other);
    while (Call* c = queue.Pop()) served += c == &call;
  }
  const int allocations = counted->Count();
  counted.reset();
  EXPECT_EQ(served, 10000);
  EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace hopvox
