// Hostile wave images for the walker that checks them before the system's
// player sees them: it must stay inside the buffer, and whatever it passes
// must hold a format the player can use and samples lying wholly inside the
// image, where it says they are.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "services/logic/WaveImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fmt = hopvox::ParseWaveImage(data, size);
  if (!fmt) return 0;
  if (fmt->dataOffset < 20 || static_cast<std::uint64_t>(fmt->dataOffset) + fmt->dataSize > size)
    __builtin_trap();
  if (std::memcmp(data + fmt->dataOffset - 8, "data", 4) != 0) __builtin_trap();
  if (fmt->channels == 0 || fmt->samplesPerSec == 0 || fmt->blockAlign == 0) __builtin_trap();
  return 0;
}
