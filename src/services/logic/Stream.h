#pragma once
// Minimal byte streams for the sound data: a memory stream (resources, tests)
// and a file stream. Reads return the count actually read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace hopvox {

class TStream {
 public:
  virtual ~TStream() = default;
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual void Write(const void* buffer, std::size_t count) = 0;
  virtual std::uint64_t Size() const = 0;
  virtual std::uint64_t Position() const = 0;
  std::uint64_t Remaining() const { return Size() - Position(); }
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  TMemoryStream(const void* data, std::size_t size);

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::uint64_t Size() const override { return bytes_.size(); }
  std::uint64_t Position() const override { return pos_; }
  void Rewind() { pos_ = 0; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class EFileStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens an existing file for reading (others may not write it meanwhile) or
// creates/truncates one for writing. Failure throws EFileStreamError.
class TFileStream : public TStream {
 public:
  enum class Mode { OpenRead, Create };
  TFileStream(const std::string& fileName, Mode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::uint64_t Size() const override { return size_; }
  std::uint64_t Position() const override { return pos_; }

 private:
  std::FILE* file_ = nullptr;
  std::string name_;
  std::uint64_t size_ = 0;
  std::uint64_t pos_ = 0;
};

}  // namespace hopvox
