// The arrows with the pointer leaving them, the right button, strips of the
// caller's own, and the repeat timer as the system runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../Pump.h"
#include "Render.h"
#include "VolumeArrows.h"
#include "widgets/VrClasses.h"

namespace hopvox {
namespace {

using test::Snapshot;

using test::VolumeArrows;

TEST_F(VolumeArrows, LeavingTheControlTakesTheHotGlyphOff) {
  Send(WM_MOUSEMOVE, 0, 10, 5);
  ASSERT_EQ(updown.HotIndex(), 0);
  ASSERT_EQ(Pixel(10, 5), clLime);
  SendMessageA(host.Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(updown.HotIndex(), -1);
  EXPECT_EQ(Pixel(10, 5), clGreen);
}

TEST_F(VolumeArrows, RightButtonNeitherPressesNorRepeats) {
  Send(WM_MOUSEMOVE, 0, 10, 5);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, 10, 5);
  EXPECT_FALSE(updown.RepeatTimer().Enabled());
  EXPECT_FALSE(updown.PressedInside());
  EXPECT_EQ(Pixel(10, 5), clLime) << "hot, not pressed";
  if (HWND timer = updown.RepeatTimer().WindowHandle()) SendMessageA(timer, WM_TIMER, 1, 0);
  Send(WM_RBUTTONUP, 0, 10, 5);
  EXPECT_EQ(ups, 0);
}

// Four 12 x 8 glyphs in blue, yellow, magenta and white; the bottom-left
// pixel is black, the colour left out.
UniqueBitmap SquareStrip() {
  ClientDC screen(nullptr);
  UniqueBitmap bmp(CreateCompatibleBitmap(screen.get(), 48, 8));
  UniqueDC dc(CreateCompatibleDC(screen.get()));
  ScopedSelectObject s(dc.get(), bmp.get());
  const COLORREF inks[4] = {RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 255), RGB(255, 255, 255)};
  for (int g = 0; g < 4; ++g) FillSolid(dc.get(), {g * 12, 0, g * 12 + 12, 8}, inks[g]);
  SetPixel(dc.get(), 0, 7, RGB(0, 0, 0));
  return bmp;
}

TEST_F(VolumeArrows, OwnStripIsCopiedAndNullBringsTheArrowBack) {
  {
    UniqueBitmap strip = SquareStrip();
    updown.SetGlyphsUp(strip.get());
  }  // the caller's bitmap is gone: the control drew from its own copy
  // 12 x 8 centred in the up button (0, 0, 21, 13): (4, 2) to (15, 9).
  EXPECT_EQ(Pixel(4, 2), Rgb(0, 0, 255));
  EXPECT_EQ(Pixel(15, 9), Rgb(0, 0, 255));
  EXPECT_EQ(Pixel(4, 9), test::Sys(COLOR_BTNFACE)) << "the bottom-left colour left out";
  EXPECT_EQ(Pixel(10, 16 + 2), clGreen) << "the down arrow keeps its strip";
  Send(WM_MOUSEMOVE, 0, 10, 5);
  EXPECT_EQ(Pixel(4, 2), Rgb(255, 255, 0)) << "the second glyph is the hot one";
  Send(WM_MOUSEMOVE, 0, 10, 20);

  updown.SetGlyphsUp(nullptr);
  EXPECT_EQ(BitmapSize(updown.GlyphsUp()).cx, 36);
  EXPECT_EQ(Pixel(4, 2), test::Sys(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(10, 5), clGreen) << "the resource arrow again";

  {
    UniqueBitmap strip = SquareStrip();
    updown.SetGlyphsDown(strip.get());
  }
  EXPECT_EQ(Pixel(4, 13 + 2), Rgb(255, 255, 0)) << "the down button is hot";
}

TEST_F(VolumeArrows, TurnedSidewaysTheRightHalfIsDown) {
  updown.SetOrientation(TVrOrientation::voHorizontal);
  ASSERT_EQ(updown.Width(), 26);
  ASSERT_EQ(updown.Height(), 21);
  auto click = [&](int x, int y) {
    Send(WM_MOUSEMOVE, 0, x, y);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    Send(WM_LBUTTONUP, 0, x, y);
  };
  click(20, 4);
  EXPECT_EQ(downs, 1);
  click(4, 16);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);
}

TEST(VrTimerSystemMode, TypeChangeWhileRunningMovesTheTicksToItsWindow) {
  TVrTimer timer;
  int ticks = 0;
  timer.SetInterval(10);
  timer.SetOnTimer([&] { ++ticks; });
  timer.SetTimerType(TVrTimerType::ttSystem);
  ASSERT_NE(timer.WindowHandle(), nullptr) << "re-armed as a window timer";
  EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 10000, nullptr, false));
}

// What arrived while a reference timer ticked: 'r' for it, 'u' for a click.
std::vector<char>* g_events = nullptr;
void CALLBACK ReferenceTick(HWND, UINT, UINT_PTR, DWORD) { g_events->push_back('r'); }

TEST(VrTimerSystemMode, DestructionStopsTheTimer) {
  HWND window = nullptr;
  int ticks = 0;
  {
    TVrTimer timer;
    timer.SetTimerType(TVrTimerType::ttSystem);
    timer.SetInterval(10);
    timer.SetOnTimer([&] { ++ticks; });
    window = timer.WindowHandle();
    ASSERT_TRUE(test::PumpUntil([&] { return ticks >= 1; }, 10000, nullptr, false));
  }
  EXPECT_FALSE(IsWindow(window));
  // Three ticks of a 30 ms timer: time for several of the 10 ms one.
  std::vector<char> events;
  g_events = &events;
  UINT_PTR reference = SetTimer(nullptr, 0, 30, ReferenceTick);
  int late = 0;
  EXPECT_TRUE(test::PumpUntil([&] { return std::count(events.begin(), events.end(), 'r') >= 3; },
                              10000,
                              [&](const MSG& msg) {
                                late += msg.message == WM_TIMER && msg.hwnd == window;
                                return true;
                              },
                              false));
  KillTimer(nullptr, reference);
  EXPECT_EQ(late, 0);
}

TEST_F(VolumeArrows, HeldButtonRepeatsAfterTheFirstDelayThenEveryPause) {
  // Against a 300 ms reference timer: the first repeat (400 ms) comes after
  // its first tick, and between its first and third tick (300..900 ms) the
  // 100 ms repeats come at least four times. No clock is read.
  std::vector<char> events;
  g_events = &events;
  updown.OnUpClick = [&] { events.push_back('u'); };
  UINT_PTR reference = SetTimer(nullptr, 0, 300, ReferenceTick);
  Send(WM_MOUSEMOVE, 0, 10, 5);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 5);
  const bool ticked =
      test::PumpUntil([&] { return std::count(events.begin(), events.end(), 'r') >= 3; }, 10000);
  KillTimer(nullptr, reference);
  Send(WM_LBUTTONUP, 0, 10, 5);
  ASSERT_TRUE(ticked);
  const auto first = std::find(events.begin(), events.end(), 'r');
  const auto third = std::find(std::find(first + 1, events.end(), 'r') + 1, events.end(), 'r');
  EXPECT_EQ(std::count(events.begin(), first, 'u'), 0) << std::string(events.begin(), events.end());
  EXPECT_GE(std::count(first, third, 'u'), 4) << std::string(events.begin(), events.end());
}

}  // namespace
}  // namespace hopvox
