#include "framework/ModulePath.h"

#include <windows.h>

#include <vector>

#include "framework/SystemCodePage.h"
#include "framework/logic/AnsiCodePage.h"

namespace hopvox {

namespace {

// `wide` in the system's code page, or empty when a letter has no spelling
// there (the conversion would put "?" in its place).
std::string Spelled(const std::wstring& wide) {
  if (wide.empty()) return {};
  if (GetACP() == CP_UTF8) {  // spells everything, and takes no flags
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), n,
                        nullptr, nullptr);
    return text;
  }
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                    static_cast<int>(wide.size()), nullptr, 0, nullptr, &lost);
  if (n <= 0 || lost) return {};
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), static_cast<int>(wide.size()),
                      text.data(), n, nullptr, &lost);
  return lost ? std::string() : text;
}

}  // namespace

std::string AnsiPathOf(const std::wstring& wide) {
  if (std::string spelled = Spelled(wide); !spelled.empty()) return spelled;
  const DWORD shortLength = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (!shortLength) return {};
  std::vector<wchar_t> shortPath(shortLength);
  const DWORD m = GetShortPathNameW(wide.c_str(), shortPath.data(), shortLength);
  if (!m || m >= shortLength) return {};
  return Spelled(std::wstring(shortPath.data(), m));
}

std::string ProgramFilePath() {
  std::vector<wchar_t> path(MAX_PATH);
  DWORD n = 0;
  // Long paths need a longer buffer than MAX_PATH; the call cuts them short.
  while ((n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
             path.size() &&
         path.size() < 32768)
    path.resize(path.size() * 2);
  return AnsiPathOf(std::wstring(path.data(), n));
}

std::string ProgramDir() {
  std::string dir = ProgramFilePath();
  dir.erase(FolderLength(dir, SystemCodePage()));
  return dir;
}

}  // namespace hopvox
