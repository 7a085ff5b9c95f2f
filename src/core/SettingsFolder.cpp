#include "core/SettingsFolder.h"

#include <windows.h>

#include <shlobj.h>

#include "core/logic/SettingsFolderChoice.h"
#include "core/logic/SettingsNames.h"
#include "framework/Application.h"
#include "framework/ModulePath.h"

namespace hopvox {

namespace {

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Only a real file tells: folder attributes and rights say nothing reliable
// (Program Files is not read-only, and may still refuse a standard user).
bool TakesNewFiles(const std::string& folder) {
  const std::string probe =
      folder + "Hopvox-write-test-" + std::to_string(GetCurrentProcessId()) + ".tmp";
  const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  DeleteFileA(probe.c_str());
  return true;
}

bool WritableFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// "<application data>\Hopvox\", or empty when the system names no such folder.
std::string UserFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, path)))
    return {};
  // The user's name may be one the code page cannot spell.
  std::string folder = AnsiPathOf(path);
  if (folder.empty()) return {};
  if (folder.back() != '\\') folder += '\\';
  return folder + "Hopvox\\";
}

}  // namespace

std::string SettingsFolder(const std::string& programDir) {
  const std::string user = UserFolder();
  // No program folder (a name the code page cannot spell): the user's folder,
  // with nothing to start from; the start-up has said why.
  const bool known = !programDir.empty();
  const TSettingsFolderChoice choice = ChooseSettingsFolder(
      known && TakesNewFiles(programDir), known && WritableFile(programDir + ini::kSettingsFile),
      !user.empty(), Exists(user + ini::kSettingsFile));
  if (!choice.userFolder) return programDir;
  if (!choice.firstStartThere) return user;

  const std::string bare = user.substr(0, user.size() - 1);
  if (!CreateDirectoryA(bare.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return programDir;  // nowhere better: the writes say what fails
  if (!known) return user;
  for (const char* name : {ini::kSettingsFile, ini::kDatabaseFile}) {
    const std::string from = programDir + name, to = user + name;
    // A read-only original would make a read-only copy.
    if (CopyFileA(from.c_str(), to.c_str(), TRUE))
      SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  const std::string text = "Hopvox may not save its settings in its own folder,\n" + programDir +
                           "\n\nso it keeps them for you in\n" + bare + "\n\nfrom now on.";
  MessageBoxA(nullptr, text.c_str(), Application().Title().c_str(),
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  return user;
}

}  // namespace hopvox
