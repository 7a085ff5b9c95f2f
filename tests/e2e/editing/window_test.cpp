// Fold panels and the level arrows on them, page synchronisation, the link colour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

const char* const kPanels[] = {"",
                               "DFWFoldPanel1",
                               "DFWFoldPanel2",
                               "DFWFoldPanel3",
                               "DFWFoldPanel4",
                               "DFWFoldPanel5",
                               "DFWFoldPanel6"};

// Folds or unfolds panel n by its glyph, which clicks as it goes.
void ClickGlyph(const HopvoxRun& run, int n) {
  const std::string panel = kPanels[n];
  const int before = run.Query(panel);
  const int mark = run.SoundCount();
  run.ClickAt(panel, run.Query(panel + ".GlyphX"), run.Query(panel + ".GlyphY"));
  EXPECT_TRUE(e2e::WaitFor([&] { return run.Query(panel) != before; })) << panel;
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave 646 7"}) << panel;
}

bool Expanded(const HopvoxRun& run, int n) { return run.Query(kPanels[n]) == 1; }

// `arrow` names the arrow's middle, e.g. "updown.Up": its X and Y are asked for.
void ClickArrow(const HopvoxRun& run, const std::string& arrow) {
  run.ClickAt("Form1", run.Query(arrow + 'X'), run.Query(arrow + 'Y'));
}

}  // namespace

TEST(FoldPanels, GlyphsSurfaceClicksAndTheLevelArrows) {
  HopvoxRun run("fold_panels");
  const std::string settings =
      "[Hopvox Volume]\r\nVolume level=255\r\nMike level=0\r\n[Hopvox timing]\r\nTiming=90\r\n";
  run.WriteFile("Hopvox.ini", settings);
  run.Start();
  ClickGlyph(run, 6);  // "System"
  ClickGlyph(run, 5);  // "Mic Gain", raised over the System panel's top
  EXPECT_TRUE(Expanded(run, 5) && Expanded(run, 6));
  run.ClickAt("DFWFoldPanel6", 8, 178);  // the System panel's own surface, below Mic Gain
  EXPECT_TRUE(Expanded(run, 6));
  EXPECT_FALSE(Expanded(run, 5));
  ClickGlyph(run, 6);
  EXPECT_FALSE(Expanded(run, 6));

  // "Miscellaneous" shows the interval in force on its track bar.
  EXPECT_EQ(SendMessageA(run.Control("timerbar"), WM_USER /* TBM_GETPOS */, 0, 0), 70);
  ClickGlyph(run, 4);
  EXPECT_EQ(SendMessageA(run.Control("timerbar"), WM_USER, 0, 0), 90);
  ClickGlyph(run, 4);

  // The arrows step by one and stop at the ends; nothing is written until close.
  ClickGlyph(run, 3);
  ClickArrow(run, "updown.Up");
  EXPECT_EQ(run.Query("lednumber"), 255);
  ClickArrow(run, "updown.Down");
  EXPECT_EQ(run.Query("lednumber"), 254);
  ClickGlyph(run, 3);  // an open panel covers the caption bars below it
  ClickGlyph(run, 5);
  ClickArrow(run, "VrUpDown1.Down");
  EXPECT_EQ(run.Query("lednumber2"), 0);
  ClickArrow(run, "VrUpDown1.Up");
  EXPECT_EQ(run.Query("lednumber2"), 1);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), settings);

  // A surface click on any of the other panels folds "System" too.
  ClickGlyph(run, 5);  // "Mic Gain" would cover the System panel's bar
  ClickGlyph(run, 6);
  run.ClickAt("DFWFoldPanel2", 100, 6);  // the "Main Server" bar, beside its glyph
  EXPECT_FALSE(Expanded(run, 6));
  ASSERT_FALSE(Expanded(run, 5));

  // The two panels not met yet click as well.
  for (int n : {1, 2}) {
    ClickGlyph(run, n);
    ClickGlyph(run, n);
  }
  run.Kill();
}

TEST(PagesAndLink, SidesFollowEachOtherAndTheLinkShowsThePointer) {
  HopvoxRun run("page_sync");
  run.Start();
  auto selected = [&](const char* pages) {
    return static_cast<int>(
        SendMessageA(run.Control(pages), 0x1300 + 11 /* TCM_GETCURSEL */, 0, 0));
  };
  run.ClickAt("PageControl2", 110, 10);  // address tab "8-11"
  EXPECT_EQ(selected("PageControl3"), 2);
  run.ClickAt("PageControl3", 154, 10);  // hotkey tab "12-15": the hotkey side only
  EXPECT_EQ(selected("PageControl3") * 10 + selected("PageControl2"), 32);
  run.MoveMouse("tabsheet10", 5, 150);  // the pointer over that page brings the address side along
  EXPECT_EQ(selected("PageControl2"), 3);

  // The link (painted on the window) turns grey under the pointer, black over the logo.
  run.MoveMouse("Form1", 240, 150);
  EXPECT_EQ(run.Query("Label34.color"), static_cast<int>(RGB(128, 128, 128)));
  run.MoveMouse("Form1", 290, 300);
  EXPECT_EQ(run.Query("Label34.color"), 0);
  run.Close();
}
