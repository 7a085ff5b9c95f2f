#include "chrome/mdTHEMES.h"

#include "framework/SystemLibrary.h"

namespace hopvox {

const std::array<const char*, ThemeLibrary::kEntryCount> kThemeEntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundExtent",
    "GetThemeTextExtent",
    "GetThemePartSize",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming"};

namespace {
ThemeLibrary& State() {
  static ThemeLibrary lib;
  return lib;
}

template <class Fn>
void Bind(Fn& fn, FARPROC p) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}
}  // namespace

const ThemeLibrary& ThemeLibraryStart() {
  static bool started = false;
  ThemeLibrary& lib = State();
  if (started) return lib;
  started = true;
  lib.loaded = false;
  const UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  lib.module = LoadSystemLibrary("uxtheme.dll");
  SetErrorMode(previous);
  if (!lib.module) return lib;
  for (std::size_t i = 0; i < kThemeEntryNames.size(); ++i)
    lib.entries[i] = GetProcAddress(lib.module, kThemeEntryNames[i]);
  Bind(lib.OpenThemeData, lib.entries[0]);
  Bind(lib.CloseThemeData, lib.entries[1]);
  Bind(lib.DrawThemeBackground, lib.entries[2]);
  Bind(lib.IsThemeActive, lib.entries[35]);
  lib.loaded = true;
  return lib;
}

void ThemeLibraryEnd() {
  ThemeLibrary& lib = State();
  if (lib.loaded && lib.module) FreeLibrary(lib.module);
  lib = ThemeLibrary{};
}

bool ThemesActive() {
  const ThemeLibrary& lib = ThemeLibraryStart();
  return lib.loaded && lib.IsThemeActive && lib.IsThemeActive();
}

}  // namespace hopvox
