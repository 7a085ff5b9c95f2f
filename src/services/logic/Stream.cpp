#include "services/logic/Stream.h"

#include <algorithm>
#include <cstring>
#ifdef _WIN32
#include <share.h>
#endif

namespace hopvox {

TMemoryStream::TMemoryStream(const void* data, std::size_t size)
    : bytes_(static_cast<const std::uint8_t*>(data),
             static_cast<const std::uint8_t*>(data) + size) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::min(count, bytes_.size() - pos_);
  if (n) std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (!count) return;
  if (pos_ + count > bytes_.size()) bytes_.resize(pos_ + count);
  std::memcpy(bytes_.data() + pos_, buffer, count);
  pos_ += count;
}

namespace {

std::FILE* OpenFile(const std::string& name, TFileStream::Mode mode) {
  const char* how = mode == TFileStream::Mode::OpenRead ? "rb" : "wb";
#ifdef _WIN32
  return _fsopen(name.c_str(), how, mode == TFileStream::Mode::OpenRead ? _SH_DENYWR : _SH_DENYRW);
#else
  return std::fopen(name.c_str(), how);
#endif
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, Mode mode)
    : file_(OpenFile(fileName, mode)), name_(fileName) {
  if (!file_) {
    throw EFileStreamError(mode == Mode::OpenRead ? "Cannot open file \"" + fileName + "\""
                                                  : "Cannot create file \"" + fileName + "\"");
  }
  if (mode == Mode::OpenRead && std::fseek(file_, 0, SEEK_END) == 0) {
    const long end = std::ftell(file_);
    size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    std::fseek(file_, 0, SEEK_SET);
  }
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::fread(buffer, 1, count, file_);
  pos_ += n;
  return n;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
  if (std::fwrite(buffer, 1, count, file_) != count)
    throw EFileStreamError("Error writing \"" + name_ + "\"");
  pos_ += count;
  size_ = std::max(size_, pos_);
}

}  // namespace hopvox
