// Reading and writing rules the program relies on. Trimming, quotes, the
// 2047-character cut and key lists are compared with the platform reader
// itself in the Windows differential test.
#include <gtest/gtest.h>

#include "framework/logic/IniText.h"

using hopvox::IniNameFaultText;
using hopvox::IniText;
using hopvox::TIniNameFault;

namespace {
// Names in the Western code page, the same on every machine.
IniText Parse(std::string_view bytes) { return IniText::Parse(bytes, hopvox::WesternCodePage()); }
}  // namespace

TEST(IniRules, NamesMatchWithoutCaseAndTheFirstSectionWins) {
  auto ini = Parse(
      "[hopvox keys]\nbase channel=49\nBASE CHANNEL=50\n[Hopvox Keys]\nChannel 1=7\n"
      "[M\xC9TAL]\n\xC9t\xE9=1\n[Hopvox timing]\nOther=1\n");
  EXPECT_EQ(ini.ReadInteger("Hopvox keys", "Base channel", -1), 49);
  EXPECT_EQ(ini.ReadInteger("Hopvox keys", "Channel 1", -1), -1);
  EXPECT_EQ(ini.ReadString("m\xE9tal", "\xE9T\xC9", ""), "1");  // accented letters fold too
  EXPECT_TRUE(ini.SectionExists("hopvox TIMING"));
  EXPECT_EQ(ini.ReadInteger("Hopvox timing", "Timing", -1), -1);
  // The password is stored with one trailing blank; readers never see it.
  ini.WriteString("Hopvox Ips", "Main Server Password", "pw ");
  ini.WriteString("Hopvox Ips", "Base Channel", "1.2.3.4");
  EXPECT_EQ(ini.ReadString("HOPVOX IPS", "Base channel", ""), "1.2.3.4");
  EXPECT_EQ(ini.ReadString("Hopvox Ips", "Main Server Password", "d"), "pw");
  EXPECT_NE(ini.Format().find("\n[Hopvox Ips]\nMain Server Password=pw \nBase Channel="),
            std::string::npos);
}

TEST(IniRules, IntegersAndBooleans) {
  const std::pair<const char*, int> cases[] = {{"0x46", 70},
                                               {"0X46", 70},
                                               {"$46", 70},
                                               {"$ffffffff", -1},
                                               {"-5", -5},
                                               {"+7", 7},
                                               {"007", 7},
                                               {"-2147483648", INT32_MIN},
                                               {"2147483647", INT32_MAX},
                                               {"2147483648", -9},
                                               {"$100000000", -9},
                                               {"0x", -9},
                                               {"$", -9},
                                               {"", -9},
                                               {"-", -9},
                                               {"12a", -9},
                                               {"1 2", -9},
                                               {"0x-1", -9},
                                               {"\"12\"", 12}};
  for (auto [text, want] : cases)
    EXPECT_EQ(Parse(std::string("[s]\nk = ") + text + "  \n").ReadInteger("s", "k", -9), want)
        << text;
  auto ini = Parse("[m]\na=0\nb=2\nc=yes\n");
  EXPECT_FALSE(ini.ReadBool("m", "a", true));
  EXPECT_TRUE(ini.ReadBool("m", "b", false));
  EXPECT_FALSE(ini.ReadBool("m", "c", false));
  EXPECT_TRUE(ini.ReadBool("m", "absent", true));
}

TEST(IniRules, WritesRefuseUnstorableNamesAndCutLineBreaks) {
  const std::string original = "[s]\r\nk=1\r\n";
  auto ini = Parse(original);
  for (const char* key : {"", "  ", "a=b", "[x]", "[x", "a\nb", "a\rb"})
    EXPECT_FALSE(ini.WriteString("s", key, "v"));
  EXPECT_FALSE(ini.WriteString("a\nb", "k", "v"));
  EXPECT_FALSE(ini.WriteString("s", std::string("a\0b", 3), "v"));
  EXPECT_EQ(ini.Format(), original);
  EXPECT_TRUE(ini.WriteString("s", "k", "line1\r\n[evil]\r\nk=2"));
  EXPECT_TRUE(ini.WriteString(" s ", " ;odd ", std::string("a]\0b", 4)));
  EXPECT_EQ(ini.Format(), "[s]\r\nk=line1\r\n;odd=a]\r\n");
}

TEST(IniRules, NameFaultSaysWhichNameIsWrongAndWhy) {
  using enum TIniNameFault;
  const std::pair<std::pair<std::string, std::string>, TIniNameFault> cases[] = {
      {{" ", "k"}, inSectionBlank},
      {{"a\nb", "k"}, inSectionLineBreak},
      {{std::string("a\0b", 3), "k"}, inSectionLineBreak},
      {{"s", ""}, inKeyBlank},
      {{"s", " \t "}, inKeyBlank},
      {{"s", "a\rb"}, inKeyLineBreak},
      {{"s", "a=b"}, inKeyEquals},
      {{"s", "="}, inKeyEquals},
      {{"s", " [x"}, inKeyBracket},
      {{"s", "[x=1"}, inKeyBracket},
      {{" s ", " x[1] "}, inNone},
      {{"[s]", "a]"}, inNone},
  };
  for (const auto& [names, fault] : cases) {
    EXPECT_EQ(IniText::NameFault(names.first, names.second), fault) << names.second;
    EXPECT_EQ(*IniNameFaultText(fault) == '\0', fault == inNone);
  }
  EXPECT_STREQ(IniNameFaultText(inKeyEquals), "a key name cannot contain \"=\"");
  EXPECT_STREQ(IniNameFaultText(inKeyBracket), "a key name cannot start with \"[\"");
}

TEST(IniRules, DeleteRemovesEveryEntryOfTheKeyInTheSeenSection) {
  auto ini = Parse("[HopVoxIPs]\nA=1\nb=2\na=3\na\n[hopvoxips]\na=4\n");
  EXPECT_TRUE(ini.DeleteKey("HopVoxIps", "a"));
  EXPECT_FALSE(ini.DeleteKey("HopVoxIps", "a"));
  EXPECT_FALSE(ini.DeleteKey("absent", "b"));
  EXPECT_TRUE(ini.DeleteKey("HopVoxIps", "B"));
  EXPECT_EQ(ini.Format(),
            "[HopVoxIPs]\n[hopvoxips]\na=4\n");  // the header stays, as the platform leaves it
}
