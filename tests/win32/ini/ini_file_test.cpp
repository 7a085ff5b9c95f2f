#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "framework/IniFile.h"
#include "ini_test_folder.h"

using hopvox::TIniFile;

namespace {
const std::string kFolder = IniTestFolder("ini_file");

void ExpectWriteFails(const std::function<void()>& write, const std::string& path) {
  try {
    write();
    ADD_FAILURE() << "no error";
  } catch (const hopvox::EIniFileError& e) {
    EXPECT_EQ(e.what(), "Unable to write to " + path);
  }
}
}  // namespace

TEST(IniFile, EveryCallSeesTheFileAsItIsNow) {
  const std::string path = kFolder + "Hopvox.ini";
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Hopvox timing", "Timing", -1), -1);
  ini.WriteInteger("Hopvox timing", "Timing", 70);
  EXPECT_EQ(ReadBytes(path), "[Hopvox timing]\r\nTiming=70\r\n");
  WriteBytes(path, "; by hand\n[hopvox timing]\nTIMING=0x46\nOther=1\n");
  EXPECT_EQ(ini.ReadInteger("Hopvox timing", "Timing", -1), 70);
  ini.WriteBool("Hopvox misc", "autostart", false);
  ini.DeleteKey("Hopvox timing", "Other");
  ini.DeleteKey("Hopvox timing", "absent");
  EXPECT_EQ(ReadBytes(path),
            "; by hand\n[hopvox timing]\nTIMING=0x46\n\n[Hopvox misc]\nautostart=0\n");
  EXPECT_EQ(ini.ReadSection("HOPVOX TIMING"), std::vector<std::string>{"TIMING"});
  // Binary bytes, NUL and Ctrl-Z (an end of file to text-mode readers) pass through untouched.
  const char raw[] = "[a]\n\0\x1a\xff\r\n[Hopvox timing]\nTiming=1";
  WriteBytes(path, std::string(raw, sizeof raw - 1));
  ini.WriteInteger("Hopvox timing", "Timing", 90);
  EXPECT_EQ(ReadBytes(path), std::string(raw, sizeof raw - 2) + "90");
}

TEST(IniFile, FailedWritesLeaveTheFileAsItWas) {
  const std::string path = kFolder + "ReadOnly.ini",
                    original = "[Hopvox key modifier]\r\nModifier=1\r\n";
  WriteBytes(path, original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  TIniFile ini(path);
  ExpectWriteFails([&] { ini.WriteInteger("Hopvox key modifier", "Modifier", 2); }, path);
  ExpectWriteFails([&] { ini.WriteInteger("Hopvox key modifier", "Modifier", 1); },
                   path);  // even unchanged
  ExpectWriteFails([&] { ini.DeleteKey("Hopvox key modifier", "Modifier"); }, path);
  ini.DeleteKey("Hopvox key modifier", "absent");
  EXPECT_EQ(ReadBytes(path), original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  // A file we cannot read must not be replaced by one holding only the new key.
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(ini.ReadInteger("Hopvox key modifier", "Modifier", -1), -1);
  ExpectWriteFails([&] { ini.WriteString("Hopvox misc", "Use Server", "1"); }, path);
  CloseHandle(lock);
  const std::string nowhere = kFolder + "missing\\Hopvox.ini";
  ExpectWriteFails([&] { TIniFile(nowhere).WriteString("a", "b", "c"); }, nowhere);
  // A key the format cannot hold is the name's fault, not the disk's.
  try {
    ini.WriteString("a", "b=c", "d");
    ADD_FAILURE() << "no error";
  } catch (const hopvox::EIniNameError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot write \"b=c\" to " + path + ": a key name cannot contain \"=\"");
  }
  EXPECT_EQ(ReadBytes(path), original);
  WIN32_FIND_DATAA found;
  EXPECT_EQ(FindFirstFileA((kFolder + "*.tmp").c_str(), &found),
            INVALID_HANDLE_VALUE);  // none left behind
}
