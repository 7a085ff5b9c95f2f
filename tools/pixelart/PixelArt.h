#pragma once
// The widgets' pixel art, drawn by rule: the five LED digit strips, the
// up/down arrow strips and the four fold glyphs, each as a 4-bit BMP file
// image. Header-only so the generator and the test that guards the committed
// files run the very same code.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace pixelart {

// The standard 16-colour palette; the art names its pixels by index.
enum Ink : std::uint8_t {
  Black,
  Maroon,
  Green,
  Olive,
  Navy,
  Purple,
  Teal,
  Silver,
  Gray,
  Red,
  Lime,
  Yellow,
  Blue,
  Fuchsia,
  Aqua,
  White
};

inline constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette{{{0, 0, 0},
                                                                       {128, 0, 0},
                                                                       {0, 128, 0},
                                                                       {128, 128, 0},
                                                                       {0, 0, 128},
                                                                       {128, 0, 128},
                                                                       {0, 128, 128},
                                                                       {192, 192, 192},
                                                                       {128, 128, 128},
                                                                       {255, 0, 0},
                                                                       {0, 255, 0},
                                                                       {255, 255, 0},
                                                                       {0, 0, 255},
                                                                       {255, 0, 255},
                                                                       {0, 255, 255},
                                                                       {255, 255, 255}}};

struct Image {
  int Width;
  int Height;
  std::vector<std::uint8_t> Pixels;  // row-major from the top

  Image(int w, int h, Ink fill) : Width(w), Height(h), Pixels(std::size_t(w) * h, fill) {}
  void Set(int x, int y, Ink c) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) Pixels[std::size_t(y) * Width + x] = c;
  }
  Ink At(int x, int y) const { return Ink(Pixels[std::size_t(y) * Width + x]); }
  void Fill(int x0, int y0, int x1, int y1, Ink c) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }
};

// A 4-bit bottom-up BMP with the full 16-colour palette.
inline std::vector<std::uint8_t> EncodeBmp(const Image& img) {
  const int stride = ((img.Width + 1) / 2 + 3) / 4 * 4;
  const std::uint32_t offset = 14 + 40 + 16 * 4;
  const std::uint32_t size = offset + std::uint32_t(stride) * img.Height;
  std::vector<std::uint8_t> out;
  auto u16 = [&](std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out.push_back('B');
  out.push_back('M');
  u32(size);
  u32(0);
  u32(offset);
  u32(40);
  u32(std::uint32_t(img.Width));
  u32(std::uint32_t(img.Height));
  u16(1);
  u16(4);
  u32(0);
  u32(std::uint32_t(stride) * img.Height);
  u32(2835);
  u32(2835);
  u32(16);
  u32(0);
  for (const auto& c : kPalette) {
    out.push_back(c[2]);
    out.push_back(c[1]);
    out.push_back(c[0]);
    out.push_back(0);
  }
  for (int y = img.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < img.Width; ++x) row[x / 2] |= std::uint8_t(img.At(x, y) << (x % 2 ? 0 : 4));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// ---- LED digits ------------------------------------------------------------

// Where the segments of one cell sit: the outer box (inclusive), the stroke
// thickness and the first row of the middle bar. Segments meet on mitred
// corners with a one-pixel diagonal gap, as on a real LED display.
struct DigitFrame {
  int Left, Top, Right, Bottom, Thick, Middle;
};

enum Segment { SegA, SegB, SegC, SegD, SegE, SegF, SegG };

// Unlit segments are drawn as a checkerboard: on the display they then read
// as a faint ghost of the digit, and the lit segments stand out clearly.
inline void DrawSegment(Image& img, int ox, const DigitFrame& f, Segment s, Ink ink) {
  struct Plot {
    Image& img;
    int ox;
    Ink ink;
    void Set(int x, int y, Ink) {
      if (ink == Silver || (x + y) % 2 == 0) img.Set(ox + x, y, ink);
    }
  } plot{img, ox, ink};
  const int t = f.Thick;
  const int half = (t - 1) / 2;
  for (int k = 0; k < t; ++k) {
    switch (s) {
      case SegA:
        for (int x = f.Left + 1 + k; x <= f.Right - 1 - k; ++x) plot.Set(x, f.Top + k, ink);
        break;
      case SegD:
        for (int x = f.Left + 1 + k; x <= f.Right - 1 - k; ++x) plot.Set(x, f.Bottom - k, ink);
        break;
      case SegG: {
        int e = std::abs(2 * k - (t - 1)) / 2;
        for (int x = f.Left + 1 + e; x <= f.Right - 1 - e; ++x) plot.Set(x, f.Middle + k, ink);
        break;
      }
      case SegF:
      case SegB: {
        int x = s == SegF ? f.Left + k : f.Right - k;
        for (int y = f.Top + 1 + k; y <= f.Middle - 1 - k + half; ++y) plot.Set(x, y, ink);
        break;
      }
      case SegE:
      case SegC: {
        int x = s == SegE ? f.Left + k : f.Right - k;
        for (int y = f.Middle + t - half + k; y <= f.Bottom - 1 - k; ++y) plot.Set(x, y, ink);
        break;
      }
    }
  }
}

// Lit segments of the digits 0..9, bit n for segment n (a..g).
inline constexpr std::array<std::uint8_t, 10> kDigitSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                             0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// Cells 0..9 the digits, 10 all unlit, 11 an unlit minus, 12 a lit minus.
inline Image DigitStrip(int cellWidth, int height, const DigitFrame& f) {
  Image img(cellWidth * 13, height, Black);
  for (int cell = 0; cell < 13; ++cell) {
    const int ox = cell * cellWidth;
    for (int s = SegA; s <= SegG; ++s) {
      bool lit = false;
      bool shown = true;
      if (cell < 10) lit = (kDigitSegments[cell] >> s) & 1;
      if (cell >= 11) {
        shown = s == SegG;
        lit = cell == 12;
      }
      if (shown) DrawSegment(img, ox, f, Segment(s), lit ? Silver : Gray);
    }
  }
  return img;
}

// ---- Up/down arrows ----------------------------------------------------------

// Four 9 x 6 solid triangles: normal, hot, pressed, disabled.
inline Image ArrowStrip(bool up) {
  static constexpr std::array<Ink, 4> kStates{Green, Lime, Red, Silver};
  Image img(36, 6, Black);
  for (int g = 0; g < 4; ++g)
    for (int row = 0; row < 5; ++row) {
      // Row 5 stays black: the bottom-left pixel is the transparent colour.
      int y = up ? row : 4 - row;
      img.Fill(g * 9 + 4 - row, y, g * 9 + 4 + row, y, kStates[g]);
    }
  return img;
}

// ---- Fold glyphs -------------------------------------------------------------

// A raised tab on the olive background (the transparent colour), with its
// corners rounded off so the bottom-left pixel stays olive.
inline Image Tab(int w, int h) {
  Image img(w, h, Olive);
  img.Fill(0, 0, w - 1, h - 1, Silver);
  img.Fill(0, 0, w - 2, 0, White);
  img.Fill(0, 0, 0, h - 2, White);
  img.Fill(1, h - 2, w - 2, h - 2, Gray);
  img.Fill(w - 2, 1, w - 2, h - 2, Gray);
  img.Fill(1, h - 1, w - 1, h - 1, Black);
  img.Fill(w - 1, 1, w - 1, h - 1, Black);
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
    img.Set(x, y, Olive);
  return img;
}

// A triangle of the given base pointing right (dx 1), left, down (dy 1) or up.
inline void Triangle(Image& img, int cx, int cy, int half, int dx, int dy, Ink ink) {
  for (int i = 0; i <= half; ++i)
    for (int j = -(half - i); j <= half - i; ++j) {
      if (dx != 0)
        img.Set(cx + dx * (i - half / 2), cy + j, ink);
      else
        img.Set(cx + j, cy + dy * (i - half / 2), ink);
    }
}

// Grip: raised dots, a white pixel with a grey one below and right.
inline void Dot(Image& img, int x, int y) {
  img.Set(x, y, White);
  img.Set(x + 1, y + 1, Gray);
}

inline Image ExpandV() {  // 41 x 12: collapsed; arrow down, grip to its right
  Image img = Tab(41, 12);
  Triangle(img, 6, 5, 3, 0, 1, Navy);
  for (int x = 13; x <= 35; x += 3) {
    Dot(img, x, 3);
    Dot(img, x, 7);
  }
  return img;
}

inline Image CollapsV() {  // 12 x 41: expanded; arrow up at the top, grip below
  Image img = Tab(12, 41);
  Triangle(img, 5, 5, 3, 0, -1, Navy);
  for (int y = 12; y <= 35; y += 3) {
    Dot(img, 3, y);
    Dot(img, 7, y);
  }
  return img;
}

inline Image ExpandH() {  // 12 x 41: collapsed sideways; arrow right at the top
  Image img = Tab(12, 41);
  Triangle(img, 5, 6, 3, 1, 0, Navy);
  for (int y = 13; y <= 35; y += 3) {
    Dot(img, 3, y);
    Dot(img, 7, y);
  }
  return img;
}

inline Image CollapsH() {  // 41 x 12: expanded sideways; arrow left, grip right
  Image img = Tab(41, 12);
  Triangle(img, 5, 5, 3, -1, 0, Navy);
  for (int x = 12; x <= 35; x += 3) {
    Dot(img, x, 3);
    Dot(img, x, 7);
  }
  return img;
}

// Every file the widgets' resource script lists, by file name.
inline std::vector<std::pair<std::string, Image>> AllArt() {
  return {
      {"num13x24.bmp", DigitStrip(13, 24, {1, 1, 11, 22, 3, 10})},
      {"num11x20.bmp", DigitStrip(11, 20, {1, 1, 9, 18, 2, 9})},
      {"num7x13.bmp", DigitStrip(7, 13, {0, 0, 6, 12, 2, 5})},
      {"num12x17.bmp", DigitStrip(12, 17, {1, 1, 10, 15, 2, 7})},
      {"num5x7.bmp", DigitStrip(4, 7, {0, 0, 3, 6, 1, 3})},
      {"updown_up.bmp", ArrowStrip(true)},
      {"updown_down.bmp", ArrowStrip(false)},
      {"expand_v.bmp", ExpandV()},
      {"collaps_v.bmp", CollapsV()},
      {"expand_h.bmp", ExpandH()},
      {"collaps_h.bmp", CollapsH()},
  };
}

}  // namespace pixelart
