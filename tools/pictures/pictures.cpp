// Draws the window's pictures (title pictures, banner, default logo) as JPEG
// files and the application icon, all from code, so they can be changed and
// rebuilt. Output is byte-for-byte repeatable for a given libjpeg.
//   pictures_gen OUTDIR          write the files
//   pictures_gen --check DIR     exit 1 unless DIR holds exactly what we draw
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "jpeg/JpegEncoder.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Rgba {
  double r, g, b, a;
};

Rgba Mix(Rgba x, Rgba y, double t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
          x.a + (y.a - x.a) * t};
}

// Drawn at kSuper times the size, then box-filtered down: cheap anti-aliasing.
constexpr int kSuper = 4;

class Canvas {
 public:
  Canvas(int w, int h)
      : w_(w), h_(h), px_(static_cast<size_t>(w) * h * kSuper * kSuper, Rgba{0, 0, 0, 0}) {}
  int W() const { return w_ * kSuper; }
  int H() const { return h_ * kSuper; }
  // Blends `c` over pixel (x, y) of the large grid.
  void Put(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= W() || y >= H()) return;
    Rgba& d = px_[static_cast<size_t>(y) * W() + x];
    double a = c.a + d.a * (1 - c.a);
    if (a <= 0) return;
    d = {(c.r * c.a + d.r * d.a * (1 - c.a)) / a, (c.g * c.a + d.g * d.a * (1 - c.a)) / a,
         (c.b * c.a + d.b * d.a * (1 - c.a)) / a, a};
  }
  template <class F>
  void Fill(F shade) {  // shade(x, y) in picture units (0..w, 0..h), returns colour
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x) Put(x, y, shade((x + 0.5) / kSuper, (y + 0.5) / kSuper));
  }
  // The small picture: RGBA bytes.
  std::vector<Rgba> Reduce() const {
    std::vector<Rgba> out(static_cast<size_t>(w_) * h_);
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        Rgba s{0, 0, 0, 0};
        for (int j = 0; j < kSuper; ++j)
          for (int i = 0; i < kSuper; ++i) {
            const Rgba& p = px_[static_cast<size_t>(y * kSuper + j) * W() + x * kSuper + i];
            s.r += p.r * p.a, s.g += p.g * p.a, s.b += p.b * p.a, s.a += p.a;
          }
        if (s.a > 0) s.r /= s.a, s.g /= s.a, s.b /= s.a;
        s.a /= kSuper * kSuper;
        out[static_cast<size_t>(y) * w_ + x] = s;
      }
    return out;
  }
  int w_, h_;

 private:
  std::vector<Rgba> px_;
};

// A 5 x 9 pixel font for the few letters the pictures use (rows 7, 8: descenders).
const std::map<char, const char*> kFont = {
    {'C', ".###.#...##....#....#....#...#.###..........."},
    {'h', "#....#....#.##.##..##...##...##...#.........."},
    {'a', "...........###.....#.#####...#.####.........."},
    {'n', "..........#.##.##..##...##...##...#.........."},
    {'e', "...........###.#...#######.....###..........."},
    {'l', ".##....#....#....#....#....#...###..........."},
    {'s', "............####.....###.....#####..........."},
    {'K', "#...##..#.#.#..##...#.#..#..#.#...#.........."},
    {'y', "..........#...##...##...#.####....#....#.###."},
    {'H', "#...##...##...#######...##...##...#.........."},
    {'o', "...........###.#...##...##...#.###..........."},
    {'p', "..........####.#...##...#####.#....#....#...."},
    {'v', "..........#...##...##...#.#.#...#............"},
    {'x', "..........#...#.#.#...#...#.#.#...#.........."},
    {'X', "#...##...#.#.#...#...#.#.#...##...#.........."},
    {'P', "####.#...##...#####.#....#....#.............."},
    {'V', "#...##...##...##...##...#.#.#...#............"},
    {'1', "..#...##....#....#....#....#...###..........."},
    {'.', "..............................##...##........"},
    {'6', "..##..#...#....####.#...##...#.###..........."},
    {' ', "............................................."},
};

// Text with its top-left corner at (x, y) in picture units, `cell` units per font pixel.
void Text(Canvas& c, const std::string& s, double x, double y, double cell, Rgba colour) {
  for (char ch : s) {
    const char* g = kFont.at(ch);
    for (int row = 0; row < 9; ++row)
      for (int col = 0; col < 5; ++col) {
        if (g[row * 5 + col] != '#') continue;
        int x0 = static_cast<int>(std::lround((x + col * cell) * kSuper));
        int y0 = static_cast<int>(std::lround((y + row * cell) * kSuper));
        int x1 = static_cast<int>(std::lround((x + (col + 1) * cell) * kSuper));
        int y1 = static_cast<int>(std::lround((y + (row + 1) * cell) * kSuper));
        for (int py = y0; py < y1; ++py)
          for (int px = x0; px < x1; ++px) c.Put(px, py, colour);
      }
    x += 6 * cell;
  }
}

double TextWidth(const std::string& s, double cell) { return (6 * s.size() - 1) * cell; }

// Distance-based coverage of a rounded rectangle (1 inside, 0 outside).
double RoundRect(double x, double y, double w, double h, double r) {
  double dx = std::fmax(std::fmax(r - x, x - (w - r)), 0.0);
  double dy = std::fmax(std::fmax(r - y, y - (h - r)), 0.0);
  return std::hypot(dx, dy) <= r ? 1.0 : 0.0;
}

Bytes Jpeg(const std::vector<Rgba>& px, int w, int h, Rgba background) {
  std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < px.size(); ++i) {
    Rgba p = Mix(background, Rgba{px[i].r, px[i].g, px[i].b, 1}, px[i].a);
    rgb[3 * i] = static_cast<unsigned char>(std::lround(std::fmin(std::fmax(p.r, 0.0), 1.0) * 255));
    rgb[3 * i + 1] =
        static_cast<unsigned char>(std::lround(std::fmin(std::fmax(p.g, 0.0), 1.0) * 255));
    rgb[3 * i + 2] =
        static_cast<unsigned char>(std::lround(std::fmin(std::fmax(p.b, 0.0), 1.0) * 255));
  }
  hopvox::tools::JpegEncodeOptions o;
  o.quality = 92;
  return hopvox::tools::EncodeJpeg(w, h, o, [&](int y, JSAMPLE* row) {
    std::copy_n(&rgb[static_cast<size_t>(y) * w * 3], static_cast<size_t>(w) * 3, row);
  });
}

// A title picture: a rounded gradient bar with the caption in white.
Bytes TitleBar(int w, int h, const std::string& caption, Rgba from, Rgba to) {
  Canvas c(w, h);
  c.Fill([&](double x, double y) {
    Rgba col = Mix(from, to, x / w);
    col = Mix(col, Rgba{1, 1, 1, 1}, 0.25 * (1 - y / h));  // lit from above
    col.a = RoundRect(x, y, w, h, 6);
    return col;
  });
  const double cell = 2;
  const double top = (h - 7 * cell) / 2;
  Text(c, caption, 11, top + 1, cell, Rgba{0, 0, 0, 0.45});
  Text(c, caption, 10, top, cell, Rgba{1, 1, 1, 1});
  return Jpeg(c.Reduce(), w, h, Rgba{0.94, 0.94, 0.94, 1});
}

Bytes Banner() {
  const int w = 155, h = 30;
  Canvas c(w, h);
  c.Fill([&](double x, double y) {
    Rgba col = Mix(Rgba{0.98, 0.55, 0.10, 1}, Rgba{0.80, 0.18, 0.10, 1}, x / w);
    col = Mix(col, Rgba{1, 1, 0.9, 1}, 0.3 * (1 - y / h));
    col.a = RoundRect(x, y, w, h, 8);
    return col;
  });
  const std::string s = "Hopvox XP";
  const double cell = 2.2;
  double x = (w - TextWidth(s, cell)) / 2, y = (h - 7 * cell) / 2;
  Text(c, s, x + 1, y + 1, cell, Rgba{0.3, 0.05, 0, 0.5});
  Text(c, s, x, y, cell, Rgba{1, 1, 1, 1});
  return Jpeg(c.Reduce(), w, h, Rgba{0.94, 0.94, 0.94, 1});
}

// The built-in logo: a badge with sound waves around the letters HV.
Bytes Logo() {
  const int w = 170, h = 174;
  Canvas c(w, h);
  const double cx = w / 2.0, cy = 76;
  c.Fill([&](double x, double y) {
    Rgba col = Mix(Rgba{0.16, 0.30, 0.62, 1}, Rgba{0.05, 0.10, 0.28, 1}, y / h);
    col.a = RoundRect(x, y, w, h, 14);
    return col;
  });
  c.Fill([&](double x, double y) {  // three arcs on each side, like sound leaving a speaker
    double d = std::hypot(x - cx, y - cy);
    double side = std::fabs(x - cx) / (d + 1e-9);
    for (int i = 0; i < 3; ++i) {
      double r = 44 + 12 * i;
      if (std::fabs(d - r) < 2.2 && side > 0.55) return Rgba{0.55, 0.80, 1.0, 0.9 - 0.25 * i};
    }
    return Rgba{0, 0, 0, 0};
  });
  c.Fill([&](double x, double y) {  // the disc
    double d = std::hypot(x - cx, y - cy);
    if (d > 36) return Rgba{0, 0, 0, 0};
    return Mix(Rgba{1.0, 0.62, 0.15, 1}, Rgba{0.85, 0.25, 0.08, 1}, (y - cy + 36) / 72);
  });
  const double cell = 4.2;
  Text(c, "HV", cx - TextWidth("HV", cell) / 2 + 1.5, cy - 3.5 * cell + 1.5, cell,
       Rgba{0.3, 0.05, 0, 0.5});
  Text(c, "HV", cx - TextWidth("HV", cell) / 2, cy - 3.5 * cell, cell, Rgba{1, 1, 1, 1});
  const std::string name = "Hopvox XP";
  Text(c, name, cx - TextWidth(name, 2.4) / 2, 134, 2.4, Rgba{1, 1, 1, 1});
  return Jpeg(c.Reduce(), w, h, Rgba{0.94, 0.94, 0.94, 1});
}

void Put16(Bytes& b, unsigned v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void Put32(Bytes& b, unsigned v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

// One icon image: 32-bit BGRA bottom-up plus the 1-bit mask, as an icon file stores it.
Bytes IconImage(int size) {
  Canvas c(size, size);
  const double s = size;
  c.Fill([&](double x, double y) {
    Rgba col = Mix(Rgba{0.98, 0.58, 0.12, 1}, Rgba{0.82, 0.20, 0.08, 1}, y / s);
    col.a = RoundRect(x, y, s, s, s * 0.22);
    return col;
  });
  const double cell = size / 16.0 * 1.5;
  Text(c, "H", (s - 5 * cell) / 2, (s - 7 * cell) / 2, cell, Rgba{1, 1, 1, 1});
  std::vector<Rgba> px = c.Reduce();
  Bytes b;
  Put32(b, 40), Put32(b, size), Put32(b, size * 2), Put16(b, 1), Put16(b, 32);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) {
      const Rgba& p = px[static_cast<size_t>(y) * size + x];
      auto q = [](double v) {
        return static_cast<unsigned char>(std::lround(std::fmin(std::fmax(v, 0.0), 1.0) * 255));
      };
      b.push_back(q(p.b)), b.push_back(q(p.g)), b.push_back(q(p.r)), b.push_back(q(p.a));
    }
  const int maskStride = ((size + 31) / 32) * 4;
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    for (int x = 0; x < size; ++x)
      if (px[static_cast<size_t>(y) * size + x].a < 0.5) row[x / 8] |= 0x80 >> (x % 8);
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

Bytes Icon() {
  const int sizes[] = {48, 32, 16};
  std::vector<Bytes> images;
  for (int s : sizes) images.push_back(IconImage(s));
  Bytes b;
  Put16(b, 0), Put16(b, 1), Put16(b, 3);
  unsigned offset = 6 + 16 * 3;
  for (size_t i = 0; i < images.size(); ++i) {
    b.push_back(static_cast<unsigned char>(sizes[i])),
        b.push_back(static_cast<unsigned char>(sizes[i]));
    b.push_back(0), b.push_back(0);
    Put16(b, 1), Put16(b, 32), Put32(b, static_cast<unsigned>(images[i].size())), Put32(b, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (auto& img : images) b.insert(b.end(), img.begin(), img.end());
  return b;
}

std::map<std::string, Bytes> Everything() {
  return {
      {"channels.jpg",
       TitleBar(179, 30, "Channels", Rgba{0.10, 0.32, 0.62, 1}, Rgba{0.10, 0.55, 0.60, 1})},
      {"keys.jpg", TitleBar(179, 30, "Keys", Rgba{0.40, 0.18, 0.58, 1}, Rgba{0.15, 0.32, 0.65, 1})},
      {"banner.jpg", Banner()},
      {"logo.jpg", Logo()},
      {"hopvox.ico", Icon()},
  };
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (!(argc == 2 || check)) {
    std::fprintf(stderr, "usage: %s OUTDIR | --check DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[argc - 1];
  int bad = 0;
  for (auto& [name, bytes] : Everything()) {
    const std::string path = dir + "/" + name;
    if (check) {
      std::ifstream in(path, std::ios::binary);
      Bytes have((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (have != bytes) {
        std::fprintf(stderr, "%s differs from what the generator draws\n", path.c_str());
        ++bad;
      }
    } else {
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        ++bad;
      }
    }
  }
  return bad ? 1 : 0;
}
