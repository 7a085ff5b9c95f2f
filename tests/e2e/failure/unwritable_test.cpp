// A settings file the program may not write: closing must still be possible
// (after saying what was not saved) and start-up must still load everything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

const char kQuestion[] = "Close Hopvox without saving these settings?";

enum class CloseWay { TitleBar, ExitButton, TrayExit };

void AskToClose(HopvoxRun& run, CloseWay way) {
  switch (way) {
    case CloseWay::TitleBar:
      PostMessageA(run.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case CloseWay::ExitButton:
      run.Click("exitButton");
      break;
    case CloseWay::TrayExit:
      // The icon and its menu are there while the window is in the tray.
      if (IsWindowVisible(run.Form())) run.PressCaptionButton("TrayIcon");
      // From the top, Up wraps round to the last item, "Exit".
      run.TrayMenu({VK_UP, VK_RETURN});
      break;
  }
}

// The error, then the question with its two answers.
void ExpectErrorThenQuestion(HopvoxRun& run) {
  ASSERT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("Hopvox.ini"));
  ASSERT_TRUE(run.DismissMessageBox());
  ASSERT_EQ(run.WaitForMessageBox(), kQuestion);
  EXPECT_EQ(run.MessageBoxButtons(), (std::vector<std::string>{"&Yes", "&No"}));
}

class ReadOnlyAtClose : public ::testing::TestWithParam<CloseWay> {};

TEST_P(ReadOnlyAtClose, NoKeepsTheWindowAndYesEndsWithoutWriting) {
  HopvoxRun run("close_read_only_" + std::to_string(static_cast<int>(GetParam())));
  const std::string original =
      "[Hopvox timing]\r\nTiming=80\r\n[Hopvox key modifier]\r\nModifier=1\r\n";
  run.WriteFile("Hopvox.ini", original);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.Start();

  AskToClose(run, GetParam());
  ExpectErrorThenQuestion(run);
  ASSERT_TRUE(run.AnswerMessageBox(IDNO));
  // Nothing else follows; the window stays as it was, polling included.
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");
  EXPECT_TRUE(run.Running());
  EXPECT_EQ(IsWindowVisible(run.Form()) != FALSE, GetParam() != CloseWay::TrayExit);
  EXPECT_EQ(run.Query("Timer1"), 1);

  // A later close tries again; Yes ends the program at once, without the
  // closing message and without touching the file.
  AskToClose(run, GetParam());
  ExpectErrorThenQuestion(run);
  ASSERT_TRUE(run.AnswerMessageBox(IDYES));
  EXPECT_EQ(run.WaitForExit(), 0u);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), original);
}

INSTANTIATE_TEST_SUITE_P(EveryWayToClose, ReadOnlyAtClose,
                         ::testing::Values(CloseWay::TitleBar, CloseWay::ExitButton,
                                           CloseWay::TrayExit));

TEST(ReadOnlyAtStart, TheErrorOnceThenTheStoredHotkeysJoin) {
  // No "Hopvox timing": start-up wants to write it and cannot.
  HopvoxRun run("start_read_only");
  const std::string original =
      "[Hopvox key modifier]\r\nModifier=4\r\n[Hopvox keys]\r\nChannel 3=52\r\n[Hopvox "
      "Ips]\r\nChannel 3=10.0.0.4\r\n"
      "[Hopvox Volume]\r\nVolume level=120\r\n";
  run.WriteFile("Hopvox.ini", original);
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  run.Launch();
  ASSERT_EQ(run.WaitForMessageBox(), "Unable to write to " + run.PathOf("Hopvox.ini"));
  ASSERT_TRUE(run.DismissMessageBox());
  run.WaitForForm();
  EXPECT_EQ(run.WaitForMessageBox(std::chrono::milliseconds(500)), "");

  // Everything after the failed write was still read.
  EXPECT_EQ(run.HotKey("HotKey4"), 52);
  EXPECT_EQ(run.Query("lednumber"), 120);
  EXPECT_TRUE(run.Checked("nonbutton"));
  EXPECT_EQ(run.Text("ipbox4"), "10.0.0.4");
  {
    const auto log = run.PressInAnotherProgram(0, '4');
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/JOIN1 10.0.0.4");
  }

  EXPECT_EQ(run.ReadFile("Hopvox.ini"), original);

  // Writable again: the close goes through as always.
  SetFileAttributesA(run.PathOf("Hopvox.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Use Server=0"), std::string::npos);
}

}  // namespace
