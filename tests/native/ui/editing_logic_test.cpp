// The platform-free decisions behind the editing handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/logic/Channels.h"
#include "core/logic/Commands.h"
#include "ui/logic/Database.h"
#include "ui/logic/LockOrder.h"
#include "ui/logic/MainServer.h"

namespace hopvox {
namespace {

TEST(LockOrder, GuardsEveryEntryBoxOnceAndNothingElse) {
  std::set<std::string_view> names(kLockableControls.begin(), kLockableControls.end());
  EXPECT_EQ(names.size(), kLockableControls.size());
  // Every address box and every channel hot-key box, by the channel table.
  for (int ch = 0; ch < kChannelCount; ++ch) {
    EXPECT_EQ(names.count(AddressBoxName(ch)), 1u) << ch;
    EXPECT_EQ(names.count(kChannels[ch].hotKeyBox), 1u) << ch;
  }
  for (const char* name : {"serverip", "serverpassword", "hotkey6", "hotkey7", "HotKey15", "HotKey16"})
    EXPECT_EQ(names.count(name), 1u) << name;
  for (const char* open : {"serverbox", "Accept1", "Acceptvolume", "ListBox", "listnamebox", "listipbox", "enablebox"})
    EXPECT_EQ(names.count(open), 0u) << open;
}

TEST(LockOrder, SetsTheControlsInTheirFixedOrder) {
  auto pos = [](std::string_view n) {
    return std::find(kLockableControls.begin(), kLockableControls.end(), n) - kLockableControls.begin();
  };
  EXPECT_EQ(pos("ipbox1"), 0);
  EXPECT_EQ(pos("ipbox16"), 15);
  EXPECT_EQ(pos("serverip"), 16);
  EXPECT_EQ(pos("serverpassword"), 17);
  EXPECT_EQ(pos("HotKey1"), 18);
  EXPECT_EQ(pos("HotKey14"), 29);
  EXPECT_EQ(pos("hotkey6"), 30);
  EXPECT_EQ(pos("HotKey16"), 33);
  EXPECT_EQ(pos("HotKey17"), 34);
  EXPECT_EQ(pos("HotKey20"), 37);
}

TEST(DatabaseAdd, RefusesOnlyAnEmptyName) {
  EXPECT_TRUE(PlanAdd("", {"a"}).refused);
  const DatabaseAddPlan blanks = PlanAdd("   ", {});
  EXPECT_FALSE(blanks.refused);
  EXPECT_EQ(blanks.existing, -1);
}

TEST(DatabaseAdd, ANameListedInAnyLetterCaseKeepsItsOneEntry) {
  const std::vector<std::string> listed{"Alpha", "bravo", "Charlie"};
  EXPECT_EQ(PlanAdd("Alpha", listed).existing, 0);
  EXPECT_EQ(PlanAdd("BRAVO", listed).existing, 1);
  EXPECT_EQ(PlanAdd("charlie", listed).existing, 2);
  EXPECT_EQ(PlanAdd("Charlie ", listed).existing, -1);  // a different name
  EXPECT_EQ(PlanAdd("Delta", listed).existing, -1);
}

TEST(DatabaseHint, ItemFromPointReply) {
  EXPECT_EQ(EntryFromPointReply(0x00000002u, 3), 2);
  EXPECT_EQ(EntryFromPointReply(0x00000003u, 3), -1);  // past the end
  EXPECT_EQ(EntryFromPointReply(0x00010001u, 3), -1);  // outside the entries
  EXPECT_EQ(EntryFromPointReply(0x00000000u, 0), -1);  // empty list
  EXPECT_EQ(EntryFromPointReply(0xFFFF0000u, 5), -1);
}

TEST(MainServer, TickedBoxPutsServerAndPasswordIntoTheJoin) {
  TRunValues run;
  ApplyUseServerExit(run, true, "srv:", "pw");
  EXPECT_EQ(JoinCommand(run.mainServer, "room5", run.passwordArgument), "/JOIN1 srv:room5 pw");
  ApplyUseServerExit(run, true, "srv:", "");
  EXPECT_EQ(JoinCommand(run.mainServer, "room5", run.passwordArgument), "/JOIN1 srv:room5 ");
  ApplyUseServerExit(run, false, "ignored", "ignored");
  EXPECT_EQ(JoinCommand(run.mainServer, "room5", run.passwordArgument), "/JOIN1 room5");
  EXPECT_TRUE(run.mainServerPassword.empty());
}

TEST(MainServer, BoxEditsReachTheJoinOnlyWhileTheServerIsInUse) {
  TRunValues run;
  ApplyServerExit(run, "typed", false);
  EXPECT_EQ(ApplyPasswordExit(run, "secret", false), "secret ");
  EXPECT_TRUE(run.mainServer.empty());
  EXPECT_TRUE(run.passwordArgument.empty());
  ApplyServerExit(run, "typed", true);
  EXPECT_EQ(ApplyPasswordExit(run, "", true), " ");
  EXPECT_EQ(run.mainServer, "typed");
  EXPECT_EQ(run.passwordArgument, " ");
}

}  // namespace
}  // namespace hopvox
