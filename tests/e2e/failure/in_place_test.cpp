// Users who may not add files to the program's folder (run by
// unprivileged.sh): the close-time settings of one who may write the settings
// file there, and a day of one who may write nothing there.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

#include "driver/Driver.h"
#include "driver/Looks.h"

using e2e::HopvoxRun;

TEST(UnprivilegedClose, WritesTheSettingsWhereTheFolderRefusesNewFiles) {
  const char* root = std::getenv("HOPVOX_UNPRIVILEGED_ROOT");
  if (!root) GTEST_SKIP() << "run by unprivileged.sh as a user that permissions apply to";
  HopvoxRun run(HopvoxRun::InPlace{std::string(root) + "\\run"});
  HANDLE probe = CreateFileA(run.PathOf("probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             0, nullptr);
  ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << "the folder takes new files: nothing to test";

  run.Start();
  EXPECT_EQ(run.Query("activeModifier"), 2);
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.ReadLines("Hopvox.ini"),
            "[Hopvox timing]\nTiming=80\n[Hopvox key modifier]\nModifier=2\n\n[Hopvox Volume]\n"
            "Volume level=0\nMike level=0\n\n[Hopvox system]\npriority=0\n\n[Hopvox misc]\n"
            "Hints Enabled=1\nautostart=1\nUse Server=0\n");
}

namespace {

// The Run value under `root`, or empty.
std::string RunValue(HKEY root) {
  char data[1024] = {};
  DWORD size = sizeof data;
  HKEY key;
  if (RegOpenKeyExA(root, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_QUERY_VALUE,
                    &key) != ERROR_SUCCESS)
    return {};
  const LONG rc =
      RegQueryValueExA(key, "Hopvox XP", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? data : "";
}

}  // namespace

// Hopvox unpacked where the user may not write (Program Files): the settings
// and the database live in the user's application data, started from the
// files beside the program, and a day's work is there at the next start.
TEST(UnprivilegedFolder, KeepsTheSettingsInTheUsersApplicationData) {
  const char* root = std::getenv("HOPVOX_UNPRIVILEGED_ROOT");
  if (!root) GTEST_SKIP() << "run by unprivileged.sh as a user that permissions apply to";
  HopvoxRun run(HopvoxRun::InPlace{std::string(root) + "\\program"});
  const std::string shipped = run.ReadFile("Hopvox.ini");
  ASSERT_FALSE(shipped.empty());
  char appData[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData)));
  const std::string folder = std::string(appData) + "\\Hopvox";
  DeleteFileA((folder + "\\Hopvox.ini").c_str());
  DeleteFileA((folder + "\\HopVoxIPs.ini").c_str());
  RemoveDirectoryA(folder.c_str());

  // The first start says where the settings are now, once, and starts from
  // the files beside the program.
  run.Launch();
  const std::string said = run.WaitForMessageBox();
  EXPECT_TRUE(e2e::Contains(said, folder)) << said;
  run.DismissMessageBox();
  run.WaitForForm();
  EXPECT_EQ(run.Query("activeModifier"), 2);
  EXPECT_EQ(run.ListCount("ListBox"), 1);

  // A day's edits, each stored without an error box.
  run.PressCaptionButton("captionlockbtn");
  run.Focus("ipbox2");
  run.SetText("ipbox2", "10.0.0.2:9");
  run.ParkFocus();
  run.ExpandFoldPanel(1);
  run.AddToDatabase("home", "10.1.1.1");
  ASSERT_TRUE(e2e::WaitFor([&] { return run.ListCount("ListBox") == 2; }));
  run.ExpandFoldPanel(4);
  EXPECT_EQ(e2e::HintOver(run, "Button1", 20, 10), "Opens " + folder + "\\Hopvox.ini in Notepad");
  run.ClickAt("timerbar", 130, 10);
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("pollInterval") == 90; }));
  run.Click("windowsstartbox");
  run.Click("ctrlbutton");
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");

  // All of it is there at the next start, which says nothing; the files
  // beside the program are untouched.
  run.Start();
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");
  EXPECT_EQ(run.Text("ipbox2"), "10.0.0.2:9");
  EXPECT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.Query("pollInterval"), 90);
  EXPECT_EQ(run.Query("activeModifier"), 1);
  EXPECT_FALSE(run.Checked("windowsstartbox"));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE) + RunValue(HKEY_CURRENT_USER), "");

  // The day ends with a log-off, an address still being typed: no box holds
  // it up, and what was typed and set is there at the next start.
  run.Click("altbutton");
  run.PressCaptionButton("captionlockbtn");
  run.Focus("ipbox3");
  run.SetText("ipbox3", "10.0.0.3");
  ASSERT_TRUE(e2e::EndTheSession()) << "held up";
  EXPECT_NE(run.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
  run.Start();
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");
  EXPECT_EQ(run.Text("ipbox3"), "10.0.0.3");
  EXPECT_EQ(run.Query("activeModifier"), 2);
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), shipped);
}
