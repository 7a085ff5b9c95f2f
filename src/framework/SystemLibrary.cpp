#include "framework/SystemLibrary.h"

#include <string>

namespace hopvox {

HMODULE LoadSystemLibrary(const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::string path(folder, length);
  if (path.back() != '\\') path.push_back('\\');
  path += name;
  // With a full path this makes the library's own imports come from its
  // folder first rather than from ours.
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RemoveWorkingFolderFromLibrarySearch() {
  // Windows XP SP1 and later; looked up so that the program still starts
  // where it is missing.
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
  const auto setDllDirectory = reinterpret_cast<SetDllDirectoryFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDllDirectoryA")));
  // An empty string, not null: null would put the working folder back.
  if (setDllDirectory) setDllDirectory("");
}

}  // namespace hopvox
