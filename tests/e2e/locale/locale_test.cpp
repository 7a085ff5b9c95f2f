// Hopvox on a Japanese and on a Russian system, as their users run it; the
// database file is read back with the platform's own reader. Run by
// locales.sh, once per system locale.
#include <gtest/gtest.h>

#include <string>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// "ソフト表": two of its trail bytes are "\".
const std::string kSoftTable = "\x83\x5C\x83\x74\x83\x67\x95\x5C";
// "ア" and "ヂ": the same lead byte, trail bytes "A" and "a".
const std::string kA = "\x83\x41", kDi = "\x83\x61";
// Centre of the logo in the window's client area.
constexpr int kLogoX = 204 + 85, kLogoY = 171 + 87;

int EntryOf(const HopvoxRun& run, const std::string& name) {
  for (int i = 0; i < run.ListCount("ListBox"); ++i)
    if (run.ListItem("ListBox", i) == name) return i;
  return -1;
}

// Selects the entry as a user does, by a click on it (entries are 17 pixels high).
std::string Select(const HopvoxRun& run, const std::string& name) {
  const int i = EntryOf(run, name);
  EXPECT_GE(i, 0) << name;
  run.ClickAt("ListBox", 30, i * 17 + 8);
  return run.Text("listipbox");
}

std::string PlatformRead(const HopvoxRun& run, const std::string& name) {
  char buf[256];
  GetPrivateProfileStringA("HopVoxIps", name.c_str(), "error", buf, sizeof buf,
                           run.PathOf("HopVoxIPs.ini").c_str());
  return buf;
}

}  // namespace

TEST(Japanese, RunFromAFolderNamedInJapanese) {
  if (GetACP() != 932) GTEST_SKIP() << "the system's code page is " << GetACP();
  HopvoxRun run(kSoftTable);
  const std::string logo = run.PathOf("\x95\x5C.jpg");  // "表.jpg"
  char source[MAX_PATH];
  GetEnvironmentVariableA("HOPVOX_SOURCE", source, sizeof source);
  ASSERT_TRUE(CopyFileA((std::string(source) + "\\resources\\pictures\\banner.jpg").c_str(),
                        logo.c_str(), FALSE));
  run.WriteFile("Hopvox.ini",
                "[Hopvox keys]\r\nChannel 5=54\r\n[Hopvox key modifier]\r\nModifier=1\r\n"
                "[Hopvox Ips]\r\nChannel 5=" +
                    kA + ":5\r\n[Hopvox timing]\r\nTiming=90\r\n");
  run.Start();
  // The settings file was found in the program's folder.
  EXPECT_EQ(run.Query("pollInterval"), 90);
  {
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '6');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "/JOIN1 " + kA + ":5");
  }

  run.ClickAt(kLogoX, kLogoY);
  ASSERT_TRUE(run.ChooseFile("Browse for an image", logo));
  EXPECT_EQ(run.Query("Image1.Width"), 155);
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("[Hopvox logo]\r\nlogo=" + logo + "\r\n"),
            std::string::npos);

  // Names that differ only in a trail byte are two entries with their own
  // addresses, in the list and in the file as the platform reads it.
  run.ExpandFoldPanel(1);
  run.AddToDatabase(kA, "1.1.1.1");
  run.AddToDatabase(kDi, "2.2.2.2");
  EXPECT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(PlatformRead(run, kA), "1.1.1.1");
  EXPECT_EQ(PlatformRead(run, kDi), "2.2.2.2");
  EXPECT_EQ(Select(run, kDi), "2.2.2.2");
  EXPECT_EQ(Select(run, kA), "1.1.1.1");
  run.Click("listdelete");
  EXPECT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(PlatformRead(run, kA), "error");
  EXPECT_EQ(PlatformRead(run, kDi), "2.2.2.2");

  run.Click("helpButton");
  EXPECT_NE(run.WaitForWindow("Hopvox Help"), nullptr);
  run.Close();
}

TEST(Russian, DatabaseNamesInUpperAndLowerCase) {
  if (GetACP() != 1251) GTEST_SKIP() << "the system's code page is " << GetACP();
  HopvoxRun run("db_russian");
  run.WriteFile("HopVoxIPs.ini", "");
  run.Start();
  run.ExpandFoldPanel(1);
  const std::string moscow = "\xCC\xEE\xF1\xEA\xE2\xE0", upper = "\xCC\xCE\xD1\xCA\xC2\xC0";
  run.AddToDatabase(moscow, "1.1.1.1");
  run.AddToDatabase(upper, "2.2.2.2");   // "МОСКВА": the same name, its address replaced
  run.AddToDatabase("\xA8", "3.3.3.3");  // "Ё" and "Е" are other letters
  run.AddToDatabase("\xC5", "4.4.4.4");
  run.AddToDatabase("\x9F", "5.5.5.5");  // "џ" and "я", which a Western table folds together
  run.AddToDatabase("\xFF", "6.6.6.6");
  EXPECT_EQ(run.ListCount("ListBox"), 5);
  EXPECT_EQ(run.ReadLines("HopVoxIPs.ini"), "[HopVoxIPs]\n" + moscow +
                                                "=2.2.2.2\n\xA8=3.3.3.3\n\xC5=4.4.4.4\n"
                                                "\x9F=5.5.5.5\n\xFF=6.6.6.6\n");
  // The platform finds every other letter under its own key. Wine's reader
  // folds only A-Z, so the case pair is compared with the system's
  // case-blind comparison instead.
  for (const char* name : {"\xA8", "\xC5", "\x9F", "\xFF"})
    EXPECT_EQ(PlatformRead(run, name), Select(run, name)) << name;
  EXPECT_EQ(PlatformRead(run, moscow), "2.2.2.2");
  EXPECT_EQ(lstrcmpiA(moscow.c_str(), upper.c_str()), 0);
  EXPECT_EQ(Select(run, moscow), "2.2.2.2");
  run.Click("listdelete");
  EXPECT_EQ(PlatformRead(run, moscow), "error");
  EXPECT_EQ(run.ListCount("ListBox"), 4);
  run.Close();
}

// Started from a folder whose name the system's code page cannot spell (Hopvox
// unpacked in the Downloads of a user named in another script): the settings
// beside the program are found and written, and the Run entry names a path
// that leads to the program.
TEST(ForeignScript, RunFromAFolderTheCodePageCannotSpell) {
  std::wstring name;
  if (GetACP() == 1252)
    name = L"\u0414\u043c\u0438\u0442\u0440\u0438\u0439";  // "Дмитрий"
  else if (GetACP() == 1251)
    name = L"\u30bd\u30d5\u30c8\u8868";  // "ソフト表"
  else
    GTEST_SKIP() << "the system's code page is " << GetACP();
  HopvoxRun made("foreign_script");
  wchar_t root[MAX_PATH];
  ASSERT_TRUE(MultiByteToWideChar(CP_ACP, 0, made.Folder().c_str(), -1, root, MAX_PATH));
  const std::wstring folder = std::wstring(root) + L"\\" + name;
  // Left by an earlier run where the cleaning up could not spell it either.
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  for (const wchar_t* file : {L"\\hopvox.exe", L"\\roger.exe"})
    ASSERT_TRUE(CopyFileW((root + std::wstring(file)).c_str(), (folder + file).c_str(), FALSE));
  wchar_t shortName[MAX_PATH] = {};
  ASSERT_TRUE(GetShortPathNameW(folder.c_str(), shortName, MAX_PATH));
  char shortAnsi[MAX_PATH] = {};
  WideCharToMultiByte(CP_ACP, 0, shortName, -1, shortAnsi, MAX_PATH, nullptr, nullptr);

  HopvoxRun run(HopvoxRun::InPlace{shortAnsi, folder});
  run.WriteFile("Hopvox.ini", "[Hopvox timing]\r\nTiming=90\r\n");
  run.Start();
  EXPECT_EQ(run.Query("pollInterval"), 90);
  run.Click("windowsstartbox");  // off and on again: the entry is made now
  run.Click("windowsstartbox");
  HKEY key;
  char command[1024] = {};
  DWORD size = sizeof command;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          0, KEY_QUERY_VALUE, &key),
            ERROR_SUCCESS);
  RegQueryValueExA(key, "Hopvox XP", nullptr, nullptr, reinterpret_cast<BYTE*>(command), &size);
  RegCloseKey(key);
  EXPECT_NE(GetFileAttributesA(command), INVALID_FILE_ATTRIBUTES) << command;
  run.Click("hintbox");
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Hints Enabled=0"), std::string::npos);
}
