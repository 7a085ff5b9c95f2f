// Our reader against the platform's GetPrivateProfileStringA on generated files:
// values and key lists under case variants, blanks, quotes, odd lines, long
// values and sections crowded past the key-list buffer.
//
// Deliberate differences, kept out of the generated files:
// - A value of exactly 2047 characters between quotes: the platform returns
//   2046 (it drops a real character); we return all 2047.
// - A key list overflowing the 16384-byte buffer: the platform hands back the
//   first part of the name that did not fit; we leave that name out (checked).
// - An entry without a name ("=value", or a name starting with NUL): the
//   platform lists an empty name, which ends the NUL-separated list and hides
//   every later name of the section; we skip it and list the rest.
// - Case: we fold every letter of the system's code page ("\xC9" matches
//   "\xE9" in the Western one) as Windows does; Wine folds only A-Z.
// - Files starting with a UTF-8 or UTF-16 byte-order mark: the platform converts
//   the text; we keep the bytes (skipping a UTF-8 mark), and read a UTF-16 file
//   as holding nothing.
// - Defaults: the platform drops trailing blanks from the default; we return it unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>

#include "framework/IniFile.h"
#include "framework/SystemCodePage.h"
#include "framework/logic/IniText.h"
#include "ini_test_folder.h"

namespace {

const char* const kSections[] = {"Hopvox keys", "Hopvox Ips", "s",    "\xC9t\xE9",
                                 "a]b",         "[x",         "crowd"};
const char* const kKeys[] = {"Base channel", "Channel 1", "k",    "\xC0\xFF",
                             "\x8A\x9Ez",    ";c",        "[y",   "a b",
                             "noequals",     "[Unclosed", "key7", "KEY12nn"};

struct Generator {
  std::mt19937 rng{2026};
  std::size_t Pick(std::size_t n) { return rng() % n; }
  template <typename T, std::size_t N>
  const T& Of(const T (&items)[N]) {
    return items[Pick(N)];
  }
  std::string Cased(std::string s) {
    for (char& c : s)
      if (Pick(2) && ((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) c ^= 0x20;
    return s;
  }
  std::string Blanks() { return Of({"", "", " ", "\t", "  \t", "\x1a", "\v", "\f "}); }
  std::string Eol() { return Of({"\r\n", "\r\n", "\n", "\r"}); }
  std::string Value() {
    switch (Pick(6)) {
      case 0:
        return std::string(Of({0, 1, 2046, 2047, 2048, 3000}), 'v');
      case 1:
        return '"' + std::string(Of({0, 1, 2045, 2046, 2048}), 'q') + '"';
      case 2:
        return Of({"\"a\"", "'a'", "\"a'", "\"", "'", "\" a \"", "\"\"x", "a\"b\""});
      case 3:
        return {static_cast<char>(1 + Pick(255)), 'x', static_cast<char>(1 + Pick(255))};
      default:
        return Of({"1.2.3.4", "a b", "x=y", "[s]", ";c", "\xA0z\xA0", "\x85", "pw ", "0x46"});
    }
  }
  std::string File() {
    std::string f;
    for (std::size_t i = 0, lines = Pick(40); i < lines; ++i, f += Eol()) {
      std::size_t kind = Pick(10);
      if (kind < 2)
        f +=
            Blanks() + "[" + Blanks() + Cased(Of(kSections)) + Blanks() + "]" + Of({"", " x", "]"});
      else if (kind == 2)
        f += Of({"[Unclosed", "noequals", "  ", "\x1a", "[", "]", "[]", "k", "Channel 1"});
      else if (kind == 3 && Pick(12) == 0)  // crowded: runs past the key-list buffer
        for (std::size_t n = 0, count = 1500 + Pick(1000); n < count; ++n)
          f.append("key").append(std::to_string(n)).append(Pick(6), 'n').append("=1").append(Eol());
      else if (kind > 3)
        f += Blanks() + Cased(Of(kKeys)) + Blanks() + "=" + Blanks() + Value() + Blanks();
    }
    return f;
  }
};

}  // namespace

TEST(IniDifferential, ReadsMatchThePlatformReader) {
  const std::string folder = IniTestFolder("ini_diff");
  Generator g;
  int found = 0, listed = 0, cut = 0;
  for (int n = 0; n < 300; ++n) {
    const std::string path =
        folder + "f" + std::to_string(n) + ".ini";  // a new name each: no stale cache
    const std::string bytes = g.File();
    WriteBytes(path, bytes);
    const hopvox::TIniFile ini(path);
    const auto text = hopvox::IniText::Parse(
        bytes, hopvox::SystemCodePage());  // values from the text: not 25,000 file reads
    for (const char* section : kSections) {
      // Blanks around the name count for a list, not for a value.
      const std::string s =
          g.Pick(4) ? g.Cased(section) : g.Blanks() + g.Cased(section) + g.Blanks();
      std::vector<char> buf(hopvox::kIniKeyListBytes);
      const bool full = GetPrivateProfileStringA(s.c_str(), nullptr, "", buf.data(), buf.size(),
                                                 path.c_str()) == buf.size() - 2;
      std::vector<std::string> platform, ours = ini.ReadSection(s);
      for (const char* p = buf.data(); *p; p += platform.back().size() + 1)
        platform.emplace_back(p);
      if (full && ours.size() + 1 == platform.size()) platform.pop_back();
      EXPECT_EQ(ours, platform) << path << " [" << s << "]";
      EXPECT_EQ(ini.SectionExists(s), !platform.empty());
      listed += !ours.empty();
      cut += full;
      const std::string sv = g.Blanks() + g.Cased(section) + g.Blanks();
      for (const char* k : kKeys) {
        const std::string key = g.Blanks() + g.Cased(k) + g.Blanks();
        GetPrivateProfileStringA(sv.c_str(), key.c_str(), "DEF", buf.data(), 2048, path.c_str());
        ASSERT_EQ(text.ReadString(sv, key, "DEF"), buf.data()) << path << " [" << sv << "] " << key;
        found += std::string(buf.data()) != "DEF";
      }
    }
  }
  // The generated files must reach the cases that matter, or the comparison proves little.
  EXPECT_GT(found, 500);
  EXPECT_GT(listed, 150);
  EXPECT_GT(cut, 5);
}
