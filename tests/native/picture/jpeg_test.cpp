// The JPEG path: good files of every kind decode to the right size and
// colours; damaged, truncated and oversized ones give an error and no pixels.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include <jpeglib.h>

#include "framework/logic/JpegDecoder.h"
#include "jpeg/JpegEncoder.h"

namespace hopvox {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixel = std::function<void(int x, int y, JSAMPLE* out)>;

using EncodeOptions = hopvox::tools::JpegEncodeOptions;

Bytes Encode(int w, int h, const Pixel& pixel, EncodeOptions o = {}) {
  o.quality = 100;
  return hopvox::tools::EncodeJpeg(w, h, o, [&](int y, JSAMPLE* row) {
    for (int x = 0; x < w; ++x) pixel(x, y, &row[static_cast<size_t>(x) * o.components]);
  });
}

// Four flat quadrants: red, green / blue, white.
void Quadrants(int x, int y, JSAMPLE* p, int w, int h) {
  static const JSAMPLE colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  const JSAMPLE* c = colours[(y >= h / 2) * 2 + (x >= w / 2)];
  p[0] = c[0], p[1] = c[1], p[2] = c[2];
}

void ExpectColour(const TRgbImage& img, int x, int y, int r, int g, int b) {
  const std::uint8_t* p = &img.rgb[(static_cast<size_t>(y) * img.width + x) * 3];
  EXPECT_NEAR(p[0], r, 6) << "at " << x << "," << y;
  EXPECT_NEAR(p[1], g, 6) << "at " << x << "," << y;
  EXPECT_NEAR(p[2], b, 6) << "at " << x << "," << y;
}

void ExpectRejected(const Bytes& file, const char* why, const TJpegLimits& limits = {}) {
  TRgbImage img;
  std::string error;
  EXPECT_FALSE(DecodeJpeg(file.data(), file.size(), img, error, limits)) << why;
  EXPECT_FALSE(error.empty()) << why;
  EXPECT_EQ(img.width, 0) << why;
  EXPECT_TRUE(img.rgb.empty()) << why;
}

Bytes QuadrantFile(int w, int h, bool progressive = false) {
  return Encode(w, h, [&](int x, int y, JSAMPLE* p) { Quadrants(x, y, p, w, h); },
                {.space = JCS_RGB, .components = 3, .progressive = progressive});
}

TEST(Jpeg, BaselineAndProgressiveDecodeToTheirSizeAndColours) {
  for (bool progressive : {false, true}) {
    const int w = 67, h = 45;  // not multiples of the 8/16 pixel blocks
    Bytes file = QuadrantFile(w, h, progressive);
    TRgbImage img;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), img, error)) << error;
    EXPECT_EQ(img.width, w);
    EXPECT_EQ(img.height, h);
    ASSERT_EQ(img.rgb.size(), static_cast<size_t>(w) * h * 3);
    ExpectColour(img, 8, 8, 255, 0, 0);
    ExpectColour(img, w - 8, 8, 0, 255, 0);
    ExpectColour(img, 8, h - 6, 0, 0, 255);
    ExpectColour(img, w - 1, h - 1, 255, 255, 255);
  }
}

TEST(Jpeg, GreyAndCmykFilesComeOutAsRgb) {
  Bytes grey = Encode(20, 10, [](int x, int, JSAMPLE* p) { p[0] = x < 10 ? 40 : 200; },
                      {.space = JCS_GRAYSCALE, .components = 1});
  TRgbImage img;
  std::string error;
  ASSERT_TRUE(DecodeJpeg(grey.data(), grey.size(), img, error)) << error;
  ExpectColour(img, 2, 5, 40, 40, 40);
  ExpectColour(img, 17, 5, 200, 200, 200);

  // Written the way Adobe programs do: inverted, so 255 means no ink.
  Bytes cmyk = Encode(16, 16,
                      [](int x, int, JSAMPLE* p) {
                        if (x < 8)
                          p[0] = 255, p[1] = 0, p[2] = 0, p[3] = 255;  // magenta + yellow ink: red
                        else
                          p[0] = 255, p[1] = 255, p[2] = 255, p[3] = 0;  // black ink only
                      },
                      {.space = JCS_CMYK, .components = 4});
  ASSERT_TRUE(DecodeJpeg(cmyk.data(), cmyk.size(), img, error)) << error;
  EXPECT_EQ(img.width, 16);
  ExpectColour(img, 2, 8, 255, 0, 0);
  ExpectColour(img, 13, 8, 0, 0, 0);
}

TEST(Jpeg, TheWindowsOwnPicturesDecode) {
  const struct {
    const char* file;
    int w, h;
  } pictures[] = {{"logo.jpg", 170, 174},
                  {"channels.jpg", 179, 30},
                  {"keys.jpg", 179, 30},
                  {"banner.jpg", 155, 30}};
  for (auto& p : pictures) {
    std::ifstream in(std::string(HOPVOX_SOURCE_DIR) + "/resources/pictures/" + p.file,
                     std::ios::binary);
    Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TRgbImage img;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), img, error)) << p.file << ": " << error;
    EXPECT_EQ(img.width, p.w) << p.file;
    EXPECT_EQ(img.height, p.h) << p.file;
  }
}

TEST(Jpeg, DamagedFilesGiveAnErrorAndNoPixels) {
  Bytes good = QuadrantFile(64, 64);
  ExpectRejected({}, "empty");
  ExpectRejected(Bytes(good.begin(), good.begin() + 2), "only the start marker");
  for (size_t cut : {good.size() / 8, good.size() / 2, good.size() - 20, good.size() - 2})
    ExpectRejected(Bytes(good.begin(), good.begin() + cut), "truncated");
  Bytes bmp = {'B', 'M', 0x3e, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0, 0, 0};
  ExpectRejected(bmp, "a bitmap with a .jpg name");
  Bytes scrambled = good;
  for (size_t i = good.size() / 3; i < good.size() / 3 + 64; ++i) scrambled[i] ^= 0xA5;
  TRgbImage img;
  std::string error;
  // Scrambled entropy data either fails or still yields a picture of the
  // declared size; it must never yield anything else.
  if (DecodeJpeg(scrambled.data(), scrambled.size(), img, error)) {
    EXPECT_EQ(img.rgb.size(), 64u * 64 * 3);
  } else {
    EXPECT_TRUE(img.rgb.empty());
  }
  Bytes noTables = good;  // the start-of-frame marker turned into an unknown one
  for (size_t i = 0; i + 1 < noTables.size(); ++i)
    if (noTables[i] == 0xFF && noTables[i + 1] == 0xC0) noTables[i + 1] = 0xCF;
  ExpectRejected(noTables, "arithmetic-lossless frame type");
}

TEST(Jpeg, OversizedPicturesAreRefusedBeforeAnyPixelMemory) {
  Bytes file = QuadrantFile(32, 32);
  // Patch the frame header's height and width to 65000 x 65000.
  for (size_t i = 0; i + 8 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = 0xFD, file[i + 6] = 0xE8, file[i + 7] = 0xFD, file[i + 8] = 0xE8;
      break;
    }
  ExpectRejected(file, "65000 x 65000");

  Bytes wide = QuadrantFile(300, 20);
  TJpegLimits limits;
  limits.maxSide = 256;
  ExpectRejected(wide, "wider than the side limit", limits);
  limits = {};
  limits.maxPixels = 5000;
  ExpectRejected(wide, "more pixels than allowed", limits);
}

TEST(Jpeg, ProgressiveFilesWithTooManyScansStop) {
  Bytes file = QuadrantFile(40, 40, true);  // jpeg_simple_progression writes 10 scans
  TJpegLimits limits;
  limits.maxScans = 3;
  ExpectRejected(file, "scan limit", limits);
}

}  // namespace
}  // namespace hopvox
