// Hostile "Audio" streams and wave images: reading them back and checking the
// image must never crash or read outside the buffer.
#include <cstddef>
#include <cstdint>

#include "services/logic/AudioData.h"
#include "services/logic/WaveImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hopvox;
  if (const auto fmt = ParseWaveImage(data, size)) {
    if (static_cast<std::uint64_t>(fmt->dataOffset) + fmt->dataSize > size) __builtin_trap();
  }
  TMemoryStream stream(data, size);
  TVrAudioData audio;
  try {
    audio.ReadData(stream);
  } catch (const EAudioError&) {
    return 0;
  }
  if (static_cast<std::size_t>(audio.Size()) + 8 > size) __builtin_trap();
  ParseWaveImage(audio.Data(), static_cast<std::size_t>(audio.Size()));
  return 0;
}
