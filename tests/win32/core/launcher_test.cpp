// Every command string reaches the voice-chat program byte for byte, and the
// shell is asked the same way for every start.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// What the launcher hands the shell, seen at the call itself: a stand-in
// program gets the same command line for a null parameter string and an empty
// one, so only the call can tell them apart.
struct ShellCall {
  HWND owner;
  bool verbNull, parametersNull, folderNull;
  std::string file, parameters;
  INT show;
};
std::vector<ShellCall> g_calls;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR folder, INT show) {
  g_calls.push_back({owner, verb == nullptr, parameters == nullptr, folder == nullptr,
                     file ? file : "", parameters ? parameters : "", show});
  return reinterpret_cast<HINSTANCE>(42);  // "started"; nothing is run
}

// Points this program's import of ShellExecuteA at `to` while it lives.
class ShellExecuteDetour {
 public:
  explicit ShellExecuteDetour(void* to) {
    const auto real =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "ShellExecuteA"));
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp)
      for (auto* slot = reinterpret_cast<void**>(base + imp->FirstThunk); *slot; ++slot)
        if (*slot == real) Patch(slot, to);
  }
  ~ShellExecuteDetour() {
    for (auto& [slot, was] : patched_) Write(slot, was);
  }
  bool Active() const { return !patched_.empty(); }

 private:
  void Patch(void** slot, void* to) {
    patched_.emplace_back(slot, *slot);
    Write(slot, to);
  }
  static void Write(void** slot, void* value) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
  }
  std::vector<std::pair<void**, void*>> patched_;
};

TEST(Launcher, ThePlainStartPassesNoParameterStringAndEveryStartTheSameShellArguments) {
  g_calls.clear();
  {
    ShellExecuteDetour detour(reinterpret_cast<void*>(&RecordShellExecute));
    ASSERT_TRUE(detour.Active());
    hopvox::launch(std::string());  // an empty command is still a command
    hopvox::launch();
  }
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_FALSE(g_calls[0].parametersNull);
  EXPECT_TRUE(g_calls[1].parametersNull);
  for (const ShellCall& call : g_calls) {
    EXPECT_EQ(call.owner, GetDesktopWindow());
    EXPECT_TRUE(call.verbNull);
    EXPECT_EQ(call.file, "roger");
    EXPECT_TRUE(call.folderNull);
    EXPECT_EQ(call.show, SW_SHOWNA);
  }
}

}  // namespace
