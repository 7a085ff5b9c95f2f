#include "services/logic/WaveImage.h"

#include <algorithm>
#include <cstring>

namespace hopvox {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

std::uint32_t HeldRiffLength(const std::uint8_t* image, std::size_t size) {
  const std::uint64_t held = size - 8;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(U32(image + 4), held));
}

std::optional<WaveFormat> ParseWaveImage(const std::uint8_t* image, std::size_t size) {
  if (!image || size < 12) return std::nullopt;
  if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
    return std::nullopt;
  // The player walks the chunks inside the RIFF length, and reads what it
  // needs from the buffer only up to "data". A length past the buffer is
  // common (written before the data was known, 0xFFFFFFFF from streaming
  // tools, a cut trailing chunk) and harmless as long as the walk up to
  // "data" stays inside the buffer, so the walk ends at whichever comes first.
  const std::uint64_t riffEnd = std::min<std::uint64_t>(8ull + U32(image + 4), size);

  WaveFormat fmt;
  bool haveFmt = false, haveData = false;
  std::uint64_t pos = 12;
  while (!(haveFmt && haveData)) {
    if (pos + 8 > riffEnd) return std::nullopt;
    const std::uint8_t* chunk = image + pos;
    const std::uint64_t length = U32(chunk + 4);
    const std::uint64_t bodyStart = pos + 8;
    if (bodyStart + length > riffEnd) return std::nullopt;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16) return std::nullopt;
      const std::uint8_t* b = image + bodyStart;
      fmt.formatTag = U16(b);
      fmt.channels = U16(b + 2);
      fmt.samplesPerSec = U32(b + 4);
      fmt.avgBytesPerSec = U32(b + 8);
      fmt.blockAlign = U16(b + 12);
      fmt.bitsPerSample = U16(b + 14);
      if (fmt.channels == 0 || fmt.samplesPerSec == 0 || fmt.blockAlign == 0) return std::nullopt;
      haveFmt = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      // The player looks for the format first; data before it is no use.
      if (!haveFmt) return std::nullopt;
      fmt.dataOffset = static_cast<std::uint32_t>(bodyStart);
      fmt.dataSize = static_cast<std::uint32_t>(length);
      haveData = true;
    }
    pos = bodyStart + length + (length & 1);  // chunks are word aligned
  }
  return fmt;
}

}  // namespace hopvox
