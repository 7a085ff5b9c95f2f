// The headings of the level panels, read off the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

// Text pixels (dark on the grey face) where a panel's heading belongs: 32, 8
// of the panel's client, which begins 15 pixels right of and 1 below the
// panel's corner (beside the glyph band).
int DarkPixelsOfHeading(int panel) {
  char name[32];
  std::snprintf(name, sizeof name, "DFWFoldPanel%d", panel);
  HopvoxRun run(std::string("look_heading_") + name);
  run.Start();
  run.ExpandFoldPanel(panel);
  const std::vector<unsigned> pixels = e2e::PixelsOf(run, name, {47, 9, 147, 23});
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](unsigned c) {
    return ((c >> 16) & 0xFF) < 80 && ((c >> 8) & 0xFF) < 80 && (c & 0xFF) < 80;
  }));
}

}  // namespace

TEST(Headings, LevelPanelsShowTheirHeadings) {
  // A word of a dozen letters in 8 points covers well over a hundred pixels.
  EXPECT_GT(DarkPixelsOfHeading(3), 100) << "Speaker Volume";
  EXPECT_GT(DarkPixelsOfHeading(5), 60) << "Mic Gain";
}
