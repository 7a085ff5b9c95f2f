#include "ui/logic/HelpSections.h"

namespace hopvox {

namespace {

bool IsHeading(std::string_view line, std::string_view title) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  std::size_t digits = 0;
  while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
  if (digits > 0 && line.substr(digits, 2) == ". ") line.remove_prefix(digits + 2);
  return line == title;
}

}  // namespace

std::size_t HelpSectionOffset(std::string_view text, std::string_view title) {
  if (title.empty()) return std::string_view::npos;
  for (std::size_t begin = 0; begin <= text.size();) {
    const std::size_t end = text.find('\n', begin);
    const std::string_view line =
        text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
    if (IsHeading(line, title)) return begin;
    if (end == std::string_view::npos) break;
    begin = end + 1;
  }
  return std::string_view::npos;
}

}  // namespace hopvox
