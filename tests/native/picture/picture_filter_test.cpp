// The logo dialog's list of picture types: what each entry says it lists is
// what its pattern lists, and every pattern names a file the logo can show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/logic/PictureFormat.h"

namespace hopvox {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

TEST(PictureFilter, EachEntryListsWhatItsCaptionNamesAndTheLogoCanShowIt) {
  const std::vector<std::string> parts = Split(kPictureFilter, '|');
  ASSERT_EQ(parts.size(), 14u);  // seven entries: caption, pattern
  for (size_t i = 0; i < parts.size(); i += 2) {
    const std::string& caption = parts[i];
    const std::string& pattern = parts[i + 1];
    const size_t open = caption.find('('), close = caption.rfind(')');
    ASSERT_TRUE(open != std::string::npos && close > open) << caption;
    EXPECT_EQ(caption.substr(open + 1, close - open - 1), pattern) << caption;
    for (const std::string& each : Split(pattern, ';')) {
      ASSERT_EQ(each.rfind("*.", 0), 0u) << each;
      EXPECT_NE(PictureFormatOf("logo" + each.substr(1), WesternCodePage()),
                TPictureFormat::Unknown)
          << each;
    }
  }
  // The first entry takes every kind the logo shows.
  EXPECT_EQ(parts[1], "*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf");
}

}  // namespace
}  // namespace hopvox
