#include <gtest/gtest.h>

#include "framework/logic/IniText.h"

using hopvox::IniText;

TEST(IniRules, NamesMatchWithoutCaseAndFirstMatchWins) {
  auto ini = IniText::Parse(
      "[hopvox keys]\nbase channel=49\nBASE CHANNEL=50\n[Hopvox Keys]\nChannel 1=7\n"
      "[M\xC9TAL]\n\xC9t\xE9=1\n");
  EXPECT_EQ(ini.ReadInteger("Hopvox keys", "Base channel", -1), 49);
  EXPECT_EQ(ini.ReadInteger("Hopvox keys", "Channel 1", -1), -1);  // a later section of the same name is not seen
  EXPECT_EQ(ini.ReadString("m\xE9tal", "\xE9T\xC9", ""), "1");      // Western accented letters fold too
  ini.WriteString("Hopvox Ips", "Base Channel", "1.2.3.4");
  EXPECT_EQ(ini.ReadString("HOPVOX IPS", "Base channel", ""), "1.2.3.4");
}

TEST(IniRules, IntegersAndBooleans) {
  const std::pair<const char*, int> cases[] = {
      {"0x46", 70}, {"0X46", 70}, {"$46", 70}, {"$ffffffff", -1}, {"-5", -5}, {"+7", 7}, {"007", 7},
      {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", -9}, {"$100000000", -9},
      {"0x", -9}, {"$", -9}, {"", -9}, {"-", -9}, {"12a", -9}, {"1 2", -9}, {"0x-1", -9}, {"x46", -9},
      {"\"12\"", 12}};
  for (auto [text, want] : cases) {
    auto ini = IniText::Parse(std::string("[s]\nk = ") + text + "  \n");
    EXPECT_EQ(ini.ReadInteger("s", "k", -9), want) << text;
  }
  auto ini = IniText::Parse("[m]\na=0\nb=2\nc=yes\n");
  EXPECT_FALSE(ini.ReadBool("m", "a", true));
  EXPECT_TRUE(ini.ReadBool("m", "b", false));
  EXPECT_TRUE(ini.ReadBool("m", "c", true));
  EXPECT_FALSE(ini.ReadBool("m", "c", false));
  EXPECT_TRUE(ini.ReadBool("m", "absent", true));
}

TEST(IniRules, StringsTrimQuotesAndLength) {
  auto ini = IniText::Parse("[s]\n  a  =  x y  \nq=\"  in  \"\nh='ab'\nodd=\"ab'\nempty=\nnoeq\nlong=" +
                            std::string(3000, 'z') + "\n");
  EXPECT_EQ(ini.ReadString("s", "a", "d"), "x y");
  EXPECT_EQ(ini.ReadString("s", "q", "d"), "  in  ");
  EXPECT_EQ(ini.ReadString("s", "h", "d"), "ab");
  EXPECT_EQ(ini.ReadString("s", "odd", "d"), "\"ab'");
  EXPECT_EQ(ini.ReadString("s", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("s", "noeq", "d"), "d");
  EXPECT_EQ(ini.ReadString("s", "long", "d"), std::string(2047, 'z'));
  // The password keeps its trailing blank in the file; readers never see it.
  ini.WriteString("Hopvox Ips", "Main Server Password", "pw ");
  EXPECT_NE(ini.Format().find("Main Server Password=pw \n"), std::string::npos);
  EXPECT_EQ(ini.ReadString("Hopvox Ips", "Main Server Password", "d"), "pw");
}

TEST(IniRules, SectionPresenceAndKeyNames) {
  auto ini = IniText::Parse("[Hopvox timing]\nOther=1\n[c]\n;x=1\nnoeq\n=v\n[l]\nb=1\n;c=2\na=\n");
  EXPECT_TRUE(ini.SectionExists("hopvox TIMING"));
  EXPECT_EQ(ini.ReadInteger("Hopvox timing", "Timing", -1), -1);
  EXPECT_FALSE(ini.SectionExists("c"));  // comments and entries without a name or "=" are not keys
  EXPECT_FALSE(ini.SectionExists("absent"));
  EXPECT_EQ(ini.KeyNames("L"), (std::vector<std::string>{"b", "a"}));
  // 12 + 1819 * 9 + 1 bytes fill the list buffer exactly; the next name is not seen.
  std::string text = "[k]\na=1\nq=1\nr=1\nr2=1\nr3=1\n";
  for (int i = 0; i < 2000; ++i) text += "key" + std::to_string(100000 + i).substr(1) + "=1\n";
  auto names = IniText::Parse(text).KeyNames("k");
  ASSERT_EQ(names.size(), 5u + 1819u);
  EXPECT_EQ(names.back(), "key01818");
}

TEST(IniRules, WritesRefuseUnstorableNamesAndCutLineBreaks) {
  const std::string original = "[s]\r\nk=1\r\n";
  auto ini = IniText::Parse(original);
  for (const char* key : {"", "  ", "a=b", "[x]", "[x", "a\nb", "a\rb"}) EXPECT_FALSE(ini.WriteString("s", key, "v")) << key;
  for (const char* sec : {"", "a\nb"}) EXPECT_FALSE(ini.WriteString(sec, "k", "v"));
  EXPECT_FALSE(ini.WriteString("s", std::string("a\0b", 3), "v"));
  EXPECT_EQ(ini.Format(), original);
  EXPECT_TRUE(ini.WriteString("s", "k", "line1\r\n[evil]\r\nk=2"));
  EXPECT_TRUE(ini.WriteString(" s ", " ;odd ", std::string("a]\0b", 4)));
  EXPECT_EQ(ini.Format(), "[s]\r\nk=line1\r\n;odd=a]\r\n");
  EXPECT_EQ(ini.ReadString("s", ";odd", ""), "a]");
}

TEST(IniRules, DeleteRemovesEveryEntryOfTheKeyInTheSeenSection) {
  auto ini = IniText::Parse("[HopVoxIPs]\nA=1\nb=2\na=3\na\n[hopvoxips]\na=4\n");
  EXPECT_TRUE(ini.DeleteKey("HopVoxIps", "a"));
  EXPECT_EQ(ini.Format(), "[HopVoxIPs]\nb=2\n[hopvoxips]\na=4\n");
  EXPECT_FALSE(ini.DeleteKey("HopVoxIps", "a"));
  EXPECT_FALSE(ini.DeleteKey("absent", "b"));
  EXPECT_TRUE(ini.DeleteKey("HopVoxIps", "B"));
  EXPECT_EQ(ini.Format(), "[HopVoxIPs]\n[hopvoxips]\na=4\n");  // the header stays, as the platform leaves it
}
