// Names of the address database that the file holds as one key show as one
// list entry.
#include <gtest/gtest.h>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {}  // namespace

TEST(DatabaseNames, NamesDifferingInCaseOrEndBlanksAreOneEntry) {
  HopvoxRun run("look_db_names");
  run.WriteFile("HopVoxIPs.ini", "[HopVoxIPs]\r\nAlpha=1.1.1.1\r\nm\xFCller=2.2.2.2\r\n");
  run.Start();
  run.ExpandFoldPanel(1);
  run.AddToDatabase("Alpha ", "3.3.3.3");
  run.AddToDatabase(" ALPHA", "4.4.4.4");
  run.AddToDatabase("M\xDCLLER", "5.5.5.5");
  ASSERT_EQ(run.ListCount("ListBox"), 2);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), "[HopVoxIPs]\r\nAlpha=4.4.4.4\r\nm\xFCller=5.5.5.5\r\n");
  // Deleting the one entry leaves no other entry behind that reads "error".
  run.ClickAt("ListBox", 30, 8);
  EXPECT_EQ(run.Text("listipbox"), "4.4.4.4");
  run.Click("listdelete");
  ASSERT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(run.ListItem("ListBox", 0), "m\xFCller");
}

TEST(DatabaseNames, NamesTheFileCannotHoldAreRefusedSayingWhatIsWrong) {
  HopvoxRun run("look_db_blanks");
  const std::string before = "[HopVoxIPs]\r\nAlpha=1.1.1.1\r\n";
  run.WriteFile("HopVoxIPs.ini", before);
  run.Start();
  run.ExpandFoldPanel(1);
  const std::pair<const char*, const char*> refused[] = {
      {"   ", "Nothing added, a name cannot be only blanks"},
      {"a=b", "Nothing added, a name cannot contain \"=\""},
      {"[x", "Nothing added, a name cannot start with \"[\""},
  };
  for (const auto& [name, message] : refused) {
    const int mark = run.SoundCount();
    run.AddToDatabase(name, "9.9.9.9");
    // The disk refused nothing, so nothing may say it did.
    EXPECT_EQ(run.WaitForMessageBox(), message) << name;
    run.DismissMessageBox();
    EXPECT_EQ(run.SoundsSince(mark), (std::vector<std::string>{"Wave2 7766 7", "Wave3 9036 7"}));
  }
  EXPECT_EQ(run.ListCount("ListBox"), 1);
  EXPECT_EQ(run.ReadFile("HopVoxIPs.ini"), before);
}
