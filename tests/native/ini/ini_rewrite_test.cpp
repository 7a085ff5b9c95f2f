#include <gtest/gtest.h>

#include <random>

#include "framework/logic/IniText.h"

using hopvox::IniText;

namespace {
std::string Written(const std::string& before, const char* section, const char* key, const char* value) {
  auto ini = IniText::Parse(before);
  EXPECT_TRUE(ini.WriteString(section, key, value));
  EXPECT_EQ(ini.ReadString(section, key, "?"), value);
  return ini.Format();
}
}  // namespace

TEST(IniRewrite, OnlyTheTouchedLineChanges) {
  const std::string file =
      "; Hopvox settings\r\n\r\n[Hopvox Ips]\r\n  BASE channel = old ; note\r\nunknown=keep\r\n"
      "odd line\n\r\n[Hopvox misc]\rautostart=1";
  EXPECT_EQ(Written(file, "Hopvox Ips", "Base Channel", "1.2.3.4"),
            "; Hopvox settings\r\n\r\n[Hopvox Ips]\r\n  BASE channel =1.2.3.4\r\nunknown=keep\r\n"
            "odd line\n\r\n[Hopvox misc]\rautostart=1");
  // A new key goes after the section's last line, before the blank line parting sections.
  EXPECT_EQ(Written(file, "hopvox ips", "Channel 1", "x"),
            "; Hopvox settings\r\n\r\n[Hopvox Ips]\r\n  BASE channel = old ; note\r\nunknown=keep\r\n"
            "odd line\nChannel 1=x\r\n\r\n[Hopvox misc]\rautostart=1");
  EXPECT_EQ(Written(file, "Hopvox misc", "Use Server", "0"),
            "; Hopvox settings\r\n\r\n[Hopvox Ips]\r\n  BASE channel = old ; note\r\nunknown=keep\r\n"
            "odd line\n\r\n[Hopvox misc]\rautostart=1\r\nUse Server=0\r\n");
  EXPECT_EQ(Written("", "Hopvox timing", "Timing", "70"), "[Hopvox timing]\r\nTiming=70\r\n");
  EXPECT_EQ(Written("[a]\nx=1", "b", "y", "2"), "[a]\nx=1\n\n[b]\ny=2\n");  // the file's own line breaks
  EXPECT_EQ(Written("[a]\n  flag  \n", "A", "FLAG", "1"), "[a]\n  flag=1\n");
}

// Hostile files: every byte of the input survives parsing, and a write changes
// what is read under the written key and nothing else.
TEST(IniRewrite, HostileFilesKeepTheirBytesAndOtherValues) {
  std::vector<std::string> files = {
      "", "\r\n\n\r", "[", "]", "[]", "=", "[S", "[S]x]\nk=v", std::string("[S]\0k=\0v\n\0", 11),
      "\xEF\xBB\xBF[S]\nk=1", std::string("[S]\n") + std::string(100000, 'v') + "=" + std::string(100000, 'w')};
  std::string many = "[S]\r\n";
  for (int i = 0; i < 2000; ++i) many += "k" + std::to_string(i) + "=" + std::to_string(i) + (i % 2 ? "\n" : "\r\n");
  files.push_back(many);
  std::mt19937 rng(7);
  const char alphabet[] = "[]=;\"' \t\r\n\x1a\x00\xA0\xC9\xE9kKsS01$x";
  for (int n = 0; n < 300; ++n) {
    std::string f(rng() % 120, ' ');
    for (char& c : f) c = rng() % 4 ? alphabet[rng() % (sizeof alphabet - 1)] : static_cast<char>(rng());
    files.push_back(f);
  }
  for (const std::string& f : files) {
    const auto before = IniText::Parse(f);
    ASSERT_EQ(before.Format(), f);
    std::vector<std::pair<std::string, std::string>> seen;
    for (const char* s : {"S", "s", "k", "\xC9", ""})
      for (const std::string& k : before.KeyNames(s)) seen.emplace_back(s, k);
    auto after = before;
    if (!after.WriteString("S", "k", "new")) continue;
    EXPECT_EQ(after.ReadString("S", "K", "?"), "new");
    EXPECT_EQ(IniText::Parse(after.Format()).ReadString("s", "k", "?"), "new");
    for (const auto& [s, k] : seen) {
      if ((s == "S" || s == "s") && (k == "k" || k == "K")) continue;
      EXPECT_EQ(after.ReadString(s, k, "?"), before.ReadString(s, k, "?")) << s << "/" << k;
    }
  }
  auto big = IniText::Parse(many);
  EXPECT_EQ(big.KeyNames("S").size(), 2000u);
  EXPECT_EQ(big.ReadInteger("s", "k1999", -1), 1999);
}
