// The platform-free decisions behind the editing handlers.
#include <gtest/gtest.h>

#include <string>

#include "core/logic/Channels.h"
#include "core/logic/Commands.h"
#include "ui/logic/Database.h"
#include "ui/logic/MainServer.h"

namespace hopvox {
namespace {

TEST(Database, AddPlanAndEntryUnderThePointer) {
  const std::vector<std::string> listed{"Alpha", "bravo"};
  EXPECT_TRUE(PlanAdd("", listed, WesternCodePage()).refused);
  // Listed already: keeps its one entry.
  EXPECT_EQ(PlanAdd("BRAVO", listed, WesternCodePage()).existing, 1);
  // The same key of the file as the settings layer reads it: blanks at the
  // ends and the case of Western letters do not count.
  EXPECT_EQ(PlanAdd("Alpha ", listed, WesternCodePage()).existing, 0);
  EXPECT_EQ(PlanAdd(" alpha", listed, WesternCodePage()).existing, 0);
  EXPECT_EQ(PlanAdd("Alphas", listed, WesternCodePage()).existing, -1);
  EXPECT_EQ(PlanAdd("M\xDCLLER", {"m\xFCller"}, WesternCodePage()).existing, 0);
  EXPECT_EQ(PlanAdd("M\xDCller", {"Muller"}, WesternCodePage()).existing, -1);
  EXPECT_EQ(EntryFromPointReply(0x00000001u, 2), 1);
  EXPECT_EQ(EntryFromPointReply(0x00000002u, 2), -1);  // past the end
  EXPECT_EQ(EntryFromPointReply(0x00010000u, 2), -1);  // outside the entries
}

TEST(Database, NamesTheFileCannotHoldAreRefusedSayingWhy) {
  const std::vector<std::string> listed{"Alpha"};
  EXPECT_STREQ(PlanAdd("", listed, WesternCodePage()).refusal, kNothingAdded);
  EXPECT_STREQ(PlanAdd("   ", listed, WesternCodePage()).refusal, kNameOnlyBlanks);
  EXPECT_STREQ(PlanAdd("a=b", listed, WesternCodePage()).refusal, kNameWithEquals);
  EXPECT_STREQ(PlanAdd("[x", listed, WesternCodePage()).refusal, kNameWithBracket);
  EXPECT_STREQ(PlanAdd("  [x]", listed, WesternCodePage()).refusal,
               kNameWithBracket);  // the file drops the blanks
  EXPECT_STREQ(PlanAdd("a\r\nb", listed, WesternCodePage()).refusal, kNameWithLineBreak);
  for (const auto* name : {"x[1]", "a]", "two words", " Alpha "}) {
    EXPECT_FALSE(PlanAdd(name, listed, WesternCodePage()).refused) << name;
    EXPECT_EQ(PlanAdd(name, listed, WesternCodePage()).refusal, nullptr) << name;
  }
}

TEST(MainServer, JoinsNameTheServerOnlyWhileItIsInUse) {
  TRunValues run;
  ApplyServerExit(run, "typed", false);
  EXPECT_EQ(ApplyPasswordExit(run, "secret", false), "secret ");
  EXPECT_EQ(JoinCommand(run.mainServer, "T", run.passwordArgument), "/JOIN1 T");
  ApplyUseServerExit(run, true, "S", "");
  EXPECT_EQ(JoinCommand(run.mainServer, "T", run.passwordArgument), "/JOIN1 ST ");
  EXPECT_EQ(ApplyPasswordExit(run, "P", true), "P ");
  EXPECT_EQ(JoinCommand(run.mainServer, "T", run.passwordArgument), "/JOIN1 ST P");
  ApplyUseServerExit(run, false, "S", "P");
  EXPECT_EQ(JoinCommand(run.mainServer, "T", run.passwordArgument), "/JOIN1 T");
}

}  // namespace
}  // namespace hopvox
