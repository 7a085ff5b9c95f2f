#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "../../../tools/glyphs/GlyphArt.h"

namespace hopvox {
namespace {

TEST(Glyphs, GeneratorReproducesTheCommittedBitmaps) {
  const auto all = glyphs::AllGlyphs();
  ASSERT_EQ(all.size(), 7u);
  for (const auto& g : all) {
    std::ifstream f(std::string(HOPVOX_SOURCE_DIR) + "/resources/chrome/" + g.file,
                    std::ios::binary);
    ASSERT_TRUE(f) << g.file;
    const std::vector<std::uint8_t> committed{std::istreambuf_iterator<char>(f), {}};
    EXPECT_EQ(committed, glyphs::EncodeBmp4(g)) << g.file << ": rerun tools/glyphs";
  }
}

TEST(Glyphs, SizesAndTransparentCorner) {
  for (const auto& g : glyphs::AllGlyphs()) {
    const int w = static_cast<int>(g.rows[0].size()), h = static_cast<int>(g.rows.size());
    if (g.file == "key_upright.bmp") {
      EXPECT_EQ(w, 11);
      EXPECT_EQ(h, 12);
    } else {
      EXPECT_EQ(w, 12) << g.file;
      EXPECT_EQ(h, 11) << g.file;
    }
    EXPECT_EQ(g.rows[0][0], '.') << g.file << ": the top-left pixel is the see-through colour";
    const auto bmp = glyphs::EncodeBmp4(g);
    EXPECT_EQ(bmp[28], 4) << "16 colours";
  }
}

}  // namespace
}  // namespace hopvox
