// The speaker volume and mic gain panels: choosing their hotkeys, accepting
// them and what the polling engine then does with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

const std::string kConfirm = "Wave2 7766 7";

using e2e::Contains;

void TypeKey(const HopvoxRun& run, const std::string& box, WORD vk) {
  run.Focus(box);
  e2e::Tap(vk);
  ASSERT_TRUE(e2e::WaitFor([&] { return run.HotKey(box) == vk; })) << box;
}

void ToggleFoldPanel(const HopvoxRun& run, int n) {
  std::string panel = "DFWFoldPanel";
  panel += std::to_string(n);  // not "a" + b: gcc 12 warns falsely (-Wrestrict) on that
  const int before = run.Query(panel);
  run.ClickAt(panel, run.Query(panel + ".GlyphX"), run.Query(panel + ".GlyphY"));
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query(panel) != before; })) << panel;
}

}  // namespace

TEST(LevelPanels, AcceptStoresEachPairInOrderAndTheNextTickUsesIt) {
  HopvoxRun run("levels_accept");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox Volume]\r\nMikedown Hotkey=34\r\n");
  run.Start();
  ASSERT_EQ(run.HotKey("HotKey16"), 34);
  run.PressCaptionButton("captionlockbtn");
  ToggleFoldPanel(run, 3);

  // Both Accepts offered at start; a press on a box clears it and offers its
  // own panel's Accept only.
  run.Click("Acceptmic");
  run.Click("Acceptvolume");
  ASSERT_FALSE(run.Enabled("Acceptvolume"));
  ASSERT_FALSE(run.Enabled("Acceptmic"));
  run.ClickAt("hotkey7", 30, 9);
  EXPECT_TRUE(run.Enabled("Acceptvolume"));
  EXPECT_FALSE(run.Enabled("Acceptmic"));
  TypeKey(run, "hotkey7", 'U');
  const int mark = run.SoundCount();
  run.Click("Acceptvolume");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kConfirm});
  EXPECT_FALSE(run.Enabled("Acceptvolume"));
  // Down first, then up: new lines land in the order written.
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"),
                       "Mikeup Hotkey=0\r\nVolumedown Hotkey=0\r\nVolumeup Hotkey=85\r\n"))
      << run.ReadFile("Hopvox.ini");

  ToggleFoldPanel(run, 3);
  ToggleFoldPanel(run, 5);
  run.ClickAt("HotKey16", 30, 9);
  EXPECT_EQ(run.HotKey("HotKey16"), 0);
  EXPECT_TRUE(run.Enabled("Acceptmic"));
  EXPECT_FALSE(run.Enabled("Acceptvolume"));
  TypeKey(run, "HotKey15", 'M');
  const int micMark = run.SoundCount();
  run.Click("Acceptmic");
  EXPECT_EQ(run.SoundsSince(micMark), std::vector<std::string>{kConfirm});
  EXPECT_EQ(run.FocusedWindow(), run.Control("Panel1")) << "the focus is parked first";
  EXPECT_FALSE(run.Enabled("Acceptmic"));
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"),
                       "[Hopvox Volume]\r\nMikedown Hotkey=0\r\nMikeup Hotkey=77\r\n"))
      << run.ReadFile("Hopvox.ini");

  {
    e2e::FocusThief other;
    e2e::Chord(VK_SHIFT, 'U');
    ASSERT_FALSE(run.WaitForRoger(1).empty());
    e2e::Chord(VK_SHIFT, 'M');
    std::vector<std::string> log;
    ASSERT_TRUE(e2e::WaitFor([&] { return Contains((log = run.RogerLog()).back(), "/gain"); }));
    EXPECT_EQ(log.front(), "/volume 10");  // a held key steps again at each tick
    EXPECT_EQ(*std::find_if(log.begin(), log.end(), [](auto& c) { return Contains(c, "/gain"); }),
              "/gain 10");
  }
  run.Close();
}

TEST(LevelPanels, ARefusedWriteKeepsAcceptOfferedWithTheFirstCodeInForce) {
  HopvoxRun run("levels_read_only");
  const std::string before =
      "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox timing]\r\nTiming=70\r\n";
  run.WriteFile("Hopvox.ini", before);
  run.Start();
  run.PressCaptionButton("captionlockbtn");
  ToggleFoldPanel(run, 3);
  run.ClickAt("hotkey6", 30, 9);
  TypeKey(run, "hotkey6", 'D');
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.Click("Acceptvolume");
  EXPECT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("Hopvox.ini"));
  run.DismissMessageBox();
  EXPECT_TRUE(run.Enabled("Acceptvolume"));
  // The mic gain panel the same way.
  ToggleFoldPanel(run, 3);
  ToggleFoldPanel(run, 5);
  run.ClickAt("HotKey16", 30, 9);
  TypeKey(run, "HotKey16", 'N');
  run.Click("Acceptmic");
  EXPECT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("Hopvox.ini"));
  run.DismissMessageBox();
  EXPECT_TRUE(run.Enabled("Acceptmic"));
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), before);
  {
    // Each down key was taken before its write failed.
    auto log = run.PressInAnotherProgram(VK_SHIFT, 'D');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/volume 0");
    const size_t before = log.size();
    log = run.PressInAnotherProgram(VK_SHIFT, 'N');
    ASSERT_GT(log.size(), before);
    EXPECT_EQ(log.back(), "/gain 0");
  }
  run.Kill();  // closing would write the close-time keys
}
