// The pointer shapes of the window definition, under the real pointer.
#include <gtest/gtest.h>

#include "driver/Looks.h"

using e2e::HopvoxRun;
using e2e::Pointer;

namespace {

Pointer OverCaptionButton(const HopvoxRun& run, const std::string& button, Pointer expected) {
  if (!e2e::WaitFor([&] { return run.Query(button + ".Left") > 0; }))
    throw std::runtime_error(button + " never painted");
  return e2e::PointerOver(run, "Form1", run.Query(button + ".Left") + 5, -5, expected);
}

}  // namespace

TEST(Pointers, HandOverTheTitleBarButtonsAndItStaysAfterAPress) {
  HopvoxRun run("look_caption_pointer");
  run.Start();
  for (const char* b : {"captionlockbtn", "FormRoller1", "TrayIcon", "FormTopmost1"})
    EXPECT_EQ(OverCaptionButton(run, b, Pointer::Hand), Pointer::Hand) << b;
  EXPECT_EQ(OverCaptionButton(run, "RunRWButton", Pointer::Arrow), Pointer::Arrow);
  // A press and release on the lock button: still the hand afterwards, both
  // while it is down and after the next press lifts it.
  for (int press = 0; press < 2; ++press) {
    OverCaptionButton(run, "captionlockbtn", Pointer::Hand);
    e2e::LeftDown();
    Sleep(100);
    e2e::LeftUp();
    Sleep(200);
    e2e::MouseTo(run.ScreenPoint("Form1", 300, 250));
    Sleep(200);
    EXPECT_EQ(OverCaptionButton(run, "captionlockbtn", Pointer::Hand), Pointer::Hand) << press;
  }
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 1);
}

TEST(Pointers, HandAndIBeamOverTheControlsThatAskForThem) {
  HopvoxRun run("look_pointers");
  run.Start();
  EXPECT_EQ(e2e::PointerOver(run, "Form1", 280, 250, Pointer::Hand), Pointer::Hand) << "Image1";
  EXPECT_EQ(e2e::PointerOver(run, "DFWFoldPanel2", 100, 6, Pointer::Hand), Pointer::Hand)
      << "fold panel";
  // A disabled box takes no pointer: the I-beam shows while editing is unlocked.
  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(e2e::PointerOver(run, "HotKey1", 20, 8, Pointer::IBeam), Pointer::IBeam);
  run.ExpandFoldPanel(3);
  for (const char* box : {"hotkey7", "hotkey6"})
    EXPECT_EQ(e2e::PointerOver(run, box, 20, 8, Pointer::IBeam), Pointer::IBeam) << box;
}

TEST(Pointers, IBeamOverTheMicGainBoxes) {
  HopvoxRun run("look_mic_pointers");
  run.Start();
  run.ExpandFoldPanel(5);
  run.PressCaptionButton("captionlockbtn");
  for (const char* box : {"HotKey15", "HotKey16"})
    EXPECT_EQ(e2e::PointerOver(run, box, 20, 8, Pointer::IBeam), Pointer::IBeam) << box;
}

TEST(Pointers, HandOverTheMiscellaneousCheckBoxes) {
  HopvoxRun run("look_misc_pointers");
  run.Start();
  run.ExpandFoldPanel(4);
  for (const char* box : {"windowsstartbox", "hintbox"})
    EXPECT_EQ(e2e::PointerOver(run, box, 30, 8, Pointer::Hand), Pointer::Hand) << box;
  EXPECT_EQ(e2e::PointerOver(run, "Button1", 10, 10, Pointer::Arrow), Pointer::Arrow);
}
