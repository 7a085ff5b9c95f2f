// The edit lock, the address slots, the main server and the hotkey capture,
// driven as a user drives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

std::vector<std::string> LockableControls() {
  std::vector<std::string> names;
  for (int i = 1; i <= 16; ++i) names.push_back("ipbox" + std::to_string(i));
  names.insert(names.end(),
               {"serverip", "serverpassword", "hotkey6", "hotkey7", "HotKey15", "HotKey16"});
  for (int i : {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14, 17, 18, 19, 20})
    names.push_back("HotKey" + std::to_string(i));
  return names;
}

const std::string kConfirm = "Wave2 7766 7";

using e2e::Contains;

// Moving the pointer over the left panel's border commits the edit in progress.
void PointerToLeftPanel(const HopvoxRun& run) {
  run.MoveMouse("Panel1", 2, 150);
  run.MoveMouse("Panel1", 3, 160);
}

// For its lifetime two presses at one spot count as a double click however
// slowly they come (for a program started meanwhile), so a test need not race
// the system's half second.
class LongDoubleClicks {
 public:
  LongDoubleClicks() : saved_(GetDoubleClickTime()) {
    SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 60000, nullptr, 0);
  }
  ~LongDoubleClicks() { SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, saved_, nullptr, 0); }
  LongDoubleClicks(const LongDoubleClicks&) = delete;
  LongDoubleClicks& operator=(const LongDoubleClicks&) = delete;

 private:
  UINT saved_;
};

}  // namespace

TEST(EditLock, StartsLockedAndTogglesThe38Controls) {
  HopvoxRun run("lock");
  run.Start();
  EXPECT_EQ(run.QueryText("captionlockbtn.hint"), "Locked, no editing");
  for (const std::string& c : LockableControls()) EXPECT_FALSE(run.Enabled(c)) << c;
  for (const char* c : {"serverbox", "Accept1", "Accept2", "Accept3", "Accept4", "Acceptvolume",
                        "Acceptmic", "ListBox", "listnamebox", "listipbox", "listadd", "enablebox"})
    EXPECT_TRUE(run.Enabled(c)) << c;

  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.QueryText("captionlockbtn.hint"), "Unlocked for editing");
  for (const std::string& c : LockableControls()) EXPECT_TRUE(run.Enabled(c)) << c;

  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.QueryText("captionlockbtn.hint"), "Locked, no editing");
  for (const std::string& c : LockableControls()) EXPECT_FALSE(run.Enabled(c)) << c;
  EXPECT_TRUE(run.Enabled("serverbox"));
  run.Close();
}

TEST(ChannelSlots, ATypedAddressIsStoredWhenThePointerMovesOn) {
  HopvoxRun run("slot_typed");
  run.WriteFile("Hopvox.ini",
                "[Hopvox keys]\r\nChannel 2=51\r\n[Hopvox key modifier]\r\nModifier=1\r\n");
  run.Start();
  run.PressCaptionButton("captionlockbtn");
  run.Focus("ipbox3");
  run.SetText("ipbox3", "10.1.1.3:3784");
  PointerToLeftPanel(run);
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "[Hopvox Ips]\r\nChannel 2=10.1.1.3:3784\r\n"));
  {  // the next Ctrl+3, pressed in another program, joins it
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '3');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/JOIN1 10.1.1.3:3784");
  }

  // Clearing a box stores an empty value. (A click brings the window back.)
  run.ClickAt("ipbox3", 20, 8);
  run.SetText("ipbox3", "");
  PointerToLeftPanel(run);
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 2=\r\n"));
  EXPECT_EQ(run.QueryText("channelAddress2"), "");

  // The password is stored with one trailing blank; with the server box
  // unticked it does not reach the joins.
  run.Focus("serverpassword");
  run.SetText("serverpassword", "pw");
  PointerToLeftPanel(run);
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Main Server Password=pw \r\n"));
  EXPECT_EQ(run.QueryText("passwordArgument"), "");
  run.Close();
}

TEST(ChannelSlots, ADatabaseEntryDroppedOnAnUnlockedSlotIsStored) {
  HopvoxRun run("slot_drop");
  run.WriteFile("HopVoxIPs.ini", "[HopVoxIPs]\nAlpha=2.2.2.2:3784\n");
  run.WriteFile("Hopvox.ini", "[Hopvox Ips]\nBase channel=old.address\n");
  run.Start();
  run.ExpandFoldPanel(1);
  run.DragTo("ListBox", 30, 8, "ipbox1", 20, 8);     // locked: no drop target
  EXPECT_EQ(run.Text("listipbox"), "2.2.2.2:3784");  // the press selected the entry
  EXPECT_EQ(run.Text("ipbox1"), "old.address");
  run.PressCaptionButton("captionlockbtn");
  run.DragTo("ListBox", 30, 8, "ipbox1", 20, 8);
  EXPECT_EQ(run.Text("ipbox1"), "2.2.2.2:3784");
  EXPECT_EQ(run.QueryText("channelAddress0"), "2.2.2.2:3784");
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "=2.2.2.2:3784"));
  EXPECT_FALSE(Contains(run.ReadFile("Hopvox.ini"), "old.address"));
  run.Close();
}

// The system pairs a press with the one before it at the same spot into a
// double click; a drag begun with the second press is a drag all the same.
TEST(ChannelSlots, AnEntryDraggedAgainAtOnceIsDroppedToo) {
  LongDoubleClicks pairing;
  HopvoxRun run("slot_drop_again");
  run.WriteFile("HopVoxIPs.ini", "[HopVoxIPs]\nAlpha=2.2.2.2:3784\n");
  run.Start();
  run.ExpandFoldPanel(1);
  run.PressCaptionButton("captionlockbtn");
  run.DragTo("ListBox", 30, 8, "ipbox1", 20, 8);
  run.DragTo("ListBox", 30, 8, "ipbox2", 20, 8);
  EXPECT_EQ(run.Text("ipbox1"), "2.2.2.2:3784");
  EXPECT_EQ(run.Text("ipbox2"), "2.2.2.2:3784");
  EXPECT_EQ(run.QueryText("channelAddress1"), "2.2.2.2:3784");
  run.Close();
}

TEST(HotkeyCapture, ClickKeyAcceptStoresTheCodeOfEveryChannel) {
  HopvoxRun run("hotkey_accept");
  run.WriteFile("Hopvox.ini", "[Hopvox keys]\r\nChannel 14=69\r\n");
  run.Start();
  EXPECT_EQ(run.Query("savedledok"), 0);  // red after start, though nothing is pending
  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("PageControl3", 66, 10);  // tab "4-7"
  run.ClickAt("HotKey9", 30, 9);
  run.Focus("HotKey9");
  e2e::Tap('7');
  EXPECT_TRUE(e2e::WaitFor([&] { return run.HotKey("HotKey9") == 55; }));
  int mark = run.SoundCount();
  run.Click("Accept2");
  // Sixteen writes: read the file only once they are all done.
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; }));
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kConfirm});
  const std::string ini = run.ReadFile("Hopvox.ini");
  EXPECT_TRUE(Contains(ini, "Channel 6=55\r\n"));
  EXPECT_TRUE(Contains(ini, "Channel 14=69\r\n"));  // all sixteen are written
  EXPECT_TRUE(Contains(ini, "Base channel=0\r\n"));
  EXPECT_EQ(run.Query("savedledok"), 1);
  for (const char* a : {"Accept1", "Accept2", "Accept3", "Accept4"})
    EXPECT_FALSE(run.Enabled(a)) << a;

  // Ctrl with a letter records the letter alone; a click alone records no key.
  run.ClickAt("HotKey9", 30, 9);
  EXPECT_EQ(run.Query("savedledok"), 0);
  for (const char* a : {"Accept1", "Accept2", "Accept3", "Accept4"})
    EXPECT_TRUE(run.Enabled(a)) << a;
  run.Focus("HotKey9");
  e2e::KeyDown(VK_CONTROL);
  e2e::Tap('K');
  e2e::KeyUp(VK_CONTROL);
  ASSERT_TRUE(e2e::WaitFor([&] { return run.HotKey("HotKey9") == 'K'; }));
  run.ClickAt("HotKey10", 30, 9);
  run.Click("Accept2");
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; }));
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 6=75\r\n"));
  EXPECT_TRUE(Contains(run.ReadFile("Hopvox.ini"), "Channel 7=0\r\n"));

  // Every page's Accept button does the same, confirm sound and all.
  for (const char* accept : {"Accept1", "Accept3", "Accept4"}) {
    run.ClickAt("HotKey10", 30, 9);
    ASSERT_EQ(run.Query("savedledok"), 0);
    mark = run.SoundCount();
    run.Click(accept);
    EXPECT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; })) << accept;
    EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kConfirm}) << accept;
  }

  // Any mouse button clears the box and marks the keys pending, the middle one too.
  ASSERT_EQ(run.HotKey("HotKey9"), 'K');
  run.MiddleClickAt("HotKey9", 30, 9);
  EXPECT_EQ(run.HotKey("HotKey9"), 0);
  EXPECT_EQ(run.Query("savedledok"), 0);
  EXPECT_TRUE(run.Enabled("Accept1"));
  run.Close();
}

TEST(EditingFailures, AReadOnlySettingsFileIsReportedAndKeepsItsBytes) {
  HopvoxRun run("read_only_edits");
  const std::string before = "[Hopvox timing]\r\nTiming=70\r\n";
  run.WriteFile("Hopvox.ini", before);
  run.Start();
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.PressCaptionButton("captionlockbtn");
  const std::string error = "Unable to write to " + run.PathOf("Hopvox.ini");

  run.Focus("ipbox3");
  run.SetText("ipbox3", "10.1.1.3");
  PointerToLeftPanel(run);
  EXPECT_EQ(run.WaitForMessageBox(), error);
  run.DismissMessageBox();
  EXPECT_EQ(run.QueryText("channelAddress2"), "10.1.1.3");  // in force before the write

  run.Click("Accept1");
  EXPECT_EQ(run.WaitForMessageBox(), error);
  run.DismissMessageBox();
  EXPECT_EQ(run.Query("savedledok"), 0);  // still pending: accept again later
  EXPECT_TRUE(run.Enabled("Accept1"));

  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), before);
  run.Kill();  // closing would write the close-time keys
}
