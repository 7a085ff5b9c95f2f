#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "widgets/logic/VrUpDownLogic.h"

namespace hopvox {
namespace {

TEST(UpDownGeometry, MainWindowControl) {
  auto o = TVrOrientation::voVertical;
  EXPECT_EQ(UpDownButtonRect(0, o, 21, 26), TRect::Bounds(0, 0, 21, 13));
  EXPECT_EQ(UpDownButtonRect(1, o, 21, 26), TRect::Bounds(0, 13, 21, 13));
  EXPECT_EQ(UpDownGlyphRect(UpDownButtonRect(0, o, 21, 26), 9, 6), TRect::Bounds(6, 3, 9, 6));
  EXPECT_EQ(UpDownGlyphRect(UpDownButtonRect(1, o, 21, 26), 9, 6), TRect::Bounds(6, 16, 9, 6));
  EXPECT_EQ(UpDownHitTest({20, 12}, o, 21, 26), 0);
  EXPECT_EQ(UpDownHitTest({0, 13}, o, 21, 26), 1);
  EXPECT_EQ(UpDownHitTest({21, 5}, o, 21, 26), -1);
  // An odd height leaves the last row to neither button.
  EXPECT_EQ(UpDownHitTest({5, 26}, o, 21, 27), -1);
  auto h = TVrOrientation::voHorizontal;
  EXPECT_EQ(UpDownButtonRect(1, h, 30, 20), TRect::Bounds(15, 0, 15, 20));
  EXPECT_EQ(UpDownHitTest({3, 19}, h, 30, 20), 0);
}

TEST(UpDownGeometry, GlyphStates) {
  EXPECT_EQ(UpDownGlyphState(false, false, true, 4), 0);
  EXPECT_EQ(UpDownGlyphState(true, false, true, 4), 1);
  EXPECT_EQ(UpDownGlyphState(true, true, true, 4), 2);
  EXPECT_EQ(UpDownGlyphState(false, true, true, 4), 0);
  EXPECT_EQ(UpDownGlyphState(true, true, false, 4), 3);
  EXPECT_EQ(UpDownGlyphState(true, true, true, 2), 0);
  EXPECT_EQ(UpDownGlyphState(false, false, false, 3), 0);
}

TEST(UpDownGeometry, GlyphSizeSharesTheStripAmongOneToFourGlyphs) {
  EXPECT_EQ(UpDownGlyphSize(36, 6, 4), (TPoint{9, 6}));
  EXPECT_EQ(UpDownGlyphSize(36, 6, 2), (TPoint{18, 6}));
  EXPECT_EQ(UpDownGlyphSize(36, 6, 0), (TPoint{36, 6})) << "below 1 counts as 1";
  EXPECT_EQ(UpDownGlyphSize(36, 6, 9), (TPoint{9, 6})) << "above 4 counts as 4";
  EXPECT_EQ(UpDownGlyphSize(0, 0, 4), (TPoint{0, 0}));
  EXPECT_EQ(NumGlyphsInRange(3), 3);
}

// A platform timer on a fake clock: SetTimer semantics, one periodic timer.
struct FakeClock {
  int now = 0;
  std::optional<int> next;
  int period = 0;
  TVrTimerCore timer{[this](std::uint32_t ms) {
                       period = int(ms);
                       next = now + period;
                       return true;
                     },
                     [this] { next.reset(); }};
  void RunTo(int t) {
    while (next && *next <= t) {
      now = *next;
      next = now + period;
      timer.Tick();
    }
    now = t;
  }
};

struct Rig {
  FakeClock clock;
  TUpDownTracker tracker{clock.timer};
  std::vector<int> ups, downs;
  Rig() {
    clock.timer.SetEnabled(false);
    clock.timer.SetInterval(400);
    tracker.OnUpClick = [this] { ups.push_back(clock.now); };
    tracker.OnDownClick = [this] { downs.push_back(clock.now); };
  }
};

TEST(UpDownRepeat, HoldingOneSecondRepeatsThenClicksOnRelease) {
  Rig r;
  r.tracker.MouseMove(0);
  r.tracker.LeftButtonDown(0);
  r.clock.RunTo(1000);
  EXPECT_EQ(r.ups, (std::vector<int>{400, 500, 600, 700, 800, 900, 1000}));
  r.clock.RunTo(1050);
  r.tracker.LeftButtonUp();
  EXPECT_EQ(r.ups.size(), 8u);
  EXPECT_EQ(r.ups.back(), 1050);
  r.clock.RunTo(3000);
  EXPECT_EQ(r.ups.size(), 8u) << "ticks after release are dropped";
  EXPECT_TRUE(r.downs.empty());
}

TEST(UpDownRepeat, QuickClickFiresOnceAndSecondPressStartsAfresh) {
  Rig r;
  r.tracker.LeftButtonDown(1);
  r.clock.RunTo(150);
  r.tracker.LeftButtonUp();
  EXPECT_EQ(r.downs, (std::vector<int>{150}));
  // A second press waits the full first delay again.
  r.clock.RunTo(1000);
  r.tracker.LeftButtonDown(1);
  r.clock.RunTo(1399);
  EXPECT_EQ(r.downs.size(), 1u);
  r.clock.RunTo(1400);
  EXPECT_EQ(r.downs.size(), 2u);
}

TEST(UpDownRepeat, LeavingThePressedButtonSuspendsAndReleaseElsewhereFiresNothing) {
  Rig r;
  r.tracker.MouseMove(0);
  r.tracker.LeftButtonDown(0);
  r.clock.RunTo(450);
  r.tracker.MouseMove(1);
  EXPECT_EQ(r.tracker.HotIndex(), 1);
  EXPECT_FALSE(r.tracker.PressedInside());
  r.clock.RunTo(720);
  EXPECT_EQ(r.ups, (std::vector<int>{400}));
  r.tracker.MouseMove(0);
  r.clock.RunTo(800);
  EXPECT_EQ(r.ups, (std::vector<int>{400, 800}));
  r.tracker.MouseMove(1);
  r.tracker.LeftButtonUp();
  EXPECT_EQ(r.ups.size(), 2u);
  EXPECT_TRUE(r.downs.empty());
}

TEST(UpDownRepeat, NoRepeatWhenSwitchedOffAndFailingHandlerStopsTheTimer) {
  Rig r;
  r.tracker.SetRepeatClick(false);
  r.tracker.LeftButtonDown(0);
  r.clock.RunTo(2000);
  EXPECT_TRUE(r.ups.empty());
  r.tracker.LeftButtonUp();
  EXPECT_EQ(r.ups.size(), 1u);

  Rig f;
  f.tracker.OnUpClick = [] { throw std::runtime_error("boom"); };
  f.tracker.LeftButtonDown(0);
  EXPECT_THROW(f.clock.RunTo(400), std::runtime_error);
  EXPECT_FALSE(f.clock.timer.Enabled());
}

TEST(UpDownRepeat, RepeatPauseSpacesTheRepeatsAndStaysPositive) {
  Rig r;
  r.tracker.SetRepeatPause(250);
  r.tracker.LeftButtonDown(1);
  r.clock.RunTo(1000);
  EXPECT_EQ(r.downs, (std::vector<int>{400, 650, 900}));
  r.tracker.LeftButtonUp();
  r.tracker.SetRepeatPause(0);
  EXPECT_EQ(r.tracker.RepeatPause(), 1);
  r.tracker.SetRepeatPause(-5);
  // A pause of 0 or less would spin the fake clock for ever.
  ASSERT_EQ(r.tracker.RepeatPause(), 1);
  r.tracker.LeftButtonDown(0);
  r.clock.RunTo(1000 + 400 + 3);
  EXPECT_EQ(r.ups.size(), 4u) << "first repeat, then every millisecond";
  r.tracker.LeftButtonUp();
}

TEST(VrTimerCore, RefusedPlatformTimerIsReported) {
  TVrTimerCore t([](std::uint32_t) { return false; }, [] {});
  t.OnTimer = [] {};
  try {
    t.Rearm();
    FAIL() << "expected an error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "No timer resources left.");
  }
  t.SetEnabled(false);
  t.SetInterval(0);
  EXPECT_NO_THROW(t.SetEnabled(true)) << "interval 0 arms nothing";
}

}  // namespace
}  // namespace hopvox
