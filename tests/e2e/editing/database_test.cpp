// The name-and-address database panel, driven as a user drives it.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

constexpr int kEntryHeight = 17;

// The list shows entries at a fixed height; the middle of entry `i`.
void ClickEntry(const HopvoxRun& run, int i) { run.ClickAt("ListBox", 30, i * kEntryHeight + kEntryHeight / 2); }

// Start-up collapses every fold panel; the database panel opens by its glyph.
void StartWithDatabase(HopvoxRun& run, const std::string& content) {
  run.WriteFile("HopVoxIPs.ini", content);
  run.Start();
  run.ExpandFoldPanel(1);
}

}  // namespace

TEST(Database, AddSelectDeleteRoundTrip) {
  HopvoxRun run("db_round_trip");
  StartWithDatabase(run, "[HopVoxIPs]\nzeta=1.1.1.1\nAlpha=2.2.2.2\n");
  ASSERT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.ListItem("ListBox", 0), "Alpha");
  EXPECT_EQ(run.ListItem("ListBox", 1), "zeta");

  run.SetText("listnamebox", "Bravo");
  run.SetText("listipbox", "3.3.3.3:3784");
  run.Click("listadd");
  ASSERT_EQ(run.ListCount("ListBox"), 3);
  EXPECT_EQ(run.ListItem("ListBox", 1), "Bravo");  // sorted place
  EXPECT_NE(run.ReadFile("HopVoxIPs.ini").find("Bravo=3.3.3.3:3784"), std::string::npos);

  // Selecting reads the address from the file, not from memory.
  run.SetText("listipbox", "");
  ClickEntry(run, 1);
  EXPECT_EQ(run.ListSelected("ListBox"), 1);
  EXPECT_EQ(run.Text("listnamebox"), "Bravo");
  EXPECT_EQ(run.Text("listipbox"), "3.3.3.3:3784");
  EXPECT_TRUE(run.Enabled("listdelete"));

  // A click on a text box disables "Delete"; a press on the list enables it.
  run.ClickAt("listipbox", 5, 5);
  EXPECT_FALSE(run.Enabled("listdelete"));
  ClickEntry(run, 1);
  EXPECT_TRUE(run.Enabled("listdelete"));

  run.Click("listdelete");
  EXPECT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.ListItem("ListBox", 1), "zeta");
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini").find("Bravo"), std::string::npos);
  EXPECT_EQ(run.Text("listnamebox"), "");
  EXPECT_EQ(run.Text("listipbox"), "");
  EXPECT_FALSE(run.Enabled("listdelete"));
  run.Close();
}

TEST(Database, AddWithoutANameIsRefusedAndWritesNothing) {
  HopvoxRun run("db_no_name");
  const std::string before = "[HopVoxIPs]\nAlpha=2.2.2.2\n";
  StartWithDatabase(run, before);
  run.SetText("listnamebox", "");
  run.SetText("listipbox", "4.4.4.4");
  run.Click("listadd");
  EXPECT_EQ(run.WaitForMessageBox(), "Nothing added, you must include a name first");
  run.DismissMessageBox();
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before);
  EXPECT_EQ(run.ListCount("ListBox"), 1);
  run.Close();
}

TEST(Database, ANameAddedAgainInOtherLettersStaysListedOnceWithTheNewAddress) {
  HopvoxRun run("db_twice");
  StartWithDatabase(run, "[HopVoxIPs]\nAlpha=2.2.2.2\n");
  run.SetText("listnamebox", "ALPHA");
  run.SetText("listipbox", "9.9.9.9");
  run.Click("listadd");
  ASSERT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), "[HopVoxIPs]\nAlpha=9.9.9.9\n");
  // Deleting it leaves no second entry that would read "error".
  ClickEntry(run, 0);
  EXPECT_EQ(run.Text("listipbox"), "9.9.9.9");
  run.Click("listdelete");
  EXPECT_EQ(run.ListCount("ListBox"), 0);
  run.Close();
}

TEST(Database, AnEntryMissingFromTheFileReadsError) {
  HopvoxRun run("db_error");
  StartWithDatabase(run, "[HopVoxIPs]\nAlpha=2.2.2.2\n");
  run.WriteFile("HopVoxIPs.ini", "[HopVoxIPs]\n");
  ClickEntry(run, 0);
  EXPECT_EQ(run.Text("listipbox"), "error");
  run.Close();
}

TEST(Database, AFailedWriteIsReportedAndTheNameIsNotListed) {
  HopvoxRun run("db_read_only");
  const std::string before = "[HopVoxIPs]\nAlpha=2.2.2.2\n";
  StartWithDatabase(run, before);
  SetFileAttributesA(run.PathOf("HopVoxIPs.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.SetText("listnamebox", "Bravo");
  run.SetText("listipbox", "3.3.3.3");
  run.Click("listadd");
  EXPECT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("HopVoxIPs.ini"));
  run.DismissMessageBox();
  EXPECT_EQ(run.ListCount("ListBox"), 1);
  SetFileAttributesA(run.PathOf("HopVoxIPs.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before);
  run.Close();
}

TEST(Database, DroppingOnALockedSlotChangesNothing) {
  HopvoxRun run("db_drop_locked");
  run.WriteFile("Hopvox.ini", "[Hopvox Ips]\nBase Channel=old.address\n");
  StartWithDatabase(run, "[HopVoxIPs]\nAlpha=2.2.2.2\n");
  run.DragTo("ListBox", 30, 8, "ipbox1", 20, 8);
  EXPECT_EQ(run.Text("listipbox"), "2.2.2.2");  // the press selected the entry
  EXPECT_EQ(run.Text("ipbox1"), "old.address");
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Base Channel=old.address"), std::string::npos);
  run.Close();
}
