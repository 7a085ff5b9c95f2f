// Edits reach the polling engine at its next tick: what "roger" is started with.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// Two moves, so that a pointer already resting there still moves.
void CommitByPointer(const HopvoxRun& run) {
  run.MoveMouse("Panel1", 2, 150);
  run.MoveMouse("Panel1", 3, 151);
}

}  // namespace

TEST(Joins, TheMainServerStandsInFrontOfTheSlotWhileTicked) {
  HopvoxRun run("join_server");
  run.WriteFile(
      "Hopvox.ini",
      "[Hopvox keys]\r\nChannel 5=54\r\n[Hopvox key modifier]\r\nModifier=1\r\n"
      "[Hopvox Ips]\r\nChannel 5=:T5\r\nMain Server=S.example\r\nMain Server Password=P \r\n");
  run.Start();
  run.ExpandFoldPanel(2);
  run.ClickAt("serverbox", 6, 8);  // a click on the box activates the window again
  CommitByPointer(run);
  {
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '6');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "/JOIN1 S.example:T5 P");
  }
  EXPECT_EQ(run.Text("serverpassword"), "P");
  run.ClickAt("serverbox", 6, 8);
  ASSERT_FALSE(run.Checked("serverbox"));
  CommitByPointer(run);
  EXPECT_EQ(run.Text("serverip"), "S.example");  // the box keeps its text
  {
    const size_t before = run.RogerLog().size();
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '6');
    ASSERT_GT(log.size(), before);
    EXPECT_EQ(log.back(), "/JOIN1 :T5");
  }
  run.Close();
}

// Start-up with the box unticked: the boxes show what is stored, the joins
// leave it out until the box is ticked.
TEST(Joins, AStoredServerWaitsInItsBoxWhileUntickedAtStart) {
  HopvoxRun run("join_server_unticked");
  run.WriteFile(
      "Hopvox.ini",
      "[Hopvox keys]\r\nChannel 5=54\r\n[Hopvox key modifier]\r\nModifier=1\r\n"
      "[Hopvox Ips]\r\nChannel 5=:T5\r\nMain Server=S.example\r\nMain Server Password=P \r\n"
      "[Hopvox misc]\r\nUse Server=0\r\n");
  run.Start();
  EXPECT_FALSE(run.Checked("serverbox"));
  EXPECT_EQ(run.Text("serverip"), "S.example");
  EXPECT_EQ(run.Text("serverpassword"), "P");
  EXPECT_EQ(run.QueryText("passwordArgument"), "");
  {
    const auto log = run.PressInAnotherProgram(VK_CONTROL, '6');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "/JOIN1 :T5");
  }
  run.Close();
}

TEST(Joins, AHandSetLevelIsWhereTheHotkeyStepStarts) {
  HopvoxRun run("join_volume");
  run.WriteFile("Hopvox.ini",
                "[Hopvox Volume]\r\nVolume level=99\r\nVolumeup Hotkey=85\r\n"
                "[Hopvox key modifier]\r\nModifier=1\r\n");
  run.Start();
  run.ExpandFoldPanel(3);
  run.ClickAt("Form1", run.Query("updown.UpX"), run.Query("updown.UpY"));
  ASSERT_EQ(run.Query("lednumber"), 100);
  {
    const auto log = run.PressInAnotherProgram(VK_SHIFT, 'U');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/volume 110");
  }
  run.Close();
}

// Ticking the box acts once it loses the focus; while it is ticked, the
// server and password boxes reach the joins as soon as they are left.
TEST(Joins, TheTickActsWhenLeftAndTickedServerEditsReachTheNextJoin) {
  HopvoxRun run("join_server_edits");
  run.WriteFile(
      "Hopvox.ini",
      "[Hopvox keys]\r\nChannel 5=54\r\n[Hopvox key modifier]\r\nModifier=1\r\n"
      "[Hopvox Ips]\r\nChannel 5=:T5\r\nMain Server=S.example\r\nMain Server Password=P \r\n"
      "[Hopvox misc]\r\nUse Server=0\r\n");
  run.Start();
  run.ExpandFoldPanel(2);
  run.ClickAt("serverbox", 6, 8);
  ASSERT_TRUE(run.Checked("serverbox"));
  e2e::Chord(VK_CONTROL, '6');  // the box keeps the focus meanwhile
  auto log = run.WaitForRoger(1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "/JOIN1 :T5");
  EXPECT_EQ(run.QueryText("mainServer"), "");
  CommitByPointer(run);
  EXPECT_EQ(run.QueryText("mainServer"), "S.example");

  run.PressCaptionButton("captionlockbtn");
  run.Focus("serverip");
  run.SetText("serverip", "N.example");
  CommitByPointer(run);
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Main Server=N.example\r\n"), std::string::npos);
  EXPECT_EQ(run.QueryText("mainServer"), "N.example");
  run.Focus("serverpassword");
  run.SetText("serverpassword", "pw2");
  CommitByPointer(run);
  EXPECT_EQ(run.QueryText("passwordArgument"), " pw2");
  {
    const size_t before = run.RogerLog().size();
    log = run.PressInAnotherProgram(VK_CONTROL, '6');
    ASSERT_GT(log.size(), before);
    EXPECT_EQ(log.back(), "/JOIN1 N.example:T5 pw2");
  }
  run.Kill();
}
