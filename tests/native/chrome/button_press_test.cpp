#include <gtest/gtest.h>

#include "chrome/logic/ButtonPress.h"

namespace hopvox {
namespace {

TEST(ButtonPress, ReleaseOverTheCaptionClicksAndReleasesCapture) {
  ButtonPress b;
  auto r = b.ButtonDown(true);
  EXPECT_EQ(r.paint, PressResult::kPressed);
  EXPECT_TRUE(r.capture);
  EXPECT_TRUE(b.Captured());
  // Sideways along the title bar: the pointer stays in the band.
  EXPECT_EQ(b.MouseMove(false).paint, PressResult::kNone);
  r = b.ButtonUp();
  EXPECT_TRUE(r.clicked);
  EXPECT_FALSE(r.toggled);
  EXPECT_TRUE(r.releaseCapture);
  EXPECT_EQ(r.paint, PressResult::kUp);
  EXPECT_FALSE(b.Captured());
  // Painting up is the caller's last step, after the click events.
  EXPECT_TRUE(b.DrawnPressed());
}

TEST(ButtonPress, LeavingTheBandCancelsTheClickButStillOpensThePopup) {
  ButtonPress b;
  b.hasPopup = true;
  b.ButtonDown(true);
  EXPECT_EQ(b.MouseMove(true).paint, PressResult::kUp);
  const auto r = b.ButtonUp();
  EXPECT_FALSE(r.clicked);
  EXPECT_TRUE(r.popup);
  EXPECT_TRUE(r.releaseCapture);
}

TEST(ButtonPress, ReleaseWithoutCaptureIsIgnored) {
  ButtonPress b;
  const auto r = b.ButtonUp();
  EXPECT_FALSE(r.clicked || r.releaseCapture || r.popup);
}

TEST(ButtonPress, ToggleAlternatesAndStaysDrawnWhileDown) {
  ButtonPress b;
  b.allowPress = true;
  b.SetDown(true);
  b.Painted(b.RepaintState());
  ASSERT_TRUE(b.DrawnPressed());

  b.ButtonDown(true);
  auto r = b.ButtonUp();
  EXPECT_TRUE(r.clicked && r.toggled);
  EXPECT_TRUE(b.down);                     // flipped by the caller, after BeforeButtonClick
  EXPECT_EQ(r.paint, PressResult::kNone);  // the Down setter repaints
  b.SetDown(!b.down);
  b.Painted(b.RepaintState());

  b.ButtonDown(true);
  r = b.ButtonUp();
  ASSERT_TRUE(r.toggled);
  b.SetDown(!b.down);
  b.Painted(b.RepaintState());
  EXPECT_TRUE(b.down);
  // Hovering off a down toggle does not draw it up.
  EXPECT_EQ(b.HitTest(false).paint, PressResult::kNone);
}

TEST(ButtonPress, DoubleClickActsAsASecondPress) {
  ButtonPress b;
  b.allowPress = true;
  for (int i = 0; i < 2; ++i) {  // down, up, (double click turned into) down, up
    b.ButtonDown(true);
    if (b.ButtonUp().toggled) b.SetDown(!b.down);
  }
  EXPECT_FALSE(b.down);
}

TEST(ButtonPress, APressDrawnUpNeverClicks) {
  ButtonPress b;
  EXPECT_EQ(b.HitTest(true).paint, PressResult::kNone);  // plain hover
  b.ButtonDown(true);
  b.MouseMove(true);  // dragged off below the title bar...
  EXPECT_EQ(b.HitTest(true).paint, PressResult::kNone) << "...and back onto the button";
  b.Painted(b.RepaintState());
  EXPECT_FALSE(b.DrawnPressed());
  EXPECT_FALSE(b.ButtonUp().clicked);

  b.ButtonDown(true);
  EXPECT_EQ(b.HitTest(false).paint, PressResult::kUp);
  EXPECT_FALSE(b.ButtonUp().clicked);
}

TEST(ButtonPress, ARepaintDuringThePressKeepsItAndTheClick) {
  // Activating an inactive window repaints the caption after the press.
  for (bool toggle : {false, true}) {
    ButtonPress b;
    b.allowPress = toggle;
    b.ButtonDown(true);
    b.Painted(b.RepaintState());
    EXPECT_TRUE(b.DrawnPressed()) << toggle;
    EXPECT_TRUE(b.ButtonUp().clicked) << toggle;
    // Once the press is over a repaint follows Down again.
    EXPECT_FALSE(b.RepaintState()) << toggle;
  }
}

TEST(ButtonPress, LosingTheCaptureEndsThePressWithoutAClick) {
  ButtonPress b;
  b.ButtonDown(true);
  auto r = b.CaptureLost();
  EXPECT_EQ(r.paint, PressResult::kUp);
  EXPECT_FALSE(r.releaseCapture);  // it is another window's now
  EXPECT_FALSE(b.Captured());
  EXPECT_FALSE(b.ButtonUp().clicked);
  EXPECT_EQ(b.CaptureLost().paint, PressResult::kNone) << "no press, nothing to end";

  b.allowPress = true;
  b.SetDown(true);
  b.ButtonDown(true);
  EXPECT_EQ(b.CaptureLost().paint, PressResult::kPressed) << "a down toggle stays drawn down";
  EXPECT_TRUE(b.down);
}

TEST(ButtonPress, DisabledIgnoresPressesAndDownNeedsAllowPress) {
  ButtonPress b;
  b.enabled = false;
  EXPECT_EQ(b.ButtonDown(true).paint, PressResult::kNone);
  EXPECT_FALSE(b.Captured());
  b.SetDown(true);
  EXPECT_FALSE(b.down);
  b.allowPress = true;
  b.SetDown(true);
  b.SetAllowPress(false);
  EXPECT_FALSE(b.down);
}

TEST(ButtonPress, PressElsewhereDropsAStaleCapture) {
  ButtonPress b;
  b.ButtonDown(true);
  const auto r = b.ButtonDown(false);
  EXPECT_TRUE(r.releaseCapture);
  EXPECT_EQ(r.paint, PressResult::kUp);
  EXPECT_FALSE(b.Captured());
}

}  // namespace
}  // namespace hopvox
