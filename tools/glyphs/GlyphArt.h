#pragma once
// Our own pixel art for the title-bar buttons, written out as 16-colour
// bitmaps. The top-left pixel of every glyph is the background: the buttons
// draw that colour transparent. Outlines are black because the disabled look
// is stamped from the black pixels.
//
// Regenerate: g++ -std=c++20 tools/glyphs/make_glyphs.cpp -o /tmp/make_glyphs
//             && /tmp/make_glyphs resources/chrome
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace hopvox::glyphs {

struct Glyph {
  std::string file;  // under resources/chrome/
  std::vector<std::string> rows;
};

inline std::vector<Glyph> AllGlyphs() {
  return {
      {"minimize_to_tray.bmp",  // an arrow heading down and right into a corner
       {"..........#.", ".##.......#.", ".###......#.", "..###.....#.", "...###.##.#.",
        "....#####.#.", ".....####.#.", "....#####.#.", "..........#.", "..........#.",
        "###########."}},
      {"roller_up.bmp",  // a bar with an upward triangle under it
       {"............", ".##########.", ".##########.", "............", "............",
        ".....##.....", "....####....", "...######...", "..########..", "............",
        "............"}},
      {"roller_down.bmp",  // a downward triangle between two bars
       {"............", ".##########.", "............", "..########..", "...######...",
        "....####....", ".....##.....", "............", ".##########.", "............",
        "............"}},
      {"topmost_up.bmp",  // a pin lying loose
       {"............", "............", "......#.....", "......#####.", "......#rrr#.",
        "#######rrr#.", "#######rrr#.", "......#####.", "......#.....", "............",
        "............"}},
      {"topmost_down.bmp",  // the pin stuck in
       {"............", "...#####....", "...#rrr#....", "...#rrr#....", "..#######...",
        "..#######...", ".....#......", ".....#......", ".....#......", "gggggggggggg",
        "gggggggggggg"}},
      {"key_flat.bmp",  // a key lying flat: locked
       {"............", "............", ".###........", "#yyy#.......", "#y.y#######.",
        "#y.y#yyyyy#.", "#yyy###.#.#.", ".###...#.#..", "............", "............",
        "............"}},
      {"key_upright.bmp",  // the key standing upright: ready to turn
       {"...........", "....###....", "...#yyy#...", "...#y.y#...", "...#yyy#...", "....###....",
        ".....#.....", ".....#.....", ".....###...", ".....#.....", ".....##....", "..........."}},
  };
}

// The standard 16-colour palette (index order of the VGA colours).
inline int PaletteIndex(char c) {
  switch (c) {
    case '#':
      return 0;  // black
    case 'r':
      return 1;  // dark red
    case 'y':
      return 3;  // dark yellow
    case 'g':
      return 8;  // dark grey
    case '.':
      return 15;  // white
  }
  throw std::invalid_argument(std::string("unknown glyph colour ") + c);
}

inline std::vector<std::uint8_t> EncodeBmp4(const Glyph& g) {
  static const std::uint8_t kPalette[16][3] = {
      {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
  const int h = static_cast<int>(g.rows.size());
  const int w = static_cast<int>(g.rows.at(0).size());
  const int stride = ((w * 4 + 31) / 32) * 4;
  const std::uint32_t bits = 14 + 40 + 16 * 4;
  const std::uint32_t total = bits + stride * h;

  std::vector<std::uint8_t> out;
  auto u16 = [&](std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  u16(0x4D42);  // "BM"
  u32(total);
  u32(0);
  u32(bits);
  u32(40);
  u32(w);
  u32(h);
  u16(1);
  u16(4);
  u32(0);  // BI_RGB
  u32(stride * h);
  u32(0);
  u32(0);
  u32(16);
  u32(0);
  for (auto& c : kPalette) {
    out.push_back(c[2]);
    out.push_back(c[1]);
    out.push_back(c[0]);
    out.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {  // bottom-up
    const std::string& row = g.rows[y];
    if (static_cast<int>(row.size()) != w) throw std::invalid_argument(g.file + ": ragged rows");
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < w; ++x) {
      const int idx = PaletteIndex(row[x]);
      line[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? idx << 4 : idx);
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

}  // namespace hopvox::glyphs
