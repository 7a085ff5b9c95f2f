#include "framework/logic/WriteTempName.h"

#include <cctype>
#include <cstdio>

namespace hopvox {
namespace {

constexpr char kMark[] = "~hvx";
constexpr char kTail[] = ".tmp";
constexpr std::size_t kMarkLength = sizeof kMark - 1;
constexpr std::size_t kTailLength = sizeof kTail - 1;
constexpr std::size_t kDigits = 8;

bool SameLetters(const std::string& a, std::size_t at, const std::string& b) {
  if (a.size() < at + b.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[at + i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string WriteTempName(const std::string& fileName, std::uint32_t unique) {
  char digits[kDigits + 1];
  std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(unique));
  return fileName + kMark + digits + kTail;
}

bool IsWriteTempOf(const std::string& fileName, const std::string& candidate) {
  if (fileName.empty() || candidate.size() != fileName.size() + kMarkLength + kDigits + kTailLength)
    return false;
  if (!SameLetters(candidate, 0, fileName) || !SameLetters(candidate, fileName.size(), kMark))
    return false;
  const std::size_t digits = fileName.size() + kMarkLength;
  for (std::size_t i = digits; i < digits + kDigits; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(candidate[i]))) return false;
  }
  return SameLetters(candidate, digits + kDigits, kTail);
}

std::string WriteTempPattern(const std::string& fileName) { return fileName + kMark + "*" + kTail; }

}  // namespace hopvox
