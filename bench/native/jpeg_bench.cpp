// Decode times of the JPEG path: the built-in logo (what every start pays)
// and a camera-sized photo a user might pick as a logo.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "framework/logic/JpegDecoder.h"
#include "jpeg/JpegEncoder.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Photo(int w, int h) {
  hopvox::tools::JpegEncodeOptions o;
  o.quality = 85;
  return hopvox::tools::EncodeJpeg(w, h, o, [w](int y, JSAMPLE* row) {
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<JSAMPLE>((x * 7 + y * 3) & 0xFF);
      row[3 * x + 1] = static_cast<JSAMPLE>((x ^ y) & 0xFF);
      row[3 * x + 2] = static_cast<JSAMPLE>((x * y) >> 8 & 0xFF);
    }
  });
}

void Decode(benchmark::State& state, const std::vector<std::uint8_t>& file) {
  for (auto _ : state) {
    hopvox::TRgbImage img;
    std::string error;
    bool ok = hopvox::DecodeJpeg(file.data(), file.size(), img, error);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(img.rgb.data());
  }
}

void BM_DecodeBuiltInLogo(benchmark::State& state) {
  static const auto file =
      ReadFile(std::string(HOPVOX_SOURCE_DIR) + "/resources/pictures/logo.jpg");
  Decode(state, file);
}
BENCHMARK(BM_DecodeBuiltInLogo);

void BM_DecodePhoto2048x1536(benchmark::State& state) {
  static const auto file = Photo(2048, 1536);
  Decode(state, file);
}
BENCHMARK(BM_DecodePhoto2048x1536)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
