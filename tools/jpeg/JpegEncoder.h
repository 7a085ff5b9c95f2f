#pragma once
// Writes JPEG files for our generators, tests and benchmarks (the program
// itself only decodes). `fillRow(y, row)` fills one scan line of
// width * components samples.
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace hopvox::tools {

struct JpegEncodeOptions {
  J_COLOR_SPACE space = JCS_RGB;
  int components = 3;
  int quality = 90;
  bool progressive = false;
};

template <typename FillRow>
std::vector<unsigned char> EncodeJpeg(int width, int height, const JpegEncodeOptions& o,
                                      FillRow fillRow) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &mem, &size);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  c.input_components = o.components;
  c.in_color_space = o.space;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, o.quality, TRUE);
  if (o.progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * static_cast<size_t>(o.components));
  while (c.next_scanline < c.image_height) {
    fillRow(static_cast<int>(c.next_scanline), row.data());
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<unsigned char> out(mem, mem + size);
  jpeg_destroy_compress(&c);
  std::free(mem);
  return out;
}

}  // namespace hopvox::tools
