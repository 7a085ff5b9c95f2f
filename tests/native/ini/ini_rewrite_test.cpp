#include <gtest/gtest.h>

#include <random>

#include "framework/logic/IniText.h"

using hopvox::IniText;

namespace {
// Names in the Western code page, the same on every machine.
IniText Parse(std::string_view bytes) { return IniText::Parse(bytes, hopvox::WesternCodePage()); }
}  // namespace

namespace {
std::string Written(const std::string& before, const char* section, const char* key,
                    const char* value) {
  auto ini = Parse(before);
  EXPECT_TRUE(ini.WriteString(section, key, value));
  return ini.Format();
}
}  // namespace

TEST(IniRewrite, OnlyTheTouchedLineChanges) {
  const std::string head = "; Hopvox settings\r\n\r\n[Hopvox Ips]\r\n",
                    tail = "\r\n[Hopvox misc]\rautostart=1";
  const std::string file =
      head + "  BASE channel = old ; note\r\nunknown=keep\r\nodd line\n" + tail;
  EXPECT_EQ(Written(file, "Hopvox Ips", "Base Channel", "1.2.3.4"),
            head + "  BASE channel =1.2.3.4\r\nunknown=keep\r\nodd line\n" + tail);
  // A new key goes after the section's last line, before the blank line parting sections.
  EXPECT_EQ(
      Written(file, "hopvox ips", "Channel 1", "x"),
      head + "  BASE channel = old ; note\r\nunknown=keep\r\nodd line\nChannel 1=x\r\n" + tail);
  EXPECT_EQ(Written(file, "Hopvox misc", "Use Server", "0"), file + "\r\nUse Server=0\r\n");
  EXPECT_EQ(Written("", "Hopvox timing", "Timing", "70"), "[Hopvox timing]\r\nTiming=70\r\n");
  EXPECT_EQ(Written("[a]\nx=1", "b", "y", "2"),
            "[a]\nx=1\n\n[b]\ny=2\n");  // the file's own line breaks
  EXPECT_EQ(Written("[a]\n  flag  \n", "A", "FLAG", "1"), "[a]\n  flag=1\n");
}

// Hostile files: every byte survives parsing, and a write changes what is
// read under the written key and nothing else.
TEST(IniRewrite, HostileFilesKeepTheirBytesAndOtherValues) {
  std::string many = "[S]\r\n";
  for (int i = 0; i < 2000; ++i)
    many += "k" + std::to_string(i) + "=" + std::to_string(i) + (i % 2 ? "\n" : "\r\n");
  std::vector<std::string> files = {"",
                                    "\r\n\n\r",
                                    "[",
                                    "[]",
                                    "=",
                                    "[S",
                                    "[S]x]\nk=v",
                                    std::string("[S]\0k=\0v\n\0", 11),
                                    "\xEF\xBB\xBF[S]\nk=1",
                                    "[S]\nbig=" + std::string(100000, 'w'),
                                    "[S]\n" + std::string(100000, 'v') + "=w",
                                    many};
  std::mt19937 rng(7);
  const char alphabet[] = "[]=;\"' \t\r\n\x1a\x00\xA0\xC9\xE9kKsS01$x";
  for (int n = 0; n < 300; ++n) {
    std::string f(rng() % 120, ' ');
    for (char& c : f)
      c = rng() % 4 ? alphabet[rng() % (sizeof alphabet - 1)] : static_cast<char>(rng());
    files.push_back(f);
  }
  for (const std::string& f : files) {
    const auto before = Parse(f);
    ASSERT_EQ(before.Format(), f);
    auto after = before;
    if (!after.WriteString("S", "k", "new")) continue;
    EXPECT_EQ(Parse(after.Format()).ReadString("s", "K", "?"), "new");
    for (const char* s : {"S", "\xC9", ""})
      for (const std::string& k : before.KeyNames(s)) {
        if (s[0] == 'S' && (k == "k" || k == "K")) continue;
        EXPECT_EQ(after.ReadString(s, k, "?"), before.ReadString(s, k, "?"));
      }
  }
  EXPECT_EQ(Parse(files[9]).ReadString("s", "BIG", ""), std::string(2047, 'w'));
  EXPECT_EQ(Parse(many).KeyNames("S").size(), 2000u);
  EXPECT_EQ(Parse(many).ReadInteger("s", "k1999", -1), 1999);
}
