#pragma once
// Checks a wave-file image before it goes to the system's player. Playing
// from memory, the player trusts the chunk lengths inside the image, so a
// truncated or foreign file could make it read past our buffer.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace hopvox {

struct WaveFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSec = 0;
  std::uint32_t avgBytesPerSec = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint32_t dataOffset = 0;  // of the sample bytes, from the image start
  std::uint32_t dataSize = 0;
};

// The format of a RIFF "WAVE" image whose chunks up to and including "fmt "
// and "data" lie inside both the buffer and the RIFF length (a RIFF length
// past the buffer's end is no fault by itself). Anything else gives nothing.
std::optional<WaveFormat> ParseWaveImage(const std::uint8_t* image, std::size_t size);

// The RIFF length to hand the player: the image's own, or the bytes the
// image holds after the length field where it claims more. Tools leave
// lengths past the end (the file's size, 0xFFFFFFFF from streaming), and a
// 32-bit player adding such a length to its position wraps round and finds
// no chunk at all. Needs the 8 bytes of the RIFF header.
std::uint32_t HeldRiffLength(const std::uint8_t* image, std::size_t size);

inline bool IsPlayableWave(const std::uint8_t* image, std::size_t size) {
  return ParseWaveImage(image, size).has_value();
}

}  // namespace hopvox
