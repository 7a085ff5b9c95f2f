// Every command string reaches the voice-chat program byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/Launcher.h"
#include "core/logic/Commands.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Launcher, EveryCommandArrivesVerbatimInOrder) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string log = std::string(temp) + "hopvox_launch_test.log";
  DeleteFileA(log.c_str());
  DeleteFileA((log + ".seq").c_str());
  SetEnvironmentVariableA("ROGER_LOG", log.c_str());

  using namespace hopvox;
  const std::vector<std::string> commands = {
      JoinCommand("", "10.0.0.5", ""),
      JoinCommand("srv.example:", "3784", " pw"),
      JoinCommand("srv", "", " "),
      kCmdLeave,
      VolumeCommand(255),
      GainCommand(0),
      kCmdPushToTalk,
      kCmdVoiceActivation,
      kCmdClicksOn,
      kCmdClicksOff,
  };
  for (const auto& c : commands) launch(c);
  launch();  // the plain start

  std::vector<std::pair<std::string, std::string>> starts;
  for (int i = 0; i < 300 && starts.size() < commands.size() + 1; ++i) {
    Sleep(50);
    starts.clear();
    std::istringstream in(ReadAll(log + ".seq"));
    std::string line;
    while (std::getline(in, line)) starts.emplace_back(line.substr(0, 26), line.substr(27));
  }
  std::stable_sort(starts.begin(), starts.end());
  ASSERT_EQ(starts.size(), commands.size() + 1);
  for (size_t i = 0; i < commands.size(); ++i) EXPECT_EQ(starts[i].second, commands[i]);
  EXPECT_EQ(starts.back().second, "");
  EXPECT_EQ(commands[1], "/JOIN1 srv.example:3784 pw");
  EXPECT_EQ(commands[2], "/JOIN1 srv ");
  // The plain log holds the same lines, trailing blanks and all.
  const std::string plain = ReadAll(log);
  EXPECT_NE(plain.find("/clicks off \n"), std::string::npos);
  EXPECT_NE(plain.find("\n\n"), std::string::npos);  // the plain start's empty line
}

}  // namespace
