// A polling timer runs for weeks at 50 ms: its ticks must not make (and
// close) kernel objects, counted through this program's own import table, nor
// take memory from the heap, counted by this program's own operator new.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../SwapImport.h"
#include "Pump.h"
#include "services/ThdTimer.h"

using namespace hopvox;

namespace {

std::atomic<int> eventsMade{0};
std::atomic<bool> countingNews{false};
std::atomic<int> newsCounted{0};
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

TEST(TimerHandOver, TicksTakeNothingFromTheHeap) {
  Application().Handle();
  TThreadedTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.AllowZero = true;
  timer.SetInterval(0);
  const std::function<bool()> done = [&] { return ticks >= 10000; };
  newsCounted = 0;
  countingNews = true;
  timer.SetEnabled(true);
  const bool ran = test::PumpUntil(done, 120000);
  timer.SetEnabled(false);
  countingNews = false;
  ASSERT_TRUE(ran) << ticks << " ticks";
  EXPECT_EQ(newsCounted.load(), 0);
}

// Every allocation of this program, on any thread, goes through here.
void* operator new(std::size_t size) {
  if (countingNews.load()) ++newsCounted;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
