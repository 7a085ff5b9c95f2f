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

void LoadSystemLibrariesAhead() {
  // Read off the import, delay-import and load-by-name lists of the system
  // libraries this program uses (and of those they use in turn), less the
  // names that are known system libraries on every Windows from XP to 11.
  static const char* const kAskedForByName[] = {
      "uxtheme.dll",   // the window system and the common controls, for themes
      "msimg32.dll",   // themed and common-control drawing (AlphaBlend, TransparentBlt)
      "winmm.dll",     // our sounds, and the common controls
      "msacm32.dll",   // the sound library, for compressed waves
      "dinput.dll",    // our keyboard reader
      "hid.dll",       // DirectInput
      "version.dll",   // the shell, the common dialogs and the window system
      "winspool.drv",  // the common dialogs and GDI
      "imm32.dll",     // the window system; no known library on XP
      "dwmapi.dll",    // the frame and themes where the desktop is composed
  };
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  for (const char* name : kAskedForByName) LoadSystemLibrary(name);  // kept: never freed
  SetErrorMode(previous);
}

bool InitCommonControlClasses(DWORD classes) {
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const HMODULE library = LoadLibraryA("comctl32.dll");  // kept: never freed
  const auto init = reinterpret_cast<InitFn>(
      reinterpret_cast<void*>(library ? GetProcAddress(library, "InitCommonControlsEx") : nullptr));
  const INITCOMMONCONTROLSEX icc{sizeof icc, classes};
  return init && init(&icc);
}

FARPROC CommonDialogsProc(const char* name) {
  static const HMODULE library = LoadSystemLibrary("comdlg32.dll");  // kept: never freed
  return library ? GetProcAddress(library, name) : nullptr;
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
