// Decode times of the JPEG path: the built-in logo (what every start pays)
// and a camera-sized photo a user might pick as a logo.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "framework/logic/JpegDecoder.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Photo(int w, int h) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &mem, &size);
  c.image_width = w;
  c.image_height = h;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 85, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(w) * 3);
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<JSAMPLE>((x * 7 + c.next_scanline * 3) & 0xFF);
      row[3 * x + 1] = static_cast<JSAMPLE>((x ^ c.next_scanline) & 0xFF);
      row[3 * x + 2] = static_cast<JSAMPLE>((x * c.next_scanline) >> 8 & 0xFF);
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<std::uint8_t> out(mem, mem + size);
  jpeg_destroy_compress(&c);
  std::free(mem);
  return out;
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
  static const auto file = ReadFile(std::string(HOPVOX_SOURCE_DIR) + "/resources/pictures/logo.jpg");
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
