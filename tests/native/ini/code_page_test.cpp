// Names and paths in a double-byte code page: trail bytes equal to letters,
// "]" or "\" belong to their character. The code page here is our own, laid
// out like Japanese Shift-JIS; under Wine the system's own one is tested.
#include <gtest/gtest.h>

#include "framework/logic/IniText.h"
#include "framework/logic/PictureFormat.h"
#include "ui/logic/Database.h"

namespace hopvox {
namespace {

class TDoubleByteCodePage final : public TAnsiCodePage {
 public:
  bool IsLeadByte(unsigned char c) const override {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
  }
  // ASCII letters fold; two-byte characters compare as they are.
  bool SameIgnoringCase(std::string_view a, std::string_view b) const override {
    std::size_t i = 0;
    for (; i < a.size() && i < b.size(); i += CharLength(a, i)) {
      const std::size_t n = CharLength(a, i);
      if (n != CharLength(b, i)) return false;
      if (n == 2 ? a.substr(i, 2) != b.substr(i, 2) : Lower(a[i]) != Lower(b[i])) return false;
    }
    return i == a.size() && i == b.size();
  }

 private:
  static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
};
const TDoubleByteCodePage kJapanese;

// "ア" and "ヂ": the same lead byte, trail bytes "A" and "a".
const std::string kA = "\x83\x41", kDi = "\x83\x61";
// "ソフト表": two of its trail bytes are "\".
const std::string kSoftTable = "\x83\x5C\x83\x74\x83\x67\x95\x5C";
// "表"
const std::string kTable = "\x95\x5C";

TEST(CodePage, NamesDifferingOnlyInATrailByteAreTwoKeys) {
  IniText ini(kJapanese);
  ASSERT_TRUE(ini.WriteString("HopVoxIPs", kA, "1.1.1.1"));
  ASSERT_TRUE(ini.WriteString("HopVoxIPs", kDi, "2.2.2.2"));
  EXPECT_EQ(ini.Format(), "[HopVoxIPs]\r\n" + kA + "=1.1.1.1\r\n" + kDi + "=2.2.2.2\r\n");
  EXPECT_EQ(ini.ReadString("HopVoxIps", kA, "error"), "1.1.1.1");
  EXPECT_EQ(ini.KeyNames("HopVoxIps"), (std::vector<std::string>{kA, kDi}));
  // Letters still fold where they are characters of their own, also after a
  // two-byte character.
  EXPECT_TRUE(ini.WriteString("hopvoxips", kA + "x", "3"));
  EXPECT_EQ(ini.ReadString("HOPVOXIPS", kA + "X", ""), "3");
  EXPECT_TRUE(ini.DeleteKey("HopVoxIps", kDi));
  EXPECT_EQ(ini.ReadString("HopVoxIps", kA, "error"), "1.1.1.1");
  EXPECT_EQ(ini.ReadString("HopVoxIps", kDi, "error"), "error");
  EXPECT_TRUE(SameIniName(" " + kA + "b", kA + "B ", kJapanese));
  EXPECT_FALSE(SameIniName(kA, kDi, kJapanese));
  // The database list keeps one entry per key.
  EXPECT_EQ(PlanAdd(kDi, {"b", kA}, kJapanese).existing, -1);
  EXPECT_EQ(PlanAdd(kA + "B", {"b", kA + "b"}, kJapanese).existing, 1);

  // The Western code page folds every byte: there the two names are one key.
  IniText western(WesternCodePage());
  western.WriteString("HopVoxIPs", kA, "1.1.1.1");
  western.WriteString("HopVoxIPs", kDi, "2.2.2.2");
  EXPECT_EQ(western.Format(), "[HopVoxIPs]\r\n" + kA + "=2.2.2.2\r\n");
}

TEST(CodePage, ASectionNameEndsAtARealBracket) {
  // "[ゾ": its trail byte is "]", yet the line opens no section.
  const std::string text = "[\x83\x5D\r\nk=1\r\n[" + kSoftTable + "]\r\nk=2\r\n";
  const IniText ini = IniText::Parse(text, kJapanese);
  EXPECT_EQ(ini.ReadString("\x83", "k", "none"), "none");
  EXPECT_EQ(ini.ReadString("", "k", "none"), "1");
  EXPECT_EQ(ini.ReadString(kSoftTable, "k", "none"), "2");
  EXPECT_EQ(IniText::Parse(text, WesternCodePage()).ReadString("\x83", "k", "none"), "1");
}

TEST(CodePage, PathsSplitAtRealDelimitersOnly) {
  const std::string program = "C:\\" + kSoftTable + "\\hopvox.exe";
  EXPECT_EQ(FolderLength(program, kJapanese), 3 + kSoftTable.size() + 1);
  // A file name whose last byte is "\" is still a file name.
  EXPECT_EQ(FolderLength("C:\\x\\" + kTable, kJapanese), 5u);
  EXPECT_EQ(FolderLength("C:/x/" + kTable + ".exe", kJapanese), 5u);
  EXPECT_EQ(FolderLength(kTable, kJapanese), 0u);
  EXPECT_EQ(FolderLength("C:\\x\\" + kTable, WesternCodePage()), 7u);

  EXPECT_EQ(FileExtension("C:\\" + kSoftTable + "\\logo.JPG", kJapanese), ".JPG");
  EXPECT_EQ(PictureFormatOf("C:\\" + kSoftTable + "\\logo.JPG", kJapanese), TPictureFormat::Jpeg);
  EXPECT_EQ(FileExtension("C:\\x\\logo." + kTable, kJapanese), "." + kTable);
  EXPECT_EQ(FileExtension("C:\\x.y\\" + kTable, kJapanese), "");
  EXPECT_EQ(PictureFormatOf("C:\\x.bmp\\" + kTable, kJapanese), TPictureFormat::Unknown);
}

}  // namespace
}  // namespace hopvox
