// Fold panels, page synchronisation, the link colour and the level arrows.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

void ClickGlyph(const HopvoxRun& run, int n) {
  const std::string panel = "DFWFoldPanel" + std::to_string(n);
  run.ClickAt(panel, run.Query(panel + ".GlyphX"), run.Query(panel + ".GlyphY"));
  Sleep(300);  // the fold animates
}

bool Expanded(const HopvoxRun& run, int n) { return run.Query("DFWFoldPanel" + std::to_string(n)) == 1; }

}  // namespace

TEST(FoldPanels, GlyphTogglesOneAndASurfaceClickCollapsesTheOthers) {
  HopvoxRun run("fold_panels");
  run.WriteFile("Hopvox.ini", "[Hopvox timing]\r\nTiming=90\r\n");
  run.Start();
  for (int n = 1; n <= 6; ++n) EXPECT_FALSE(Expanded(run, n)) << n;

  ClickGlyph(run, 6);  // "System"
  EXPECT_TRUE(Expanded(run, 6));
  ClickGlyph(run, 5);  // "Mic Gain", raised over the System panel's top
  EXPECT_TRUE(Expanded(run, 5));
  EXPECT_TRUE(Expanded(run, 6));
  // A click on the System panel's own surface, below the Mic Gain panel.
  run.ClickAt("DFWFoldPanel6", 8, 178);
  EXPECT_TRUE(Expanded(run, 6));
  EXPECT_FALSE(Expanded(run, 5));
  ClickGlyph(run, 6);
  EXPECT_FALSE(Expanded(run, 6));

  // "Miscellaneous" shows the interval in force on its track bar.
  EXPECT_EQ(SendMessageA(run.Control("timerbar"), WM_USER /* TBM_GETPOS */, 0, 0), 70);
  ClickGlyph(run, 4);
  EXPECT_TRUE(Expanded(run, 4));
  EXPECT_EQ(SendMessageA(run.Control("timerbar"), WM_USER, 0, 0), 90);
  run.Close();
}

TEST(PagesAndLink, SidesFollowEachOtherAndTheLinkShowsThePointer) {
  HopvoxRun run("page_sync");
  run.Start();
  auto selected = [&](const char* pages) {
    return static_cast<int>(SendMessageA(run.Control(pages), 0x1300 + 11 /* TCM_GETCURSEL */, 0, 0));
  };
  run.ClickAt("PageControl2", 110, 10);  // address tab "8-11"
  EXPECT_EQ(selected("PageControl2"), 2);
  EXPECT_EQ(selected("PageControl3"), 2);
  run.ClickAt("PageControl3", 154, 10);  // hotkey tab "12-15": the hotkey side only
  EXPECT_EQ(selected("PageControl3"), 3);
  EXPECT_EQ(selected("PageControl2"), 2);
  run.MoveMouse("tabsheet10", 5, 150);  // the pointer over that page brings the address side along
  EXPECT_EQ(selected("PageControl2"), 3);

  // The link (painted on the window) turns grey under the pointer, black over the logo.
  run.MoveMouse("Form1", 240, 150);
  EXPECT_EQ(run.Query("Label34.color"), static_cast<int>(RGB(128, 128, 128)));
  run.MoveMouse("Form1", 290, 300);
  EXPECT_EQ(run.Query("Label34.color"), 0);
  run.Close();
}

TEST(LevelPanels, ArrowsStepByOneWithinTheRangeAndWriteNothing) {
  HopvoxRun run("level_arrows");
  const std::string settings = "[Hopvox Volume]\r\nVolume level=255\r\nMike level=0\r\n[Hopvox timing]\r\nTiming=70\r\n";
  run.WriteFile("Hopvox.ini", settings);
  run.Start();
  ClickGlyph(run, 3);
  EXPECT_EQ(run.Query("lednumber"), 255);
  run.ClickAt("Form1", run.Query("updown.UpX"), run.Query("updown.UpY"));
  EXPECT_EQ(run.Query("lednumber"), 255);
  run.ClickAt("Form1", run.Query("updown.DownX"), run.Query("updown.DownY"));
  EXPECT_EQ(run.Query("lednumber"), 254);
  ClickGlyph(run, 3);  // an open panel covers the caption bars below it
  ClickGlyph(run, 5);
  run.ClickAt("Form1", run.Query("VrUpDown1.DownX"), run.Query("VrUpDown1.DownY"));
  EXPECT_EQ(run.Query("lednumber2"), 0);
  run.ClickAt("Form1", run.Query("VrUpDown1.UpX"), run.Query("VrUpDown1.UpY"));
  EXPECT_EQ(run.Query("lednumber2"), 1);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), settings);  // stored only at close
  run.Close();
}
