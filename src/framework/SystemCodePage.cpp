#include "framework/SystemCodePage.h"

#include <windows.h>

#include <array>
#include <string>

namespace hopvox {
namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The text as Unicode with its letters in upper case; false for bytes that
// are no text in the code page (a lead byte without its trail byte).
bool FoldedText(std::string_view s, std::wstring& out) {
  out.clear();
  if (s.empty()) return true;
  const int size = static_cast<int>(s.size());
  const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, s.data(), size, nullptr, 0);
  if (n <= 0) return false;
  out.resize(static_cast<std::size_t>(n));
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, s.data(), size, out.data(), n);
  CharUpperBuffW(out.data(), static_cast<DWORD>(n));
  return true;
}

class TSystemCodePage final : public TAnsiCodePage {
 public:
  TSystemCodePage() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info)) return;
    // Pairs of inclusive ranges, ended by a zero pair.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
      for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead_[b] = true;
  }

  bool IsLeadByte(unsigned char c) const override { return lead_[c]; }

  bool SameIgnoringCase(std::string_view a, std::string_view b) const override {
    // Most names are plain ASCII: no conversion needed.
    if (IsAscii(a) && IsAscii(b)) {
      if (a.size() != b.size()) return false;
      for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
      return true;
    }
    std::wstring wa, wb;
    // Bytes the code page cannot read match only themselves: two such names
    // must not become one entry by both reading as the same stand-in character.
    if (!FoldedText(a, wa) || !FoldedText(b, wb)) return a == b;
    return wa == wb;
  }

 private:
  std::array<bool, 256> lead_{};
};

}  // namespace

const TAnsiCodePage& SystemCodePage() {
  static const TSystemCodePage codePage;
  return codePage;
}

}  // namespace hopvox
