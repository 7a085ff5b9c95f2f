// A library someone planted beside the program or in its working folder, as
// a web page might leave one in the Downloads folder. Loading it leaves
// "<its own path>.loaded" behind. It answers every call the program could
// make on it with a failure, so a program that loads it still starts and
// the test sees the marker rather than a program that did not start.
#include <windows.h>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  lstrcpyA(path + length, ".loaded");
  HANDLE marker =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  return TRUE;
}

// Exported under the names the program has asked these libraries for (see
// PlantMarker.def); each one fails.
BOOL WINAPI MarkerPlaySound(LPCSTR, HMODULE, DWORD) { return FALSE; }
BOOL WINAPI MarkerTransparentBlt(HDC, int, int, int, int, HDC, int, int, int, int, UINT) {
  return FALSE;
}
HRESULT WINAPI MarkerDirectInputCreate(HINSTANCE, DWORD, void**, void*) { return E_FAIL; }
BOOL WINAPI MarkerIsThemeActive() { return FALSE; }
}
