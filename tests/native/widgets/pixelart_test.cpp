// The committed bitmaps must be what tools/pixelart draws today, and the art
// must keep the properties the widgets rely on.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "../../../tools/pixelart/PixelArt.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PixelArt, CommittedFilesMatchTheGenerator) {
  for (const auto& [name, image] : pixelart::AllArt()) {
    auto committed = ReadFile(std::string(HOPVOX_SOURCE_DIR) + "/resources/widgets/" + name);
    EXPECT_EQ(committed, pixelart::EncodeBmp(image))
        << name << " is stale: run tools/pixelart/generate";
  }
}

TEST(PixelArt, DigitStripsUseThreeColoursAndDistinctCells) {
  for (const auto& [name, image] : pixelart::AllArt()) {
    if (name.rfind("num", 0) != 0) continue;
    std::set<int> inks(image.Pixels.begin(), image.Pixels.end());
    EXPECT_EQ(inks, (std::set<int>{pixelart::Black, pixelart::Silver, pixelart::Gray})) << name;
    ASSERT_EQ(image.Width % 13, 0) << name;
    const int cw = image.Width / 13;
    auto cell = [&](int c) {
      std::vector<std::uint8_t> px;
      for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < cw; ++x) px.push_back(image.At(c * cw + x, y));
      return px;
    };
    std::set<std::vector<std::uint8_t>> cells;
    for (int c = 0; c < 13; ++c) cells.insert(cell(c));
    EXPECT_EQ(cells.size(), 13u) << name << ": two cells look alike";
    // The blank cell is a ghost of the 8: unlit pixels only, all of them
    // within the 8's lit segments, and enough of them to be seen.
    auto eight = cell(8), blank = cell(10);
    size_t lit = 0, ghost = 0;
    for (size_t i = 0; i < blank.size(); ++i) {
      EXPECT_NE(eight[i], pixelart::Gray) << name;
      EXPECT_NE(blank[i], pixelart::Silver) << name;
      if (blank[i] == pixelart::Gray) {
        EXPECT_EQ(eight[i], pixelart::Silver) << name << " pixel " << i;
      }
      lit += eight[i] == pixelart::Silver;
      ghost += blank[i] == pixelart::Gray;
    }
    EXPECT_GE(ghost * 3, lit) << name;
  }
}

TEST(PixelArt, GlyphsKeepTheirTransparentCorner) {
  for (const auto& [name, image] : pixelart::AllArt()) {
    if (name.rfind("num", 0) == 0) continue;
    auto expected = name.rfind("updown", 0) == 0 ? pixelart::Black : pixelart::Olive;
    EXPECT_EQ(image.At(0, image.Height - 1), expected) << name;
  }
}

}  // namespace
