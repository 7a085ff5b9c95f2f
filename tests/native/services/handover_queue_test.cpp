// The queue of calls handed to the main thread: oldest first, and a tray
// program that ticks 14 times a second for weeks takes nothing from the heap
// for it. Counted by this program's own operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "framework/logic/HandOverQueue.h"

namespace {

std::atomic<bool> countingNews{false};
std::atomic<int> newsCounted{0};

struct Call {
  int id = 0;
  Call* next = nullptr;
};

}  // namespace

void* operator new(std::size_t size) {
  if (countingNews.load()) ++newsCounted;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
  newsCounted = 0;
  countingNews = true;
  for (int tick = 0; tick < 10000; ++tick) {
    // Each tick's record on the handing thread's stack, as in Synchronize;
    // now and then a second worker's call waits behind it.
    Call call{tick};
    Call other{-tick};
    queue.Push(call);
    if (tick % 7 == 0) queue.Push(other);
    while (Call* c = queue.Pop()) served += c == &call;
  }
  countingNews = false;
  EXPECT_EQ(served, 10000);
  EXPECT_EQ(newsCounted.load(), 0);
}

}  // namespace
}  // namespace hopvox
