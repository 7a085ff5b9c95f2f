#include "core/Launcher.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/ModulePath.h"

namespace hopvox {

namespace {

// The shell's answer when its search found no program of that name.
constexpr INT_PTR kFileNotFound = SE_ERR_FNF;

INT_PTR ShellStart(const char* file, const char* parameters) {
  // Owned by the desktop, shown without taking the focus from the game.
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(GetDesktopWindow(), nullptr, file, parameters, nullptr, SW_SHOWNA));
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Start(const char* parameters) {
  // The shell looks for the bare name where Windows documents it: the working
  // folder, the Windows folders, PATH and the App Paths key, but not beside
  // this program. A user who keeps roger.exe beside hopvox.exe and starts it
  // from elsewhere (a shortcut, the start at log-on) would hear every hotkey
  // and get no join, so that copy is started by its full path instead.
  if (ShellStart("roger", parameters) != kFileNotFound) return;
  const std::string folder = ProgramDir();
  if (folder.empty()) return;
  const std::string beside = folder + "roger.exe";
  if (IsFile(beside)) ShellStart(beside.c_str(), parameters);
}

}  // namespace

void launch(const std::string& parameters) { Start(parameters.c_str()); }
void launch() { Start(nullptr); }

}  // namespace hopvox
