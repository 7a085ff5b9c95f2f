// Writes where the settings file cannot simply be replaced by a new one: it
// has a second name, or its folder refuses new files. The second case needs
// a user that file permissions apply to (see tests/e2e/failure/unprivileged.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/IniFile.h"
#include "ini_test_folder.h"

using hopvox::TIniFile;

namespace {

bool NoTemporaryFilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*.tmp").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return true;
  FindClose(h);
  return false;
}

}  // namespace

TEST(IniInPlace, AFileWithTwoNamesShowsTheWriteUnderBoth) {
  const std::string folder = IniTestFolder("ini_in_place");
  const std::string path = folder + "Hopvox.ini", other = folder + "linked.ini";
  WriteBytes(path, "[Hopvox timing]\r\nTiming=70\r\n");
  ASSERT_TRUE(CreateHardLinkA(other.c_str(), path.c_str(), nullptr));
  TIniFile(path).WriteInteger("Hopvox timing", "Timing", 90);
  EXPECT_EQ(ReadBytes(path), "[Hopvox timing]\r\nTiming=90\r\n");
  EXPECT_EQ(ReadBytes(other), "[Hopvox timing]\r\nTiming=90\r\n");
  // Shorter than before: nothing of the old text is left at the end.
  TIniFile(other).DeleteKey("Hopvox timing", "Timing");
  EXPECT_EQ(ReadBytes(path), "[Hopvox timing]\r\n");
  EXPECT_TRUE(NoTemporaryFilesIn(folder));
}

// Folder prepared by root: writable.ini is the user's, locked.ini is not.
TEST(UnprivilegedIni, AFolderThatRefusesNewFilesStillTakesWritesToAWritableFile) {
  const char* root = std::getenv("HOPVOX_UNPRIVILEGED_ROOT");
  if (!root) GTEST_SKIP() << "run by unprivileged.sh as a user that permissions apply to";
  const std::string folder = std::string(root) + "\\ini\\";
  // The set-up holds: this user may not add a file here.
  HANDLE probe = CreateFileA((folder + "probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             0, nullptr);
  ASSERT_EQ(probe, INVALID_HANDLE_VALUE);

  TIniFile writable(folder + "writable.ini");
  writable.WriteInteger("Hopvox key modifier", "Modifier", 3);
  writable.WriteString("Hopvox misc", "Use Server", "1");
  EXPECT_EQ(ReadBytes(folder + "writable.ini"),
            "[Hopvox key modifier]\r\nModifier=3\r\n\r\n[Hopvox misc]\r\nUse Server=1\r\n");

  // A file the user may not write still fails, and is left as it was.
  const std::string locked = folder + "locked.ini";
  try {
    TIniFile(locked).WriteInteger("Hopvox key modifier", "Modifier", 3);
    ADD_FAILURE() << "no error";
  } catch (const hopvox::EIniFileError& e) {
    EXPECT_EQ(e.what(), "Unable to write to " + locked);
  }
  EXPECT_EQ(ReadBytes(locked), "[Hopvox key modifier]\r\nModifier=1\r\n");
  EXPECT_TRUE(NoTemporaryFilesIn(folder));
}
