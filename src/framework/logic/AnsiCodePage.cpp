#include "framework/logic/AnsiCodePage.h"

#include <array>

namespace hopvox {
namespace {

// Windows-1252 letters and their lower case: "MÜLLER" is "müller".
constexpr std::array<unsigned char, 256> MakeWesternFold() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) t[c] = static_cast<unsigned char>(c + 32);
  t[0x8A] = 0x9A;  // S caron
  t[0x8C] = 0x9C;  // OE
  t[0x8E] = 0x9E;  // Z caron
  t[0x9F] = 0xFF;  // Y diaeresis
  return t;
}
constexpr auto kWesternFold = MakeWesternFold();

class TWesternCodePage final : public TAnsiCodePage {
 public:
  bool IsLeadByte(unsigned char) const override { return false; }
  bool SameIgnoringCase(std::string_view a, std::string_view b) const override {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (kWesternFold[static_cast<unsigned char>(a[i])] !=
          kWesternFold[static_cast<unsigned char>(b[i])])
        return false;
    return true;
  }
};

}  // namespace

std::size_t TAnsiCodePage::CharLength(std::string_view s, std::size_t at) const {
  // A C string ends at a NUL, so a lead byte before one stands alone.
  return IsLeadByte(static_cast<unsigned char>(s[at])) && at + 1 < s.size() && s[at + 1] != '\0'
             ? 2
             : 1;
}

std::size_t TAnsiCodePage::FindLastOf(std::string_view s, std::string_view chars) const {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i))
    if (chars.find(s[i]) != std::string_view::npos) found = i;
  return found;
}

const TAnsiCodePage& WesternCodePage() {
  static const TWesternCodePage western;
  return western;
}

std::size_t FolderLength(std::string_view path, const TAnsiCodePage& codePage) {
  const std::size_t delimiter = codePage.FindLastOf(path, "\\/");
  return delimiter == std::string_view::npos ? 0 : delimiter + 1;
}

}  // namespace hopvox
