#pragma once
// The bytes of one sound: a complete wave-file image held in memory. It
// travels as the "Audio" stream: tag 0x00099200, 32-bit length, the image.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "services/logic/Stream.h"

namespace hopvox {

inline constexpr std::uint32_t kAudioStreamTag = 0x00099200;

class EAudioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TVrAudioData {
 public:
  // Writes nothing at all when empty, not even the header.
  void SaveToStream(TStream& stream, bool withHeader) const;
  // Without header the rest of the stream becomes the buffer. A stream that
  // holds fewer bytes than its header states leaves only what was there.
  void LoadFromStream(TStream& stream, bool withHeader);
  void Clear() { SetSize(0); }
  void ReadData(TStream& stream) { LoadFromStream(stream, true); }
  void WriteData(TStream& stream) const { SaveToStream(stream, true); }
  // The file's bytes are taken as they are; Play decides whether they sound.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // Keeps the bytes up to the smaller size; new bytes are zero.
  void SetSize(std::int32_t size);
  std::int32_t Size() const { return static_cast<std::int32_t>(data_.size()); }
  bool Empty() const { return data_.empty(); }
  const std::uint8_t* Data() const { return data_.empty() ? nullptr : data_.data(); }
  std::uint8_t* Data() { return data_.empty() ? nullptr : data_.data(); }
  void Assign(const TVrAudioData& source);

 private:
  std::vector<std::uint8_t> data_;
};

}  // namespace hopvox
