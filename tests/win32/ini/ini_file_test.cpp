#include <gtest/gtest.h>

#include <functional>

#include "framework/IniFile.h"
#include "ini_test_folder.h"

using hopvox::EIniFileError;
using hopvox::TIniFile;

namespace {
const std::string kFolder = IniTestFolder("ini_file");

int TempFilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*.tmp").c_str(), &found);
  int n = 0;
  if (h != INVALID_HANDLE_VALUE) {
    do n += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(h, &found));
    FindClose(h);
  }
  return n;
}

void ExpectWriteFails(const std::function<void()>& write, const std::string& path) {
  try {
    write();
    ADD_FAILURE() << "no error";
  } catch (const EIniFileError& e) {
    EXPECT_STREQ(e.what(), ("Unable to write to " + path).c_str());
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
  ini.UpdateFile();
  EXPECT_EQ(ReadBytes(path), "; by hand\n[hopvox timing]\nTIMING=0x46\n\n[Hopvox misc]\nautostart=0\n");
  EXPECT_EQ(ini.ReadSection("HOPVOX TIMING"), std::vector<std::string>{"TIMING"});
  EXPECT_EQ(TempFilesIn(kFolder), 0);

  // Binary bytes, NUL and Ctrl-Z (an end of file to text-mode readers) pass through untouched.
  const char raw[] = "[a]\n\0\x1a\xff\r\n[Hopvox timing]\nTiming=1";
  const std::string odd(raw, sizeof raw - 1);
  WriteBytes(path, odd);
  ini.WriteInteger("Hopvox timing", "Timing", 90);
  EXPECT_EQ(ReadBytes(path), odd.substr(0, odd.size() - 1) + "90");
}

TEST(IniFile, FailedWritesLeaveTheFileAsItWas) {
  const std::string path = kFolder + "ReadOnly.ini";
  const std::string original = "[Hopvox key modifier]\r\nModifier=1\r\n";
  WriteBytes(path, original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  TIniFile ini(path);
  ExpectWriteFails([&] { ini.WriteInteger("Hopvox key modifier", "Modifier", 2); }, path);
  ExpectWriteFails([&] { ini.WriteInteger("Hopvox key modifier", "Modifier", 1); }, path);  // even unchanged
  ExpectWriteFails([&] { ini.DeleteKey("Hopvox key modifier", "Modifier"); }, path);
  ini.DeleteKey("Hopvox key modifier", "absent");
  EXPECT_EQ(ReadBytes(path), original);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A file we cannot read must not be replaced by one holding only the new key.
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(ini.ReadInteger("Hopvox key modifier", "Modifier", -1), -1);
  ExpectWriteFails([&] { ini.WriteString("Hopvox misc", "Use Server", "1"); }, path);
  CloseHandle(lock);
  EXPECT_EQ(ReadBytes(path), original);

  const std::string nowhere = kFolder + "missing\\Hopvox.ini";
  ExpectWriteFails([&] { TIniFile(nowhere).WriteString("a", "b", "c"); }, nowhere);
  ExpectWriteFails([&] { ini.WriteString("a", "b=c", "d"); }, path);  // a key the format cannot hold
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(TempFilesIn(kFolder), 0);  // no temporary file left behind
}
