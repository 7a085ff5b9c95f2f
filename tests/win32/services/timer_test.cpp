#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "../Pump.h"
#include "services/ThdTimer.h"

namespace hopvox {
namespace {

using test::PumpFor;
using test::PumpUntil;

// Lower bounds are exact (a wait never ends early); upper bounds stay far
// above the intervals so a busy machine does not fail them.
constexpr DWORD kPatience = 10000;

struct Counter {
  int ticks = 0;
  DWORD first = 0;
  std::function<void()> Slot() {
    return [this] {
      if (!ticks++) first = GetTickCount();
    };
  }
};

class ThreadedTimer : public ::testing::Test {
 protected:
  void SetUp() override { Application().Handle(); }
  TThreadedTimer t;
  Counter c;
};

TEST_F(ThreadedTimer, FirstTickComesOneIntervalAfterEnablingAndNoneAfterDisabling) {
  t.OnTimer = c.Slot();
  EXPECT_EQ(t.Interval(), 1000);
  t.SetInterval(300);
  EXPECT_FALSE(t.Enabled());  // an interval change leaves a disabled timer disabled
  PumpFor(500);
  EXPECT_EQ(c.ticks, 0);

  const DWORD enabledAt = GetTickCount();
  t.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return c.ticks >= 2; }, kPatience));
  EXPECT_GE(c.first - enabledAt, 280u);
  t.SetEnabled(false);
  PumpFor(50);
  const int stopped = c.ticks;
  PumpFor(700);
  EXPECT_EQ(c.ticks, stopped);
}

TEST_F(ThreadedTimer, NewIntervalRestartsTheWaitAndTheSameValueDoesNot) {
  t.OnTimer = c.Slot();
  t.SetInterval(1500);
  const DWORD enabledAt = GetTickCount();
  t.SetEnabled(true);
  PumpFor(900);
  t.SetInterval(1500);
  ASSERT_TRUE(PumpUntil([&] { return c.ticks >= 1; }, kPatience));
  EXPECT_LT(c.first - enabledAt, 2300u);  // a restart would have made it 2400 or more

  Counter d;
  t.OnTimer = d.Slot();
  const DWORD changedAt = GetTickCount();
  t.SetInterval(800);
  EXPECT_TRUE(t.Enabled());
  ASSERT_TRUE(PumpUntil([&] { return d.ticks >= 1; }, kPatience));
  EXPECT_GE(d.first - changedAt, 780u);
}

TEST_F(ThreadedTimer, ZeroAndNegativeIntervals) {
  t.OnTimer = c.Slot();
  t.SetInterval(0);
  t.SetEnabled(true);
  EXPECT_TRUE(t.Enabled());
  PumpFor(300);
  EXPECT_EQ(c.ticks, 0);  // zero without AllowZero never runs
  t.SetEnabled(false);
  t.AllowZero = true;
  t.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return c.ticks >= 20; }, kPatience));

  t.SetInterval(-1);  // waits for ever
  PumpFor(50);
  const int before = c.ticks;
  PumpFor(400);
  EXPECT_EQ(c.ticks, before);
  t.SetInterval(20);
  EXPECT_TRUE(PumpUntil([&] { return c.ticks >= before + 3; }, kPatience));
}

TEST_F(ThreadedTimer, ThrowingHandlerKeepsItRunningAndStaleTicksAreDropped) {
  int calls = 0;
  t.OnTimer = [&] {
    ++calls;
    throw std::runtime_error("tick failed");
  };
  t.SetInterval(20);
  t.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return calls >= 4; }, kPatience));

  // A tick the worker requested before a disable or an interval change does
  // nothing when the main thread gets to it.
  t.OnTimer = c.Slot();
  t.SetInterval(5);
  Sleep(100);  // not pumping: the worker waits inside its hand-over
  t.SetEnabled(false);
  PumpFor(300);
  t.SetEnabled(true);
  Sleep(100);
  t.SetInterval(5000);
  PumpFor(300);
  EXPECT_EQ(c.ticks, 0);

  for (TThreadPriority p : {tpIdle, tpLower, tpHighest, tpTimeCritical, tpNormal}) {
    t.SetThreadPriority(p);
    EXPECT_EQ(GetThreadPriority(t.ThreadHandle()), WindowsThreadPriority(p));
  }
}

int ThreadsOfThisProcess() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 e{};
  e.dwSize = sizeof e;
  int n = 0;
  for (BOOL ok = Thread32First(snap, &e); ok; ok = Thread32Next(snap, &e))
    n += e.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snap);
  return n;
}

TEST(ThreadedTimerLifetime, ManyCyclesSomeDestroyedMidTickNeitherHangNorLeakThreads) {
  Application().Handle();
  const int threadsBefore = ThreadsOfThisProcess();
  int ticks = 0;
  for (int i = 0; i < 200; ++i) {
    auto t = std::make_unique<TThreadedTimer>();
    t->OnTimer = [&] { ++ticks; };
    t->SetInterval(i % 3 == 0 ? 1 : 4);
    if (i % 5 != 4) t->SetEnabled(true);  // every fifth stays disabled
    if (i % 2) {
      Sleep(10);  // leave the worker blocked in its hand-over
    } else {
      PumpFor(8);
    }
  }
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore);
}

}  // namespace
}  // namespace hopvox
