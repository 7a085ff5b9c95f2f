#pragma once
// JPEG to RGB through libjpeg, safe against hostile files: errors and warnings
// (a truncated or damaged stream) end the decode with a message, never the
// process, and limits keep a huge or malicious picture from taking unbounded
// memory or time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hopvox {

struct TRgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // rows top-down, 3 bytes per pixel (R, G, B), no padding
};

struct TJpegLimits {
  int maxSide = 8192;                          // width and height each
  long long maxPixels = 16LL * 1024 * 1024;    // 16 megapixels: 48 MB of RGB
  long maxLibraryMemory = 160L * 1024 * 1024;  // libjpeg's own working memory
  int maxScans = 200;                          // progressive files with endless scans
};

// Decodes `size` bytes; on failure returns false, leaves `out` empty and puts
// the reason into `error`.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TRgbImage& out, std::string& error,
                const TJpegLimits& limits = {});

}  // namespace hopvox
