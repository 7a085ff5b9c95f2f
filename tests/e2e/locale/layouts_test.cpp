// Hotkeys on German and French keyboards: captured by a key press in a
// hot-key box, they fire on that same key, and AltGr is not taken for Alt or
// Ctrl. Run by layouts.sh, once per layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// The key of a character on the layout in use.
WORD KeyOf(char c) { return static_cast<WORD>(VkKeyScanA(c) & 0xFF); }

// The layout in use: German or French, 0 for any other.
LANGID Layout() {
  const LANGID layout = LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)));
  return layout == 0x0407 || layout == 0x040C ? layout : 0;
}

}  // namespace

TEST(KeyboardLayout, ChannelKeysFireOnTheKeyCaptured) {
  const LANGID layout = Layout();
  if (!layout) GTEST_SKIP() << "keyboard layout " << GetKeyboardLayout(0);
  HopvoxRun run("layout");
  std::string ini =
      "[Hopvox timing]\r\nTiming=50\r\n[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox Ips]\r\n";
  const char* names[] = {"Base channel", "Channel 1", "Channel 2",
                         "Channel 3",    "Channel 4", "Channel 5"};
  for (int i = 0; i < 6; ++i)
    ini += std::string(names[i]) + "=10.0.0." + std::to_string(i) + "\r\n";
  run.WriteFile("Hopvox.ini", ini);
  run.Start();
  run.PressCaptionButton("captionlockbtn");
  // The OEM key: '#' beside Enter on German keyboards, '!' left of right Shift on French ones.
  const std::vector<WORD> keys = {'Z', 'Y', 'A', 'Q', 'M', KeyOf(layout == 0x0407 ? '#' : '!')};
  const char* boxes[] = {"HotKey1", "HotKey2", "HotKey3", "HotKey4", "HotKey5", "HotKey8"};
  for (int i = 0; i < 6; ++i) {
    if (i == 4) run.ClickAt("PageControl3", 66, 10);  // tab "4-7"
    EXPECT_EQ(run.CaptureHotKey(boxes[i], keys[i]), keys[i]) << boxes[i];
  }
  run.Click("Accept2");
  // One other program for all the presses: a window of Wine's that gets the
  // X focus resets the key state to the X server's, and under Wine 10 that
  // comes late enough to let go of keys the test has just put down (X never
  // saw them pressed). A user's own keys are the X server's and stay down.
  const e2e::FocusThief other;
  for (int i = 0; i < 6; ++i) {
    const std::size_t before = run.WaitForRoger(0).size();
    e2e::Chord(VK_CONTROL, keys[i]);
    const auto log = run.WaitForRoger(before + 1);
    EXPECT_EQ(log.empty() ? "nothing" : log.back(),
              std::string("/JOIN1 10.0.0.").append(std::to_string(i)))
        << "key " << keys[i];
  }
  run.Close();
}

// AltGr brings the left Ctrl with it: neither it nor AltGr is a modifier,
// with Ctrl or Alt chosen, nor Alt for the fixed commands. The left Alt is.
TEST(KeyboardLayout, AltGrIsNeitherAltNorCtrl) {
  if (!Layout()) GTEST_SKIP() << "keyboard layout " << GetKeyboardLayout(0);
  HopvoxRun run("layout_altgr");
  run.WriteFile("Hopvox.ini",
                "[Hopvox timing]\r\nTiming=50\r\n[Hopvox key modifier]\r\nModifier=1\r\n"
                "[Hopvox keys]\r\nBase channel=49\r\n[Hopvox Ips]\r\nBase channel=10.0.0.0\r\n");
  run.Start();
  const auto altGr = [&](WORD key) {
    e2e::KeyDown(VK_LCONTROL);
    e2e::Chord(VK_RMENU, key);
    e2e::KeyUp(VK_LCONTROL);
  };
  {
    const e2e::FocusThief other;
    altGr('1');
    run.Click("altbutton");
    altGr('1');
    altGr(VK_DELETE);
  }
  EXPECT_EQ(run.WaitForRoger(0), std::vector<std::string>{});
  const auto log = run.PressInAnotherProgram(VK_LMENU, '1');
  EXPECT_FALSE(log.empty());
  run.Close();
}
