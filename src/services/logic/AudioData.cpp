#include "services/logic/AudioData.h"

#include <algorithm>

namespace hopvox {
namespace {

void PutU32(TStream& s, std::uint32_t v) {
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16),
                             static_cast<std::uint8_t>(v >> 24)};
  s.Write(b, 4);
}

bool GetU32(TStream& s, std::uint32_t& v) {
  std::uint8_t b[4];
  if (s.Read(b, 4) != 4) return false;
  v = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

}  // namespace

void TVrAudioData::SaveToStream(TStream& stream, bool withHeader) const {
  if (Empty()) return;
  if (withHeader) {
    PutU32(stream, kAudioStreamTag);
    PutU32(stream, static_cast<std::uint32_t>(data_.size()));
  }
  stream.Write(data_.data(), data_.size());
}

void TVrAudioData::LoadFromStream(TStream& stream, bool withHeader) {
  std::uint64_t n = stream.Remaining();
  if (withHeader) {
    std::uint32_t tag = 0, length = 0;
    if (!GetU32(stream, tag) || tag != kAudioStreamTag || !GetU32(stream, length)) {
      throw EAudioError("Unknown audio streaming format.");
    }
    // Never size the buffer beyond what the stream can deliver: a damaged
    // length must not turn into a huge allocation or uninitialised bytes.
    n = std::min<std::uint64_t>(length, stream.Remaining());
  }
  if (n > 0x7FFFFFFF) throw EAudioError("Audio data too large.");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
  const std::size_t got = n ? stream.Read(bytes.data(), bytes.size()) : 0;
  bytes.resize(got);
  data_ = std::move(bytes);
}

void TVrAudioData::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::Mode::OpenRead);
  LoadFromStream(file, false);
}

void TVrAudioData::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileStream::Mode::Create);
  SaveToStream(file, false);
}

void TVrAudioData::SetSize(std::int32_t size) {
  const std::size_t n = size > 0 ? static_cast<std::size_t>(size) : 0;
  if (n == data_.size()) return;
  data_.resize(n);
  if (n == 0) data_.shrink_to_fit();
}

void TVrAudioData::Assign(const TVrAudioData& source) {
  if (&source != this) data_ = source.data_;
}

}  // namespace hopvox
