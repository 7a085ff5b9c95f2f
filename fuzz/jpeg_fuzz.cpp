// Feeds arbitrary bytes to the JPEG decoder: it must end every file with a
// picture of the declared size or an error, within its memory limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/logic/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  hopvox::TRgbImage img;
  std::string error;
  hopvox::TJpegLimits limits;
  limits.maxPixels = 4LL * 1024 * 1024;  // keep each run quick
  if (hopvox::DecodeJpeg(data, size, img, error, limits)) {
    if (img.width <= 0 || img.height <= 0 ||
        img.rgb.size() != static_cast<std::size_t>(img.width) * img.height * 3)
      std::abort();
  } else if (!img.rgb.empty() || error.empty()) {
    std::abort();
  }
  return 0;
}
