// The name-and-address database panel, driven as a user drives it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

// The middle of list entry `i` (entries are 17 pixels high).
void ClickEntry(const HopvoxRun& run, int i) { run.ClickAt("ListBox", 30, i * 17 + 8); }

void StartWithDatabase(HopvoxRun& run, const std::string& content) {
  run.WriteFile("HopVoxIPs.ini", content);
  run.Start();
  run.ExpandFoldPanel(1);
}

}  // namespace

TEST(Database, AddSelectDeleteRoundTrip) {
  HopvoxRun run("db_round_trip");
  StartWithDatabase(run, "[HopVoxIPs]\r\nzeta=1.1.1.1\r\nAlpha=2.2.2.2\r\n");
  int mark = run.SoundCount();
  run.AddToDatabase("Bravo", "3.3.3.3:3784");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave2 7766 7"});
  ASSERT_EQ(run.ListCount("ListBox"), 3);
  EXPECT_EQ(run.ListItem("ListBox", 1), "Bravo");  // sorted place
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"),
            "[HopVoxIPs]\r\nzeta=1.1.1.1\r\nAlpha=2.2.2.2\r\nBravo=3.3.3.3:3784\r\n");

  // Selecting reads the address from the file; a text box click disables
  // "Delete", a press on the list enables it again.
  run.MoveMouse("ListBox", 30, 1 * 17 + 8);
  EXPECT_EQ(run.QueryText("ListBox.hint"), "Bravo");  // the entry under the pointer
  run.MoveMouse("ListBox", 30, 100);
  EXPECT_EQ(run.QueryText("ListBox.hint"), "");
  run.SetText("listipbox", "");
  ClickEntry(run, 1);
  EXPECT_EQ(run.Text("listnamebox"), "Bravo");
  EXPECT_EQ(run.Text("listipbox"), "3.3.3.3:3784");
  run.ClickAt("listipbox", 5, 5);
  EXPECT_FALSE(run.Enabled("listdelete"));
  ClickEntry(run, 1);
  ASSERT_TRUE(run.Enabled("listdelete"));

  mark = run.SoundCount();
  run.Click("listdelete");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave 646 7"});
  EXPECT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), "[HopVoxIPs]\r\nzeta=1.1.1.1\r\nAlpha=2.2.2.2\r\n");
  EXPECT_EQ(run.Text("listnamebox") + run.Text("listipbox"), "");
  EXPECT_FALSE(run.Enabled("listdelete"));

  // An entry no longer in the file reads "error".
  run.WriteFile("HopVoxIPs.ini", "");
  ClickEntry(run, 0);
  EXPECT_EQ(run.Text("listipbox"), "error");
  run.Close();
}

// Names the file holds as one key show as one list entry, with the address
// added last.
TEST(Database, NamesDifferingInCaseOrEndBlanksAreOneEntry) {
  HopvoxRun run("db_names");
  StartWithDatabase(run, "[HopVoxIPs]\r\nAlpha=1.1.1.1\r\nm\xFCller=2.2.2.2\r\n");
  run.AddToDatabase("Alpha ", "3.3.3.3");
  run.AddToDatabase(" ALPHA", "4.4.4.4");
  run.AddToDatabase("M\xDCLLER", "5.5.5.5");
  ASSERT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), "[HopVoxIPs]\r\nAlpha=4.4.4.4\r\nm\xFCller=5.5.5.5\r\n");
  // Deleting the one entry leaves no other entry behind that reads "error".
  ClickEntry(run, 0);
  EXPECT_EQ(run.Text("listipbox"), "4.4.4.4");
  run.Click("listdelete");
  ASSERT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(run.ListItem("ListBox", 0), "m\xFCller");
  run.Kill();
}

// Each refusal says what is wrong; the disk refused nothing, so nothing may
// say it did.
TEST(Database, RefusedAddsLeaveListAndFileAsTheyWere) {
  HopvoxRun run("db_refused");
  const std::string before = "[HopVoxIPs]\r\nAlpha=2.2.2.2\r\n";
  StartWithDatabase(run, before);
  const std::pair<const char*, const char*> refused[] = {
      {"", "Nothing added, you must include a name first"},
      {"   ", "Nothing added, a name cannot be only blanks"},
      {"a=b", "Nothing added, a name cannot contain \"=\""},
      {"[x", "Nothing added, a name cannot start with \"[\""},
  };
  for (const auto& [name, message] : refused) {
    const int mark = run.SoundCount();
    run.AddToDatabase(name, "4.4.4.4");
    EXPECT_EQ(run.WaitForMessageBox(), message) << name;
    run.DismissMessageBox();
    // The confirm sound of every Add, then the refusal.
    EXPECT_EQ(run.SoundsSince(mark), (std::vector<std::string>{"Wave2 7766 7", "Wave3 9036 7"}));
  }
  EXPECT_EQ(run.ListCount("ListBox"), 1);

  SetFileAttributesA(run.PathOf("HopVoxIPs.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.AddToDatabase("Bravo", "3.3.3.3");
  EXPECT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("HopVoxIPs.ini"));
  run.DismissMessageBox();
  SetFileAttributesA(run.PathOf("HopVoxIPs.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before);
  run.Close();
}

TEST(Database, DeleteWantsASelectionAndAnEmptyAddressIsAnAddress) {
  HopvoxRun run("db_delete_state");
  const std::string before = "[HopVoxIPs]\r\nAlpha=2.2.2.2\r\n";
  StartWithDatabase(run, before);
  // Nothing selected: a press on the list below its entries offers "Delete",
  // which then plays the click and changes nothing.
  run.ClickAt("ListBox", 30, 100);
  ASSERT_TRUE(run.Enabled("listdelete"));
  ASSERT_EQ(SendMessageA(run.Control("ListBox"), LB_GETCURSEL, 0, 0), LB_ERR);
  int mark = run.SoundCount();
  run.Click("listdelete");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{"Wave 646 7"});
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before);
  EXPECT_EQ(run.ListCount("ListBox"), 1);

  // An empty address is stored and shown as empty, not as "error".
  run.AddToDatabase("Empty", "");
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before + "Empty=\r\n");
  run.SetText("listipbox", "stale");
  ClickEntry(run, 1);
  EXPECT_EQ(run.Text("listnamebox"), "Empty");
  EXPECT_EQ(run.Text("listipbox"), "");

  // A click on the name box disables "Delete", and so does folding the panel.
  ClickEntry(run, 0);
  ASSERT_TRUE(run.Enabled("listdelete"));
  run.ClickAt("listnamebox", 5, 5);
  EXPECT_FALSE(run.Enabled("listdelete"));
  ClickEntry(run, 0);
  ASSERT_TRUE(run.Enabled("listdelete"));

  // The entry's hint goes quiet with all the others when hints are switched off.
  EXPECT_EQ(e2e::HintOver(run, "ListBox", 30, 8), "Alpha");
  run.Click("hintbox");
  EXPECT_EQ(e2e::HintOver(run, "ListBox", 30, 8 + 17), "");

  run.ClickAt("DFWFoldPanel1", run.Query("DFWFoldPanel1.GlyphX"),
              run.Query("DFWFoldPanel1.GlyphY"));
  EXPECT_TRUE(e2e::WaitFor([&] { return !run.Enabled("listdelete"); }));
  run.Kill();
}
