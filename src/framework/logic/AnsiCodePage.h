#pragma once
// The ANSI code page that names and paths are written in. A double-byte code
// page (Japanese 932, Chinese 936 and 950, Korean 949) writes many characters
// as a lead byte and a trail byte, and a trail byte can equal "\", "]" or an
// ASCII letter: a scan steps over whole characters, and letter case is the
// code page's. The Windows build asks the system (SystemCodePage); the logic
// takes the code page it is given.
#include <cstddef>
#include <string_view>

namespace hopvox {

class TAnsiCodePage {
 public:
  virtual ~TAnsiCodePage() = default;
  // Whether `c` opens a two-byte character.
  virtual bool IsLeadByte(unsigned char c) const = 0;
  // Whether two names are the same but for the case of their letters.
  virtual bool SameIgnoringCase(std::string_view a, std::string_view b) const = 0;

  // Bytes of the character starting at `at`: 2 for a lead byte that has a
  // trail byte after it, otherwise 1.
  std::size_t CharLength(std::string_view s, std::size_t at) const;
  // Where the last character of `s` that is one of the single-byte `chars`
  // starts, or npos. A trail byte is never one of them.
  std::size_t FindLastOf(std::string_view s, std::string_view chars) const;
};

// Windows-1252 with its fixed letter-case table: the same on every machine.
const TAnsiCodePage& WesternCodePage();

// Length of the folder part of `path`, up to and including its last "\" or
// "/"; 0 when it has none.
std::size_t FolderLength(std::string_view path, const TAnsiCodePage& codePage);

}  // namespace hopvox
