// Our reader against the platform's own GetPrivateProfileStringA on generated
// files: values and key lists under case variants, blanks, quotes, odd lines,
// long values and crowded sections.
//
// Deliberate differences, kept out of the generated files:
// - A value of exactly 2047 characters between quotes: the platform drops its
//   last character (2046 come back); we return all 2047.
// - A key list that overflows the 16384-byte buffer: the platform hands back
//   the first part of the name that did not fit; we leave that name out, as it
//   is not a name in the file. (Checked below: ours is the platform's list
//   without its cut-off tail.)
// - An entry without a name ("=value", or a name starting with a NUL byte):
//   the platform lists it as an empty name, which ends the NUL-separated list,
//   so every later name of the section is lost to the reader; we leave the
//   nameless entry out and list the rest.
// - Files starting with a UTF-8 or UTF-16 byte-order mark: the platform
//   converts their text; we keep the bytes (a UTF-8 mark before the first line
//   is skipped), and do not understand UTF-16 files (every read gives the default).
// - Case: we fold the accented letters of the Western ANSI code page
//   ("\xC9" matches "\xE9") as Windows does; Wine folds only A-Z.
// - Defaults: the platform removes trailing blanks from the default it returns;
//   we return the caller's default unchanged.
#include <gtest/gtest.h>

#include <random>

#include "framework/IniFile.h"
#include "framework/logic/IniText.h"
#include "ini_test_folder.h"

namespace {

struct Generator {
  std::mt19937 rng;
  explicit Generator(unsigned seed) : rng(seed) {}
  std::size_t Pick(std::size_t n) { return rng() % n; }
  template <typename T, std::size_t N>
  const T& Of(const T (&items)[N]) { return items[Pick(N)]; }

  std::string Cased(std::string s) {
    for (char& c : s) {
      unsigned char u = static_cast<unsigned char>(c);
      if (Pick(2) && ((u | 0x20) >= 'a' && (u | 0x20) <= 'z')) c = static_cast<char>(u ^ 0x20);
    }
    return s;
  }
  std::string Blanks() { return std::string(Of({"", "", " ", "\t", "  \t", "\x1a", "\v", "\f "})); }
  std::string Eol() { return Of({"\r\n", "\r\n", "\n", "\r"}); }
  std::string Value() {
    switch (Pick(8)) {
      case 0: return std::string(Of({0, 1, 2046, 2047, 2048, 3000}), 'v');
      case 1: {
        std::string quoted(Of({0, 1, 2045, 2046, 2048}) + 2, 'q');
        quoted.front() = quoted.back() = '"';
        return quoted;
      }
      case 2: return Of({"\"a\"", "'a'", "\"a'", "\"", "'", "\" a \"", "\"\"x", "a\"b\""});
      case 3: return Of({"0x46", "$46", "-1", "49", "12a", "0X", "$"});
      case 4: return std::string(1, static_cast<char>(1 + Pick(255))) + "x" + std::string(1, static_cast<char>(1 + Pick(255)));
      default: return Of({"1.2.3.4", "a b", "x=y", "[s]", ";c", "\xA0z\xA0", "\x85", "pw "});
    }
  }
};

const char* const kSections[] = {"Hopvox keys", "Hopvox Ips", "s", "\xC9t\xE9", "a]b", "[x"};
const char* const kQueried[] = {"Hopvox keys", "Hopvox Ips", "s", "\xC9t\xE9", "a]b", "[x", "crowd"};
const char* const kKeys[] = {"Base channel", "Channel 1", "k", "\xC0\xFF", "\x8A\x9Ez", ";c", "[y", "a b"};

std::string MakeFile(Generator& g) {
  std::string f;
  const std::size_t lines = g.Pick(40);
  for (std::size_t i = 0; i < lines; ++i) {
    switch (g.Pick(10)) {
      case 0: case 1:
        f += g.Blanks() + "[" + g.Blanks() + g.Cased(g.Of(kSections)) + g.Blanks() + "]" + g.Of({"", " x", "]"});
        break;
      case 2:
        f += g.Of({"[Unclosed", "noequals", "  ", "\x1a", "[", "]", "[]", "k", "Channel 1"});
        break;
      case 3:
        if (g.Pick(12) == 0) {  // crowded: runs past the key list buffer
          f += "[Crowd]" + g.Eol();
          for (std::size_t n = 0, count = 1500 + g.Pick(1000); n < count; ++n)
            f.append("key").append(std::to_string(n)).append(g.Pick(6), 'n').append("=1").append(g.Eol());
        }
        break;
      default:
        f += g.Blanks() + g.Cased(g.Of(kKeys)) + g.Blanks() + "=" + g.Blanks() + g.Value() + g.Blanks();
    }
    f += g.Eol();
  }
  return f;
}

std::vector<std::string> PlatformKeyNames(const std::string& path, const std::string& section, bool& cut) {
  std::vector<char> buf(hopvox::kIniKeyListBytes);
  DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(), buf.size(), path.c_str());
  cut = n == buf.size() - 2;
  std::vector<std::string> names;
  for (const char* p = buf.data(); *p; p += names.back().size() + 1) names.emplace_back(p);
  return names;
}

}  // namespace

TEST(IniDifferential, ReadsMatchThePlatformReader) {
  const std::string folder = IniTestFolder("ini_diff");
  Generator g(2026);
  int found = 0, nlisted = 0, cutlists = 0;
  for (int n = 0; n < 300; ++n) {
    const std::string path = folder + "f" + std::to_string(n) + ".ini";  // a new name each: no stale cache
    const std::string bytes = MakeFile(g);
    WriteBytes(path, bytes);
    const hopvox::TIniFile ini(path);
    const auto text = hopvox::IniText::Parse(bytes);  // values read from the text, not 26,000 file reads
    for (const char* section : kQueried) {
      // Blanks around the name count for a list, not for a value.
      const std::string listed = g.Pick(4) ? g.Cased(section) : g.Blanks() + g.Cased(section) + g.Blanks();
      bool cut = false;
      std::vector<std::string> platform = PlatformKeyNames(path, listed, cut);
      std::vector<std::string> ours = ini.ReadSection(listed);
      if (cut && ours.size() + 1 == platform.size()) platform.pop_back();
      nlisted += !ours.empty();
      cutlists += cut;
      EXPECT_EQ(ours, platform) << path << " [" << listed << "]";
      EXPECT_EQ(ini.SectionExists(listed), !platform.empty());
      const std::string s = g.Blanks() + g.Cased(section) + g.Blanks();
      std::vector<std::string> keys(std::begin(kKeys), std::end(kKeys));
      keys.insert(keys.end(), {"noequals", "[Unclosed", "key7", "KEY12nn"});
      for (const std::string& k : keys) {
        const std::string key = g.Blanks() + g.Cased(k) + g.Blanks();
        char buf[2048];
        GetPrivateProfileStringA(s.c_str(), key.c_str(), "DEF", buf, sizeof buf, path.c_str());
        if (strcmp(buf, "DEF")) ++found;
        ASSERT_EQ(text.ReadString(s, key, "DEF"), buf) << path << " [" << s << "] " << key;
      }
    }
  }
  // The generated files must reach the cases that matter, or the comparison proves little.
  EXPECT_GT(found, 500);
  EXPECT_GT(nlisted, 150);
  EXPECT_GT(cutlists, 5);
}
