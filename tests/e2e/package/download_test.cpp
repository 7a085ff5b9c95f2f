// The download as a user meets it: hopvox-1.6.zip unpacked into a folder
// whose name has blanks (the build unpacks it before this test runs; the
// folder is in HOPVOX_DOWNLOAD), the program started from another working
// folder, as Windows starts it at log-on. It must find its settings, help and
// channel announcements beside itself, not in the working folder, join a
// channel on a hotkey and say which (the test listens).
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "driver/Driver.h"
#include "driver/Listener.h"

namespace {

using e2e::HopvoxRun;

using e2e::Env;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(Download, RunsFromAFolderWithBlanksStartedElsewhere) {
  const std::string folder = Env("HOPVOX_DOWNLOAD");
  ASSERT_NE(folder.find(' '), std::string::npos)
      << "the test needs blanks in the folder name: " << folder;
  ASSERT_TRUE(Exists(folder + "\\hopvox.exe")) << folder;
  ASSERT_TRUE(Exists(folder + "\\HOPVOX.TXT"));
  ASSERT_TRUE(Exists(folder + "\\README.TXT"));
  for (int ch = 0; ch < 16; ++ch)
    EXPECT_TRUE(Exists(folder + "\\channel" + std::to_string(ch) + ".wav")) << ch;
  e2e::Listener listener;

  // Another working folder, with the stand-in "roger" in it: the shell finds
  // it there, as it would find an installed Roger Wilco on the path.
  const std::string elsewhere = folder + "\\..\\working folder";
  CreateDirectoryA(elsewhere.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(Env("ROGER_EXE").c_str(), (elsewhere + "\\roger.exe").c_str(), FALSE));
  DeleteFileA((elsewhere + "\\Hopvox.ini").c_str());

  HopvoxRun run(HopvoxRun::InPlace{folder});
  SetEnvironmentVariableA("ROGER_LOG", run.PathOf("roger.log").c_str());
  DeleteFileA(run.PathOf("roger.log").c_str());
  DeleteFileA(run.PathOf("roger.log.seq").c_str());
  // Ctrl as the modifier, channel 3 on F7 with its server.
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox keys]\r\nChannel 3=118\r\n"
                "[Hopvox Ips]\r\nChannel 3=voice.example.net:3783\r\n");
  run.Start(elsewhere);
  EXPECT_EQ(run.Text("ipbox4"), "voice.example.net:3783");

  {
    e2e::FocusThief thief;
    const std::size_t mark = listener.Now();
    e2e::Chord(VK_CONTROL, VK_F7);
    const auto log = run.WaitForRoger(1);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "/JOIN1 voice.example.net:3783");
    const auto heard = listener.NextSound(mark);
    const auto three = e2e::SoundOf(
        e2e::ReadBytes(Env("HOPVOX_SOURCE") + "\\resources\\sounds\\channels\\channel3.wav"));
    EXPECT_GT(e2e::LikenessAtEnd(heard, three), 0.99) << "\"Channel three\" not heard";
  }

  run.Click("helpButton");
  HWND help = run.WaitForWindow("Hopvox Help");
  ASSERT_NE(help, nullptr);
  char text[4096] = {};
  SendMessageA(FindWindowExA(help, nullptr, "Edit", nullptr), WM_GETTEXT, sizeof text,
               reinterpret_cast<LPARAM>(text));
  EXPECT_NE(std::string(text).find("CHANNELS"), std::string::npos);

  run.Close();
  // The close-time settings went beside the program, and nothing into the
  // working folder.
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("Hopvox misc"), std::string::npos);
  EXPECT_FALSE(Exists(elsewhere + "\\Hopvox.ini"));
  SetEnvironmentVariableA("ROGER_LOG", nullptr);
}

}  // namespace
