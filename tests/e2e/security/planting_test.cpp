// Libraries planted where the program is unpacked or started from are never
// loaded. Wine is told to prefer such files over its own (as Windows would
// for a library that is not a known system one), the program is started and
// used: sounds, themed pages, the keyboard; then no planted library may have
// left its marker.
//
// Wine reads the environment's overrides when a process starts, from the
// environment it was started with under Linux: one set here with
// SetEnvironmentVariable never reaches the program (the test passed while
// the program loaded planted libraries). The prefix's per-program overrides
// in the registry do; the test runs alone, so no other program sees them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// The libraries the system's own ones ask for by bare name. Not planted:
// those that Wine's own libraries import (version.dll, imm32.dll and
// winspool.drv, for its window system, common controls and dialogs), which
// its loader takes while the program's imports are resolved, before a line
// of ours runs.
const char* const kPlanted[] = {"dinput.dll",  "uxtheme.dll", "winmm.dll", "msimg32.dll",
                                "msacm32.dll", "hid.dll",     "dwmapi.dll"};

const char kOverrides[] = "Software\\Wine\\AppDefaults\\hopvox.exe\\DllOverrides";

// Tells Wine to take the planted files before its own for the program, for
// as long as it lives.
class PlantedFilesFirst {
 public:
  PlantedFilesFirst() {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    for (std::string name : kPlanted) {
      name.erase(name.size() - 4);  // Wine names a library without ".dll"
      static const char kNativeFirst[] = "native,builtin";
      RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kNativeFirst),
                     sizeof kNativeFirst);
    }
    RegCloseKey(key);
  }
  ~PlantedFilesFirst() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kOverrides);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\hopvox.exe");
  }
  PlantedFilesFirst(const PlantedFilesFirst&) = delete;
  PlantedFilesFirst& operator=(const PlantedFilesFirst&) = delete;
};

std::string BuildFolder() {
  std::string exe = std::getenv("HOPVOX_EXE");
  return exe.substr(0, exe.find_last_of('\\'));
}

std::vector<std::string> MarkersIn(const std::string& folder) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  HANDLE h = FindFirstFileA((folder + "\\*.loaded").c_str(), &entry);
  if (h == INVALID_HANDLE_VALUE) return found;
  do found.push_back(folder + "\\" + entry.cFileName);
  while (FindNextFileA(h, &entry));
  FindClose(h);
  return found;
}

// A short, quiet mono wave for channel 0, read from the working folder.
std::string ChannelSound() {
  auto u32 = [](unsigned v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  };
  const std::string samples(2000, '\x80');
  return "RIFF" + u32(36 + samples.size()) + "WAVEfmt " + u32(16) +
         std::string("\x01\x00\x01\x00", 4) + u32(11025) + u32(11025) +
         std::string("\x01\x00\x08\x00", 4) + "data" + u32(samples.size()) + samples;
}

}  // namespace

TEST(Planting, NoLibraryLaidBesideTheProgramOrInTheWorkingFolderIsLoaded) {
  const PlantedFilesFirst plantedFirst;
  const std::string marker = BuildFolder() + "\\plantmarker.dll";
  for (const bool inWorkingFolder : {false, true}) {
    SCOPED_TRACE(inWorkingFolder ? "planted in the working folder" : "planted beside the program");
    HopvoxRun run(inWorkingFolder ? "planted_working" : "planted_beside");
    const std::string working = run.PathOf("started from here");
    CreateDirectoryA(working.c_str(), nullptr);
    for (const char* name : kPlanted) {
      const std::string to = (inWorkingFolder ? working : run.Folder()) + "\\" + name;
      ASSERT_TRUE(CopyFileA(marker.c_str(), to.c_str(), FALSE)) << to;
    }
    run.WriteFile("Hopvox.ini",
                  "[Hopvox key modifier]\nModifier=4\n[Hopvox keys]\nBase channel=49\n"
                  "[Hopvox Ips]\nBase channel=10.0.0.1\n[Hopvox timing]\nTiming=50\n");
    run.WriteFile("started from here\\channel0.wav", ChannelSound());
    run.Start(working);
    {
      // The keys go to another program, as in a game; the keyboard reader
      // sees them all the same, and the channel's sound plays.
      e2e::FocusThief thief;
      e2e::Tap('1');
      EXPECT_FALSE(run.WaitForRoger(1).empty());
    }
    EXPECT_GE(run.SoundCount(), 1);
    run.Close();
    EXPECT_EQ(MarkersIn(run.Folder()), std::vector<std::string>{});
    EXPECT_EQ(MarkersIn(working), std::vector<std::string>{});
  }
}
