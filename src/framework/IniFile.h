#pragma once
// Settings file access. Nothing is cached: every call reads the file afresh, so
// a hand edit or another program's write is seen by the next reader, and every
// write is on disk, complete, before it returns.
#include <stdexcept>
#include <string>
#include <vector>

namespace hopvox {

class IniText;

class EIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A name the file format cannot hold: refused before the file is touched,
// with a message that says what is wrong with the name rather than blaming
// the disk.
class EIniNameError : public EIniFileError {
 public:
  using EIniFileError::EIniFileError;
};

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  bool SectionExists(const std::string& section) const;
  // The section's key names in file order; `names` is cleared first.
  void ReadSection(const std::string& section, std::vector<std::string>& names) const;
  std::vector<std::string> ReadSection(const std::string& section) const;

  // Writes throw EIniFileError("Unable to write to " + FileName()) when the
  // file system refuses the write, and EIniNameError when a section or key
  // name cannot be stored; the file on disk is then exactly as it was.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // No error when the key is absent; otherwise fails like a write.
  void DeleteKey(const std::string& section, const std::string& key);
  // Every write is already on disk when it returns; kept for the callers that flush.
  void UpdateFile() {}

 private:
  IniText Load() const;
  template <typename Edit>
  void Modify(Edit edit);
  [[noreturn]] void Fail() const;

  std::string fileName_;
};

}  // namespace hopvox
