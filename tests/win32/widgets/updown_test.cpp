#include <gtest/gtest.h>

#include <atomic>

#include "Render.h"
#include "VolumeArrows.h"
#include "framework/Application.h"
#include "widgets/VrUpDown.h"

namespace hopvox {
namespace {

using test::Snapshot;

// With the left button held for every message but a move.
struct Arrows : test::VolumeArrows {
  void Send(UINT msg, int x, int y) {
    VolumeArrows::Send(msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, x, y);
  }
  // Middle of each triangle: glyphs at (6, 3) and (6, 16), 9 x 6.
  TColor UpGlyph() { return Pixel(10, 3 + 2); }
  TColor DownGlyph() { return Pixel(10, 16 + 2); }
};

TEST_F(Arrows, GlyphsFollowHotPressedAndDisabled) {
  EXPECT_EQ(UpGlyph(), clGreen);
  EXPECT_EQ(DownGlyph(), clGreen);
  EXPECT_EQ(Snapshot(host.Handle()).At(60 + 1, 50 + 1), test::Sys(COLOR_BTNFACE))
      << "transparent: the host shows through";
  Send(WM_MOUSEMOVE, 10, 5);
  EXPECT_EQ(updown.HotIndex(), 0);
  EXPECT_EQ(UpGlyph(), clLime);
  Send(WM_LBUTTONDOWN, 10, 5);
  EXPECT_EQ(UpGlyph(), clRed);
  EXPECT_EQ(DownGlyph(), clGreen);
  // Off the pressed button, over the other one: hot, not pressed.
  Send(WM_MOUSEMOVE, 10, 20);
  EXPECT_EQ(UpGlyph(), clGreen);
  EXPECT_EQ(DownGlyph(), clLime);
  Send(WM_LBUTTONUP, 10, 20);
  EXPECT_EQ(ups + downs, 0) << "released over the other button";
  updown.SetEnabled(false);
  EXPECT_EQ(UpGlyph(), clSilver);
  EXPECT_EQ(DownGlyph(), clSilver);
  Send(WM_LBUTTONDOWN, 10, 5);
  Send(WM_LBUTTONUP, 10, 5);
  EXPECT_EQ(ups, 0) << "a disabled control ignores presses";
}

TEST_F(Arrows, QuickClickFiresOnceOnRelease) {
  Send(WM_MOUSEMOVE, 10, 20);
  Send(WM_LBUTTONDOWN, 10, 20);
  EXPECT_EQ(downs, 0) << "nothing at the press itself";
  EXPECT_TRUE(updown.RepeatTimer().Enabled());
  EXPECT_EQ(updown.RepeatTimer().Interval(), 400u);
  Send(WM_LBUTTONUP, 10, 20);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 0);
  EXPECT_FALSE(updown.RepeatTimer().Enabled());
}

TEST_F(Arrows, TimerTicksRepeatWhileHeldOnTheButton) {
  Send(WM_MOUSEMOVE, 10, 5);
  Send(WM_LBUTTONDOWN, 10, 5);
  HWND timerWindow = updown.RepeatTimer().WindowHandle();
  ASSERT_NE(timerWindow, nullptr) << "the press arms a system timer";
  SendMessageA(timerWindow, WM_TIMER, 1, 0);
  SendMessageA(timerWindow, WM_TIMER, 1, 0);
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(updown.RepeatTimer().Interval(), 100u) << "after the first repeat: RepeatPause";
  Send(WM_MOUSEMOVE, 10, 20);
  SendMessageA(timerWindow, WM_TIMER, 1, 0);
  EXPECT_EQ(ups, 2) << "suspended off the pressed button";
  Send(WM_MOUSEMOVE, 10, 5);
  Send(WM_LBUTTONUP, 10, 5);
  EXPECT_EQ(ups, 3);
  SendMessageA(timerWindow, WM_TIMER, 1, 0);
  EXPECT_EQ(ups, 3) << "ticks after release are dropped";
}

TEST_F(Arrows, NumGlyphsRecutsTheStrips) {
  updown.SetNumGlyphs(2);
  // 18 x 6 glyphs at (1, 3): the normal and the hot triangle side by side.
  EXPECT_EQ(UpGlyph(), test::Sys(COLOR_BTNFACE)) << "between the two triangles";
  Snapshot s(host.Handle());
  EXPECT_EQ(s.At(60 + 1 + 4, 50 + 3 + 2), clGreen);
  EXPECT_EQ(s.At(60 + 10 + 4, 50 + 3 + 2), clLime);
  EXPECT_EQ(s.At(60 + 10 + 4, 50 + 16 + 2), clLime);
  // Pressed wants glyph 2, which a strip of two lacks: glyph 0.
  Send(WM_MOUSEMOVE, 10, 5);
  Send(WM_LBUTTONDOWN, 10, 5);
  EXPECT_EQ(Snapshot(host.Handle()).At(60 + 1 + 4, 50 + 3 + 2), clGreen);
  Send(WM_LBUTTONUP, 10, 5);
  updown.SetNumGlyphs(7);
  EXPECT_EQ(updown.NumGlyphs(), 4);
  EXPECT_EQ(UpGlyph(), clLime) << "back to 9 x 6, the hot glyph under the pointer";
}

TEST_F(Arrows, OrientationSwapsTheSize) {
  TVrUpDown fresh;
  EXPECT_EQ(fresh.Width(), 20);
  EXPECT_EQ(fresh.Height(), 30);
  fresh.SetOrientation(TVrOrientation::voHorizontal);
  EXPECT_EQ(fresh.Width(), 30);
  EXPECT_EQ(fresh.Height(), 20);
  // While the window definition is read, it gives the size itself.
  TVrUpDown loaded;
  loaded.BeginLoad();
  loaded.SetOrientation(TVrOrientation::voHorizontal);
  loaded.EndLoad();
  EXPECT_EQ(loaded.Width(), 20);
  EXPECT_EQ(loaded.Height(), 30);
  fresh.SetParent(&host);
  fresh.SetBounds(200, 100, 30, 20);
  // Side by side: the up glyph (rotated strips are the caller's business)
  // sits centred in the left half.
  Snapshot s(host.Handle());
  EXPECT_EQ(s.At(200 + 3 + 4, 100 + 7 + 2), clGreen);
  EXPECT_EQ(s.At(200 + 18 + 4, 100 + 7 + 2), clGreen);
}

}  // namespace
}  // namespace hopvox

namespace hopvox {
namespace {

// Thread mode: ticks come from a worker and, with SyncEvent, run on this
// thread. Only the arrival of ticks is checked, never their timing.
TEST(VrTimer, ThreadModeTicksOnTheGuiThreadAndStopsCleanly) {
  int ticks = 0;
  DWORD tickThread = 0;
  {
    TVrTimer timer;
    EXPECT_EQ(timer.TimerType(), TVrTimerType::ttThread);
    timer.SetInterval(5);
    timer.SetOnTimer([&] {
      ++ticks;
      tickThread = GetCurrentThreadId();
    });
    // Serve hand-overs until three ticks came, giving up after ten seconds.
    for (DWORD start = GetTickCount(); ticks < 3 && GetTickCount() - start < 10000;) {
      WaitForSingleObject(Application().SyncEvent(), 20);
      Application().CheckSynchronize();
    }
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(tickThread, GetCurrentThreadId());
    timer.SetEnabled(false);
    int stopped = ticks;
    for (int i = 0; i < 5; ++i) {
      Sleep(10);
      Application().CheckSynchronize();
    }
    EXPECT_EQ(ticks, stopped) << "a disabled timer delivers nothing";
  }  // the destructor stops the worker even while it waits for us
}

// Without SyncEvent the worker ticks itself, at the priority given, which a
// running worker takes at once.
TEST(VrTimer, WithoutSyncEventTicksOnTheWorkerAtItsPriority) {
  std::atomic<int> ticks{0}, priority{0};
  std::atomic<DWORD> tickThread{0};
  TVrTimer timer;
  timer.SetSyncEvent(false);
  timer.SetPriority(THREAD_PRIORITY_BELOW_NORMAL);
  timer.SetInterval(5);
  timer.SetOnTimer([&] {
    tickThread = GetCurrentThreadId();
    priority = GetThreadPriority(GetCurrentThread());
    ++ticks;
  });
  // Counts ticks from now on, giving up after ten seconds.
  auto awaitTicks = [&](int n) {
    const int until = ticks + n;
    for (DWORD start = GetTickCount(); ticks < until && GetTickCount() - start < 10000;) Sleep(5);
    return ticks >= until;
  };
  ASSERT_TRUE(awaitTicks(1)) << "no hand-over is served here";
  EXPECT_NE(tickThread, GetCurrentThreadId());
  EXPECT_EQ(priority, THREAD_PRIORITY_BELOW_NORMAL);
  timer.SetPriority(THREAD_PRIORITY_ABOVE_NORMAL);
  ASSERT_TRUE(awaitTicks(2));  // the second began after the change
  EXPECT_EQ(priority, THREAD_PRIORITY_ABOVE_NORMAL);
  timer.SetEnabled(false);
}

}  // namespace
}  // namespace hopvox
