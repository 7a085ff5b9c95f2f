#pragma once
// Finding a section of the help text, so a link can open the help there.
#include <cstddef>
#include <string_view>

namespace hopvox {

// Titles of the sections the window's two links lead to.
inline constexpr std::string_view kHelpGettingRoger = "GETTING ROGER WILCO";
inline constexpr std::string_view kHelpSupport = "SUPPORT";

// Offset of the heading line of the section titled `title` (a line reading
// the title, optionally numbered "9. "), or npos when the text has none: a
// mention of the title inside a paragraph is no heading.
std::size_t HelpSectionOffset(std::string_view text, std::string_view title);

}  // namespace hopvox
