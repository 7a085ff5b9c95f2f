// A polling timer runs for weeks at 50 ms: its ticks must not make (and
// close) kernel objects, counted through this program's own import table, nor
// take memory from the heap, counted by this program's own operator new.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <optional>

#include "../../AllocationCounter.h"
#include "../SwapImport.h"
#include "../Pump.h"
#include "services/ThdTimer.h"

using namespace hopvox;

namespace {

std::atomic<int> eventsMade{0};
decltype(&CreateEventA) realCreateEvent = nullptr;

// Only the workers' calls count: the main thread may make objects of its own meanwhile.
HANDLE WINAPI CountingCreateEvent(LPSECURITY_ATTRIBUTES sa, BOOL manual, BOOL initial,
                                  LPCSTR name) {
  if (!Application().IsMainThread()) ++eventsMade;
  return realCreateEvent(sa, manual, initial, name);
}

}  // namespace

TEST(TimerHandOver, TicksMakeNoKernelObjects) {
  Application().Handle();
  TThreadedTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.AllowZero = true;
  timer.SetInterval(0);
  realCreateEvent = reinterpret_cast<decltype(&CreateEventA)>(test::SwapImport(
      "kernel32.dll", "CreateEventA", reinterpret_cast<void*>(&CountingCreateEvent)));
  ASSERT_NE(realCreateEvent, nullptr);
  timer.SetEnabled(true);
  const bool ran = test::PumpUntil([&] { return ticks >= 300; }, 20000);
  timer.SetEnabled(false);
  test::SwapImport("kernel32.dll", "CreateEventA", reinterpret_cast<void*>(realCreateEvent));
  ASSERT_TRUE(ran);
  EXPECT_EQ(eventsMade.load(), 0);
}

// The worker hands its tick over and waits until the main thread has run it:
// a main thread that is busy for many intervals finds one tick waiting, not
// a backlog that then runs in a burst.
TEST(TimerHandOver, TheWorkerWaitsUntilItsTickHasRun) {
  Application().Handle();
  TThreadedTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetInterval(1);
  timer.SetEnabled(true);
  const HANDLE handOver = Application().SyncEvent();
  ASSERT_EQ(WaitForSingleObject(handOver, 10000), WAIT_OBJECT_0);
  // Hundreds of intervals in which a worker that does not wait would hand more over.
  EXPECT_EQ(WaitForSingleObject(handOver, 300), static_cast<DWORD>(WAIT_TIMEOUT));
  Application().CheckSynchronize();
  EXPECT_EQ(ticks, 1);
  // Served, the worker goes on ticking.
  EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 10000));
  timer.SetEnabled(false);
}

TEST(TimerHandOver, TicksTakeNothingFromTheHeap) {
  Application().Handle();
  TThreadedTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.AllowZero = true;
  timer.SetInterval(0);
  const std::function<bool()> done = [&] { return ticks >= 10000; };
  std::optional<test::CountedAllocations> counted(std::in_place);
  timer.SetEnabled(true);
  const bool ran = test::PumpUntil(done, 120000);
  timer.SetEnabled(false);
  const int allocations = counted->Count();
  counted.reset();
  ASSERT_TRUE(ran) << ticks << " ticks";
  EXPECT_EQ(allocations, 0);
}
