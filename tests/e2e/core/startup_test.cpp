// Start-up and close of the real program: what it reads, what it writes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// `arrow` names the arrow's middle, e.g. "updown.Up": its X and Y are asked for.
void ClickArrow(const HopvoxRun& run, const std::string& arrow) {
  run.ClickAt("Form1", run.Query(arrow + 'X'), run.Query(arrow + 'Y'));
}

}  // namespace

TEST(Startup, FirstStartInAnEmptyFolder) {
  HopvoxRun run("first_start");
  run.Start();
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), "[Hopvox timing]\r\nTiming=70\r\n");
  EXPECT_EQ(run.Query("lednumber"), 0);
  EXPECT_EQ(run.Query("lednumber2"), 0);
  for (const char* b : {"ctrlbutton", "altbutton", "shftbutton", "nonbutton"})
    EXPECT_FALSE(run.Checked(b)) << b;
  EXPECT_EQ(run.Query("cpuradiobtns"), 0);  // "Lowest": the stored default
  // "Normal" first, then "Lowest": each change confirmed with its sound.
  EXPECT_EQ(run.SoundsSince(0), (std::vector<std::string>{"Wave2 7766 7", "Wave2 7766 7"}));
  EXPECT_EQ(run.Query("activeModifier"), -1);
  EXPECT_EQ(run.Text("enablebox"), "Enabled");
  // The window starts locked.
  EXPECT_FALSE(run.Enabled("ipbox1"));
  EXPECT_FALSE(run.Enabled("HotKey20"));
  EXPECT_TRUE(run.Enabled("serverbox"));
  // Every hotkey was absent, so no box holds a key.
  EXPECT_EQ(run.HotKey("HotKey1"), 0);
}

TEST(Startup, HandWrittenFileWithOtherSpellings) {
  HopvoxRun run("hand_written");
  run.WriteFile(
      "Hopvox.ini",
      "[hopvox keys]\nbase channel=49\nChannel 5=0x46\nCHANNEL 15=$46\n"
      "[HOPVOX IPS]\nBase Channel=10.0.0.5\nchannel 3=10.0.0.8:3784\n"
      "main server=srv.example\nMain Server Password=secret \n"
      "[Hopvox Volume]\nVolumeup Hotkey=38\nMikedown Hotkey=40\nvolume level=300\nMike level=17\n"
      "[Hopvox key modifier]\nmodifier=3\n"
      "[hopvox timing]\ntiming=0x64\n"
      "[Hopvox system]\npriority=9\n"
      "[Hopvox misc]\nUse Server=1\n");
  run.Start();
  EXPECT_EQ(run.HotKey("HotKey1"), 49);
  EXPECT_EQ(run.HotKey("HotKey8"), 70);
  EXPECT_EQ(run.HotKey("HotKey20"), 70);
  EXPECT_EQ(run.HotKey("HotKey2"), 0);
  EXPECT_EQ(run.HotKey("hotkey7"), 38);
  EXPECT_EQ(run.HotKey("HotKey16"), 40);
  // Up and Down share their codes with the keypad's 8 and 2: the boxes are
  // told they are the extended keys, so they show "Up", not "Num 8", as when
  // captured. The file's numbers stay plain key codes (above).
  const auto boxWord = [&](const char* box) {
    return LOWORD(SendMessageA(run.Control(box), HKM_GETHOTKEY, 0, 0));
  };
  EXPECT_EQ(boxWord("hotkey7"), MAKEWORD(VK_UP, HOTKEYF_EXT));
  EXPECT_EQ(boxWord("HotKey16"), MAKEWORD(VK_DOWN, HOTKEYF_EXT));
  EXPECT_EQ(boxWord("HotKey1"), 49);
  EXPECT_EQ(run.Text("ipbox1"), "10.0.0.5");
  EXPECT_EQ(run.Text("ipbox4"), "10.0.0.8:3784");
  EXPECT_EQ(run.Text("serverip"), "srv.example");
  EXPECT_TRUE(run.Checked("serverbox"));
  EXPECT_EQ(run.Query("lednumber"), 255);
  EXPECT_EQ(run.Query("lednumber2"), 17);
  EXPECT_TRUE(run.Checked("shftbutton"));
  EXPECT_EQ(run.Query("activeModifier"), 3);
  EXPECT_EQ(run.Query("pollInterval"), 100);
  EXPECT_EQ(run.Query("cpuradiobtns"), 4);
}

TEST(Startup, SettingsComeFromTheProgramFolderNotTheWorkingFolder) {
  HopvoxRun run("working_folder");
  run.WriteFile("Hopvox.ini",
                "[Hopvox timing]\nTiming=90\n[Hopvox Ips]\nChannel 2=from.program.folder\n");
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  run.Start(temp);
  EXPECT_EQ(run.Query("pollInterval"), 90);
  EXPECT_EQ(run.Text("ipbox3"), "from.program.folder");
}

TEST(Close, WritesTheSevenKeysInOrderAndThanksTheUser) {
  // From a fresh file every close-time key lands in a new line at the end, so
  // the file shows the order of the writes.
  HopvoxRun run("close_writes");
  run.Start();
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.ReadLines("Hopvox.ini"),
            "[Hopvox timing]\nTiming=70\n\n[Hopvox key modifier]\nModifier=-1\n\n[Hopvox Volume]\n"
            "Volume level=0\nMike level=0\n\n[Hopvox system]\npriority=0\n\n[Hopvox misc]\n"
            "Hints Enabled=1\nautostart=1\nUse Server=0\n");
}

TEST(Close, KeepsWhatTheUserHadAndWritesTheCurrentState) {
  // Every close-time key starts out different from what the user then sets,
  // so each one written shows in the file.
  HopvoxRun run("close_keeps");
  run.WriteFile(
      "Hopvox.ini",
      "; my notes\n[Hopvox key modifier]\nModifier=2\n"
      "[Hopvox Volume]\nVolume level=120\nMike level=17\n[Hopvox system]\npriority=3\n"
      "[Hopvox misc]\nHints Enabled=0\nautostart=1\nUse Server=1\n[Other]\nunknown=kept\n");
  run.Start();
  run.Click("ctrlbutton");
  run.ExpandFoldPanel(5);
  ClickArrow(run, "VrUpDown1.Down");
  run.ExpandFoldPanel(3);  // unfolded over "Mic Gain"
  ClickArrow(run, "updown.Up");
  SendMessageA(FindWindowExA(run.Control("cpuradiobtns"), nullptr, "Button", "Low"), BM_CLICK, 0,
               0);
  run.Click("hintbox");
  run.Click("windowsstartbox");
  run.Click("serverbox");
  ASSERT_EQ(run.Query("lednumber") * 1000 + run.Query("lednumber2"), 121016);
  ASSERT_EQ(run.Query("cpuradiobtns"), 1);
  run.Close();
  std::string ini;
  for (char c : run.ReadFile("Hopvox.ini"))
    if (c != '\r') ini += c;
  for (const char* part :
       {"; my notes\n", "Modifier=1\n", "Volume level=121\n", "Mike level=16\n", "priority=1\n",
        "Hints Enabled=1\n", "autostart=0\n", "Use Server=0\n", "unknown=kept\n"})
    EXPECT_NE(ini.find(part), std::string::npos) << part << " missing in\n" << ini;
}
