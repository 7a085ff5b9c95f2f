// The help sections the window's links open at.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ui/logic/HelpSections.h"

namespace hopvox {
namespace {

TEST(HelpSections, HeadingLinesOnlyNumberedOrNot) {
  const std::string text =
      "TOP\r\nSee SUPPORT below.\r\n SUPPORT\r\n9. SUPPORTS\r\n"
      "9. SUPPORT  \r\n---\r\nSUPPORT\n";
  // Not the mention, the indented line, nor a longer title: the numbered heading.
  EXPECT_EQ(HelpSectionOffset(text, "SUPPORT"), text.find("9. SUPPORT  "));
  EXPECT_EQ(HelpSectionOffset("SUPPORT", "SUPPORT"), 0u);  // last line without a break
  EXPECT_EQ(HelpSectionOffset(text, "SUPPORTS"), text.find("9. SUPPORTS"));
  EXPECT_EQ(HelpSectionOffset(text, "FILES"), std::string::npos);
  EXPECT_EQ(HelpSectionOffset(text, ""), std::string::npos);
}

TEST(HelpSections, TheShippedHelpHasBothLinkedSections) {
  std::ifstream f(std::string(HOPVOX_SOURCE_DIR) + "/resources/help/HOPVOX.TXT", std::ios::binary);
  ASSERT_TRUE(f);
  const std::string help{std::istreambuf_iterator<char>(f), {}};
  for (const auto title : {kHelpGettingRoger, kHelpSupport}) {
    const std::size_t at = HelpSectionOffset(help, title);
    ASSERT_NE(at, std::string::npos) << title;
    EXPECT_EQ(help.compare(at + 3, title.size(), title), 0) << title;  // "8. " or "9. "
  }
}

}  // namespace
}  // namespace hopvox
