// Names and paths in the system's code page, against the platform's own
// profile reader and writer on the same names. tests/e2e/locale/locales.sh
// runs this with a Japanese and with a Russian system locale.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../ini/ini_test_folder.h"
#include "framework/IniFile.h"
#include "framework/ModulePath.h"
#include "framework/SystemCodePage.h"
#include "framework/logic/IniText.h"

namespace {

using hopvox::SystemCodePage;

struct NamePair {
  std::string a, b;
};

// Pairs the platform reader and ours must agree on, for the code page in use:
// names that differ in a trail byte or are other letters, and ASCII case.
std::vector<NamePair> AgreedPairs() {
  std::vector<NamePair> pairs{{"Alpha", "ALPHA"}, {"Alpha", "Alpha2"}};
  if (GetACP() == 932) {
    pairs.push_back({"\x83\x41", "\x83\x61"});                  // ア, ヂ
    pairs.push_back({"\x83\x5C", "\x83\x5D"});                  // ソ, ゾ: trail bytes "\", "]"
    pairs.push_back({"\x83\x41z", "\x83\x41Z"});                // アz, アZ
    pairs.push_back({"\x95\x5C\x83\x41", "\x95\x5C\x83\x61"});  // 表ア, 表ヂ
  } else if (GetACP() == 1251) {
    pairs.push_back({"\xA8", "\xC5"});  // Ё, Е
    pairs.push_back({"\x9F", "\xFF"});  // џ, я: the Western table folds them as Ÿ, ÿ
    pairs.push_back({"\xD7", "\xD8"});  // Ч, Ш
  }
  return pairs;
}

// Upper and lower case of letters beyond ASCII. Wine's profile reader folds
// only A-Z, so here the platform's case-blind comparison is the reference.
std::vector<NamePair> CasePairs() {
  if (GetACP() == 932) return {{"\x82\x60", "\x82\x81"}, {"\x84\x40", "\x84\x70"}};  // Ａａ, Аа
  if (GetACP() == 1251)
    return {{"\xCF\xD0\xC8\xC2\xC5\xD2", "\xEF\xF0\xE8\xE2\xE5\xF2"},  // ПРИВЕТ, привет
            {"\xA8", "\xB8"},                                          // Ё, ё
            {"\xD7", "\xF7"}};  // Ч, ч: the Western table leaves them apart (×, ÷)
  return {};
}

int PlatformKeyCount(const std::string& path) {
  std::vector<char> buf(4096);
  GetPrivateProfileStringA("HopVoxIPs", nullptr, "", buf.data(), static_cast<DWORD>(buf.size()),
                           path.c_str());
  int n = 0;
  for (const char* p = buf.data(); *p; p += lstrlenA(p) + 1) ++n;
  return n;
}

std::string PlatformRead(const std::string& path, const std::string& key) {
  char buf[256];
  GetPrivateProfileStringA("HopVoxIps", key.c_str(), "error", buf, sizeof buf, path.c_str());
  return buf;
}

// The locale script names the code page it chose: a locale missing on the
// machine would leave Wine on the Western one and test nothing new.
TEST(SystemCodePage, IsTheOneTheLocaleChose) {
  const char* expected = std::getenv("HOPVOX_EXPECT_ACP");
  if (!expected) GTEST_SKIP() << "run without a locale chosen";
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST(SystemCodePage, LeadBytesAreThePlatforms) {
  for (int c = 0; c < 256; ++c)
    EXPECT_EQ(SystemCodePage().IsLeadByte(static_cast<unsigned char>(c)),
              IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE)
        << c;
  if (GetACP() == 932) {
    // "C:\x\表": the file name's trail byte is "\"; the folder is "C:\x\".
    EXPECT_EQ(hopvox::FolderLength("C:\\x\\\x95\x5C", SystemCodePage()), 5u);
  }
}

TEST(SystemCodePage, NamesAreTheSameWhereThePlatformReaderFindsThem) {
  const std::string folder = IniTestFolder("locale_names");
  int n = 0;
  for (const NamePair& p : AgreedPairs()) {
    const std::string ours = folder + "ours" + std::to_string(n) + ".ini";
    const std::string platform = folder + "platform" + std::to_string(n++) + ".ini";
    hopvox::TIniFile ini(ours);
    ini.WriteString("HopVoxIPs", p.a, "1.1.1.1");
    ini.WriteString("HopVoxIPs", p.b, "2.2.2.2");
    WritePrivateProfileStringA("HopVoxIPs", p.a.c_str(), "1.1.1.1", platform.c_str());
    WritePrivateProfileStringA("HopVoxIPs", p.b.c_str(), "2.2.2.2", platform.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, platform.c_str());  // flush its cache

    const hopvox::TIniFile written(platform);
    EXPECT_EQ(ini.ReadSection("HopVoxIps").size(), written.ReadSection("HopVoxIps").size())
        << p.a << " / " << p.b;
    EXPECT_EQ(PlatformKeyCount(ours), PlatformKeyCount(platform)) << p.a << " / " << p.b;
    for (const std::string& name : {p.a, p.b}) {
      EXPECT_EQ(PlatformRead(ours, name), ini.ReadString("HopVoxIps", name, "error")) << name;
      EXPECT_EQ(written.ReadString("HopVoxIps", name, "error"), PlatformRead(platform, name))
          << name;
    }
    const bool oneKey = ini.ReadSection("HopVoxIps").size() == 1;
    ini.DeleteKey("HopVoxIps", p.b);
    EXPECT_EQ(PlatformRead(ours, p.b), "error") << p.b;
    EXPECT_EQ(PlatformRead(ours, p.a), oneKey ? "error" : "1.1.1.1") << p.a;
  }
}

TEST(SystemCodePage, LettersFoldAsTheSystemFoldsThem) {
  const auto pairs = CasePairs();
  if (pairs.empty()) GTEST_SKIP() << "no letters beyond ASCII listed for code page " << GetACP();
  for (const NamePair& p : pairs) {
    EXPECT_EQ(lstrcmpiA(p.a.c_str(), p.b.c_str()), 0) << p.a << " / " << p.b;
    EXPECT_TRUE(hopvox::SameIniName(p.a, p.b, SystemCodePage())) << p.a << " / " << p.b;
  }
}

// A folder named in Georgian, which neither code page spells: the ANSI
// calls get its short name; without one (here: the folder gone) nothing,
// never a name with "?" for the letters, which start-up then says plainly.
TEST(SystemCodePage, AFolderNameItCannotSpellGoesByItsShortNameOrNotAtAll) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_TRUE(GetTempPathW(MAX_PATH, temp));
  const std::wstring folder = std::wstring(temp) + L"\x10E5\x10D0\x10E0\x10D7";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  const std::string path = hopvox::AnsiPathOf(folder);
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
  RemoveDirectoryW(folder.c_str());
  EXPECT_EQ(path.find('?'), std::string::npos) << path;
  EXPECT_EQ(hopvox::AnsiPathOf(folder), "");
}

}  // namespace
