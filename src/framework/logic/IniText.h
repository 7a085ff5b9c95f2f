#pragma once
// A profile file ("INI file") held in memory as its lines. Reads follow the
// platform's profile reader (GetPrivateProfileStringA); writes change only the
// line they touch, so comments, unknown keys, blank lines and odd lines keep
// every byte through a rewrite. No Windows here: the file access lives in
// TIniFile.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/logic/AnsiCodePage.h"

namespace hopvox {

// A string read returns at most this many characters.
inline constexpr std::size_t kIniMaxRead = 2047;
// Key names are listed through a buffer of this size, each name followed by a
// NUL and the list ended by one more; names that do not fit are not seen.
inline constexpr std::size_t kIniKeyListBytes = 16384;

// Integer text as the settings readers take it: more than 2 characters starting
// "0x"/"0X", or starting "$", is hexadecimal (a 32-bit pattern, so "$FFFFFFFF"
// is -1); otherwise optionally signed decimal. Anything else gives `def`.
int ParseIniInteger(std::string_view text, int def);

// Whether two section or key names name the same entry, as the file reads
// them: blanks at their ends do not count, nor does the case of letters as
// the code page has them.
bool SameIniName(std::string_view a, std::string_view b, const TAnsiCodePage& codePage);

// Why a section or key name cannot be written so that it reads back as the
// same entry; inNone when it can.
enum class TIniNameFault {
  inNone,
  inSectionBlank,      // empty or only blanks
  inSectionLineBreak,  // a CR, LF or NUL would split the section line
  inKeyBlank,
  inKeyLineBreak,
  inKeyEquals,   // the "=" would end the key early
  inKeyBracket,  // a leading "[" reads as a section line
};

// What is wrong with the name, for an error message ("" for inNone).
const char* IniNameFaultText(TIniNameFault fault);

class IniText {
 public:
  // An empty file whose names are in `codePage`, which must outlive it.
  explicit IniText(const TAnsiCodePage& codePage) : codePage_(&codePage) {}
  static IniText Parse(std::string_view bytes, const TAnsiCodePage& codePage);
  // The file's bytes: exactly what Parse was given, plus the edits.
  std::string Format() const;

  // The stored value, quotes and blanks removed as the platform does, not yet
  // cut to kIniMaxRead; nullopt when the key is absent or has no "=".
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // Present when the section lists at least one key name.
  bool SectionExists(std::string_view section) const;
  // Key names in file order, within the kIniKeyListBytes budget.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Whether WriteString can store these names (blanks at their ends aside).
  static TIniNameFault NameFault(std::string_view section, std::string_view key);

  // Replaces the first entry of the key in place, or adds it at the end of the
  // section, or adds the section at the end of the file. The value is cut at
  // its first CR, LF or NUL: a line break would split the file's line and
  // plant whatever follows as new lines. Returns false, changing nothing, when
  // NameFault finds fault with the names.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes every entry of the key in the section readers see, so the key
  // really reads as absent afterwards. Returns whether anything was removed.
  bool DeleteKey(std::string_view section, std::string_view key);

 private:
  enum class LineKind { lkBlank, lkSection, lkKey };
  struct Line {
    std::string text;  // without its line break
    std::string eol;   // "\r\n", "\n", "\r" or "" (last line)
    LineKind kind = LineKind::lkBlank;
    std::size_t nameBegin = 0, nameLen = 0;    // section or key name
    std::size_t valueBegin = 0, valueLen = 0;  // key lines with "=" only
    bool hasValue = false;
    std::string_view Name() const { return std::string_view(text).substr(nameBegin, nameLen); }
    std::string_view RawValue() const {
      return std::string_view(text).substr(valueBegin, valueLen);
    }
  };
  struct Range {
    std::size_t header;      // index of the section line, or npos for the text before any
    std::size_t begin, end;  // its entry lines
  };

  void Classify(Line& line, bool firstLine) const;
  // `want` as the caller's request turned out: trimmed or not.
  std::optional<Range> FindSection(std::string_view want) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
  std::string DefaultEol() const;

  const TAnsiCodePage* codePage_;
  std::vector<Line> lines_;
};

}  // namespace hopvox
