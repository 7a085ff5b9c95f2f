// Hints as a user meets them: rest the real pointer on a control and read the
// tip that comes up. Windowless controls show theirs like windowed ones, and
// "Show hints" switches all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

struct Spot {
  const char* control;  // where the point is given
  int x, y;
  int foldPanel;  // the fold panel to open first, 0: none
  const char* hint;
};

// Points on windowless controls, in the client of the window or fold panel
// that paints them.
const Spot kGraphicSpots[] = {
    {"Form1", 280, 250, 0, "Click to change logo"},
    {"Form1", 288, 20, 0, "Need Roger Wilco? Double click here..."},
};

const std::string kClick = "Wave 646 7";

// The tip that comes up with the pointer resting on the "Enabled" box, or empty.
std::string EnableboxTip(const HopvoxRun& run) { return e2e::HintOver(run, "enablebox", 20, 8); }

}  // namespace

TEST(Hints, WindowlessControlsShowTheirHintsOnHover) {
  HopvoxRun run("look_hints");
  run.Start();
  for (const Spot& s : kGraphicSpots)
    EXPECT_EQ(e2e::HintOver(run, s.control, s.x, s.y), s.hint) << s.hint;
  run.ExpandFoldPanel(4);
  // The "Timing" label at 70, 152 of the panel's client.
  EXPECT_EQ(e2e::HintOver(run, "DFWFoldPanel4", 15 + 70 + 10, 1 + 152 + 5),
            "Determine how quickly HV responds to a keypress");
}

TEST(Hints, ControlsOnFoldPanelsShowTheirHints) {
  HopvoxRun run("look_panel_hints");
  run.Start();
  run.ExpandFoldPanel(3);
  const POINT display{run.Query("updown.UpX") + 40,
                      run.Query("updown.UpY") + 4};  // lednumber beside the arrows
  EXPECT_EQ(e2e::HintOver(run, "Form1", display.x, display.y),
            "Current speaker volume value (0-255)");
  EXPECT_EQ(e2e::HintOver(run, "Form1", run.Query("updown.UpX"), run.Query("updown.UpY")),
            "Adjust manually");
  EXPECT_EQ(e2e::HintOver(run, "hotkey7", 20, 9), "Volume up hotkey");
  EXPECT_EQ(e2e::HintOver(run, "hotkey6", 20, 9), "Volume down hotkey");
  run.ClickAt("DFWFoldPanel3", run.Query("DFWFoldPanel3.GlyphX"),
              run.Query("DFWFoldPanel3.GlyphY"));
  run.ExpandFoldPanel(5);
  EXPECT_EQ(e2e::HintOver(run, "HotKey15", 20, 9), "Mike gain up hotkey");
  EXPECT_EQ(e2e::HintOver(run, "HotKey16", 20, 9), "Mike gain down hotkey");
}

// "Show hints" switches every control's hint, windowed or not, and a stored
// "off" is applied at start-up; the title-bar buttons keep their tips.
TEST(Hints, TheBoxSwitchesTheWindowsHintsAndAStoredOffIsApplied) {
  HopvoxRun run("hints");
  run.Start();
  EXPECT_EQ(EnableboxTip(run), "Enable or Disable key polling");
  EXPECT_EQ(e2e::CaptionHintOver(run, "RunRWButton"), "Run Roger Wilco");
  const int mark = run.SoundCount();
  run.Click("hintbox");
  EXPECT_EQ(run.Query("ShowHint"), 0);
  EXPECT_EQ(EnableboxTip(run), "");
  EXPECT_EQ(e2e::CaptionHintOver(run, "captionlockbtn"), "Locked, no editing");
  EXPECT_EQ(e2e::CaptionHintOver(run, "RunRWButton"), "Run Roger Wilco");
  run.Click("hintbox");
  EXPECT_EQ(EnableboxTip(run), "Enable or Disable key polling");
  EXPECT_EQ(run.SoundsSince(mark), (std::vector<std::string>{kClick, kClick}));
  run.Close();  // one copy at a time

  HopvoxRun stored("hints_stored_off");
  stored.WriteFile("Hopvox.ini", "[hopvox misc]\nhints enabled=0\n");
  stored.Start();
  EXPECT_FALSE(stored.Checked("hintbox"));
  EXPECT_EQ(EnableboxTip(stored), "");
  e2e::HintOver(stored, "Form1", 280, 250);  // the logo, windowless
  EXPECT_EQ(stored.QueryText("hint"), "");
  // Unticked from code, the box ran its handler, click sound and all.
  const auto sounds = stored.SoundsSince(0);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), kClick), 1);
}
