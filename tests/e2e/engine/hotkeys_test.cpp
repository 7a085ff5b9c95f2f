// Hotkeys pressed as a user presses them, while another window has the
// focus, and what reaches the voice-chat stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;
using e2e::KeyDown;
using e2e::KeyUp;

namespace {

// The settings of a typical user: modifier, the default channel keys,
// addresses, the four level keys, the fastest interval.
// Extra lines go into the address and volume sections (a second section of
// the same name would never be read) or, in `tail`, at the end.
std::string Settings(int modifier, const std::string& ips = "", const std::string& volume = "",
                     const std::string& tail = "") {
  std::string ini =
      "[Hopvox timing]\nTiming=50\n[Hopvox key modifier]\nModifier=" + std::to_string(modifier) +
      "\n[Hopvox keys]\n";
  const char* keys[] = {"Base channel", "Channel 1",  "Channel 2",  "Channel 3",
                        "Channel 4",    "Channel 5",  "Channel 6",  "Channel 7",
                        "Channel 8",    "Channel 9",  "Channel 10", "Channel 11",
                        "Channel 12",   "Channel 13", "Channel 14", "Channel 15"};
  const int codes[] = {'1', '2', '3', '4', '5', '6', '7', '8',
                       '9', '0', 'A', 'B', 'C', 'D', 'E', 'F'};
  for (int i = 0; i < 16; ++i) ini += std::string(keys[i]) + "=" + std::to_string(codes[i]) + "\n";
  ini += "[Hopvox Ips]\n" + ips;
  for (int i = 0; i < 16; ++i) ini += std::string(keys[i]) + "=10.0.0." + std::to_string(i) + "\n";
  ini +=
      "[Hopvox Volume]\nVolumeup Hotkey=38\nVolumedown Hotkey=40\nMikeup Hotkey=33\nMikedown "
      "Hotkey=34\n";
  return ini + volume + tail;
}

// Holds the keys (in order) for `ms`, longer than one polling interval, then
// lets them go in reverse.
void Press(std::vector<WORD> keys, int ms = 120) {
  for (WORD k : keys) KeyDown(k);
  Sleep(ms);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) KeyUp(*it);
}

// The log with runs of one repeated command (a held key fires every tick)
// folded into one entry.
std::vector<std::string> Distinct(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& line : log)
    if (out.empty() || out.back() != line) out.push_back(line);
  return out;
}

class Hotkeys : public ::testing::Test {
 protected:
  void StartWith(const std::string& name, const std::string& settings) {
    run = std::make_unique<HopvoxRun>(name);
    run->WriteFile("Hopvox.ini", settings);
    run->Start();
    thief = std::make_unique<e2e::FocusThief>();
  }
  void TearDown() override {
    thief.reset();
    if (run) run->Close();
  }
  std::unique_ptr<HopvoxRun> run;
  std::unique_ptr<e2e::FocusThief> thief;
};

TEST_F(Hotkeys, CtrlChannelJoinsItsServerWhileAnotherWindowHasTheFocus) {
  StartWith("engine_ctrl", Settings(1));
  Press({VK_CONTROL, '4'});
  auto log = run->WaitForRoger(1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(Distinct(log), std::vector<std::string>{"/JOIN1 10.0.0.3"});
  // The channel key alone, or with the wrong modifier, does nothing.
  Press({'4'});
  Press({VK_MENU, '4'});
  Press({VK_CONTROL, 'Z'});  // not bound
  EXPECT_EQ(run->WaitForRoger(0).size(), log.size());
}

// A small valid wave: 8-bit mono, four samples, 48 bytes in all.
const std::string kChannelWave(
    "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
    "\x01\0\x08\0data\x04\0\0\0\x80\x90\x70\x80",
    48);

TEST_F(Hotkeys, AltAndShiftJoinAndPlayTheChannelSoundOfTheWorkingFolder) {
  // The program folder's channel3.wav is no sound; the working folder's is.
  run = std::make_unique<HopvoxRun>("engine_sounds");
  run->WriteFile("Hopvox.ini", Settings(2));
  run->WriteFile("channel3.wav", "not a sound");
  CreateDirectoryA(run->PathOf("cwd").c_str(), nullptr);
  run->WriteFile("cwd\\channel3.wav", kChannelWave);
  run->Start(run->PathOf("cwd"));
  thief = std::make_unique<e2e::FocusThief>();

  int mark = run->SoundCount();
  Press({VK_MENU, '4'});
  auto log = run->WaitForRoger(1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(Distinct(log), std::vector<std::string>{"/JOIN1 10.0.0.3"});
  // One sound per join: the held key joins and plays again at each tick.
  EXPECT_EQ(run->SoundsSince(mark), std::vector<std::string>(log.size(), "chwave4 48 7"));

  run->Click("shftbutton");
  EXPECT_EQ(run->Query("Timer3"), 1);
  mark = run->SoundCount();
  const size_t before = log.size();
  Press({VK_SHIFT, '4'});
  log = run->WaitForRoger(before + 1);
  ASSERT_GT(log.size(), before);
  EXPECT_EQ(log.back(), "/JOIN1 10.0.0.3");
  EXPECT_EQ(run->SoundsSince(mark), std::vector<std::string>(log.size() - before, "chwave4 48 7"));
  Press({VK_MENU, '4'});  // Alt is no longer the channel modifier
  EXPECT_EQ(run->WaitForRoger(0).size(), log.size());
}

// Started from another folder (a shortcut, the start at log-on), Hopvox finds
// "roger" where Windows' shell looks for a bare name (the working folder, the
// Windows folders, PATH, App Paths), and otherwise beside itself. Wine 8's
// shell also looked beside the calling program; Wine 10's, as Windows', does
// not, so there the copy beside the program is Hopvox's own doing.
TEST_F(Hotkeys, AJoinFromAnotherFolderFindsRogerInAppPathsOrBesideTheProgram) {
  run = std::make_unique<HopvoxRun>("engine_elsewhere");
  run->WriteFile("Hopvox.ini", Settings(1));
  CreateDirectoryA(run->PathOf("cwd").c_str(), nullptr);
  CreateDirectoryA(run->PathOf("voice chat").c_str(), nullptr);
  const std::string registered = run->PathOf("voice chat\\roger.exe");
  ASSERT_TRUE(MoveFileA(run->PathOf("roger.exe").c_str(), registered.c_str()));
  const char* appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, appPaths, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(registered.c_str()),
                 static_cast<DWORD>(registered.size() + 1));
  RegCloseKey(key);
  // The registered copy logs where the test reads, as Hopvox hands its
  // environment on.
  SetEnvironmentVariableA("ROGER_LOG", run->PathOf("roger.log").c_str());
  run->Start(run->PathOf("cwd"));
  SetEnvironmentVariableA("ROGER_LOG", nullptr);
  thief = std::make_unique<e2e::FocusThief>();

  Press({VK_CONTROL, '2'});
  auto log = run->WaitForRoger(1);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, appPaths);
  ASSERT_FALSE(log.empty()) << "not started through App Paths";
  EXPECT_EQ(Distinct(log), std::vector<std::string>{"/JOIN1 10.0.0.1"});

  // Registered nowhere: the copy beside the program.
  ASSERT_TRUE(CopyFileA(registered.c_str(), run->PathOf("roger.exe").c_str(), FALSE));
  const std::size_t before = log.size();
  Press({VK_CONTROL, '3'});
  log = run->WaitForRoger(before + 1);
  ASSERT_GT(log.size(), before) << "not started beside the program";
  EXPECT_EQ(log.back(), "/JOIN1 10.0.0.2");
}

TEST_F(Hotkeys, ModeSwitchesLeaveAndLevelsInTheOrderPressed) {
  StartWith("engine_sequence", Settings(1, "", "Volume level=240\nMike level=5\n"));
  Press({VK_MENU, VK_OEM_PERIOD});  // the full stop is no Delete
  Press({VK_MENU, VK_INSERT});
  Press({VK_MENU, VK_DELETE});
  Press({VK_MENU, VK_HOME});
  Press({VK_MENU, VK_END});
  Press({VK_SUBTRACT});
  Press({VK_SHIFT, VK_SUBTRACT});
  Press({VK_SHIFT, VK_UP}, 400);  // held: 240 -> 250 -> 255, then 255 again
  Press({VK_SHIFT, VK_NEXT});     // mic down: 5 -> 0
  auto log = run->WaitForRoger(9);
  const std::vector<std::string> expected = {"/ptt /key ",   "/vox ",   "/clicks on ",
                                             "/clicks off ", "/leave ", "/volume 250",
                                             "/volume 255",  "/gain 0"};
  EXPECT_EQ(Distinct(log), expected);
  // A held combination fires on every tick: the volume went on being sent at 255.
  EXPECT_GE(std::count(log.begin(), log.end(), "/volume 255"), 2);
  EXPECT_EQ(run->Query("lednumber"), 255);
  EXPECT_EQ(run->Query("lednumber2"), 0);
}

TEST_F(Hotkeys, MainServerFramesTheJoinAndNoModifierSkipsLevels) {
  StartWith(
      "engine_server",
      Settings(4, "Main Server=voice.example.net:\nMain Server Password=sesame\nChannel 5=3784\n",
               "", "[Hopvox misc]\nUse Server=1\n"));
  Press({'6'});
  Press({VK_SHIFT, VK_UP});  // levels need a modifier choice
  auto log = run->WaitForRoger(1);
  EXPECT_EQ(Distinct(log), std::vector<std::string>{"/JOIN1 voice.example.net:3784 sesame"});
  EXPECT_EQ(run->Query("lednumber"), 0);
}

}  // namespace
