#pragma once
// The visual-styles library, loaded at run time because the program must
// also run where it does not exist.
#include <windows.h>

#include <array>

namespace hopvox {

using HTHEME_ = HANDLE;

struct ThemeLibrary {
  static constexpr std::size_t kEntryCount = 46;
  HMODULE module = nullptr;
  bool loaded = false;
  std::array<FARPROC, kEntryCount> entries{};  // in the order of kThemeEntryNames

  HTHEME_(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(HTHEME_) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME_, HDC, int, int, const RECT*, const RECT*) = nullptr;
  BOOL(WINAPI* IsThemeActive)() = nullptr;
};

extern const std::array<const char*, ThemeLibrary::kEntryCount> kThemeEntryNames;

// Loads "uxtheme.dll" once (no system error box when it is missing) and binds
// its entry points; later calls return the same state.
const ThemeLibrary& ThemeLibraryStart();
// Frees the library at program end.
void ThemeLibraryEnd();
// The library is loaded and a theme is switched on.
bool ThemesActive();

}  // namespace hopvox
