#include "framework/logic/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace hopvox {

namespace {

// libjpeg reports through these callbacks; we leave the library with longjmp
// (its default error handler calls exit()). Nothing with a destructor lives
// between setjmp and a longjmp in this file.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  int maxScans;
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings mean damaged data that libjpeg would paper over (grey rows for a
// truncated file): for a picture the user chose, that is an unreadable file.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) Fail(cinfo);
}

void OnProgress(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (cinfo->is_decompressor) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > err->maxScans) {
      std::snprintf(err->message, sizeof err->message, "too many scans (more than %d)",
                    err->maxScans);
      std::longjmp(err->jump, 2);
    }
  }
}

struct Decode {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
};

bool IsCmyk(const jpeg_decompress_struct& c) {
  return c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK;
}

// Phase one: header and limits. Returns false with err.message set.
bool ReadHeader(Decode& d, const std::uint8_t* data, std::size_t size, const TJpegLimits& limits) {
  if (setjmp(d.err.jump)) return false;
  jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.cinfo, TRUE);
  const long long w = d.cinfo.image_width, h = d.cinfo.image_height;
  if (w <= 0 || h <= 0 || w > limits.maxSide || h > limits.maxSide || w * h > limits.maxPixels) {
    std::snprintf(d.err.message, sizeof d.err.message, "picture too large (%lld x %lld)", w, h);
    return false;
  }
  d.cinfo.out_color_space = IsCmyk(d.cinfo) ? JCS_CMYK : JCS_RGB;
  return true;
}

// Phase two: the pixels, converted to RGB row by row into `rgb`.
bool ReadPixels(Decode& d, std::uint8_t* rgb, std::uint8_t* cmykRow) {
  if (setjmp(d.err.jump)) return false;
  jpeg_start_decompress(&d.cinfo);
  const unsigned width = d.cinfo.output_width;
  const bool inverted = d.cinfo.saw_Adobe_marker;  // Adobe writes CMYK inverted
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    std::uint8_t* out = rgb + static_cast<std::size_t>(d.cinfo.output_scanline) * width * 3;
    JSAMPROW row = cmykRow ? cmykRow : out;
    if (jpeg_read_scanlines(&d.cinfo, &row, 1) != 1) break;
    if (!cmykRow) continue;
    for (std::size_t x = 0; x < width; ++x) {
      unsigned c = cmykRow[4 * x], m = cmykRow[4 * x + 1], y = cmykRow[4 * x + 2],
               k = cmykRow[4 * x + 3];
      if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      out[3 * x] = static_cast<std::uint8_t>(c * k / 255);
      out[3 * x + 1] = static_cast<std::uint8_t>(m * k / 255);
      out[3 * x + 2] = static_cast<std::uint8_t>(y * k / 255);
    }
  }
  jpeg_finish_decompress(&d.cinfo);
  return true;
}

bool Create(Decode& d) {
  if (setjmp(d.err.jump)) return false;  // out of memory or a library mismatch
  jpeg_create_decompress(&d.cinfo);
  return true;
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TRgbImage& out, std::string& error,
                const TJpegLimits& limits) {
  out = TRgbImage{};
  if (!data || size == 0) {
    error = "empty file";
    return false;
  }
  Decode d{};
  d.cinfo.err = jpeg_std_error(&d.err.pub);
  d.err.pub.error_exit = Fail;
  d.err.pub.emit_message = OnMessage;
  d.err.maxScans = limits.maxScans;
  d.progress.progress_monitor = OnProgress;
  if (!Create(d)) {
    error = d.err.message;
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  d.cinfo.progress = &d.progress;
  d.cinfo.mem->max_memory_to_use = limits.maxLibraryMemory;

  bool ok = ReadHeader(d, data, size, limits);
  std::vector<std::uint8_t> rgb, cmyk;
  if (ok) {
    try {
      rgb.resize(static_cast<std::size_t>(d.cinfo.image_width) * d.cinfo.image_height * 3);
      if (IsCmyk(d.cinfo)) cmyk.resize(static_cast<std::size_t>(d.cinfo.image_width) * 4);
    } catch (const std::bad_alloc&) {
      std::snprintf(d.err.message, sizeof d.err.message, "out of memory");
      ok = false;
    }
  }
  if (ok) ok = ReadPixels(d, rgb.data(), cmyk.empty() ? nullptr : cmyk.data());
  if (ok && (d.cinfo.output_width != d.cinfo.image_width ||
             d.cinfo.output_height != d.cinfo.image_height)) {
    std::snprintf(d.err.message, sizeof d.err.message, "unexpected output size");
    ok = false;
  }
  if (ok) {
    out.width = static_cast<int>(d.cinfo.output_width);
    out.height = static_cast<int>(d.cinfo.output_height);
    out.rgb = std::move(rgb);
  } else {
    error = d.err.message;
  }
  jpeg_destroy_decompress(&d.cinfo);
  return ok;
}

}  // namespace hopvox
