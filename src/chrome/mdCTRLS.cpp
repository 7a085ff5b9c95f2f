#include "chrome/mdCTRLS.h"

#include <algorithm>
#include <vector>

#include "chrome/mdTHEMES.h"
#include "framework/SystemColours.h"

namespace hopvox {

namespace {
constexpr int kTabBody = 10;  // TABP_BODY

std::vector<TWindow*>& ThemedForms() {
  static std::vector<TWindow*> forms;
  return forms;
}
}  // namespace

TXPThemeAPI::TXPThemeAPI(TWindow* owner) : owner_(owner) {
  if (!dynamic_cast<TForm*>(owner))
    throw std::runtime_error("TXPThemeAPI: Control parent must be a form!");
  auto& forms = ThemedForms();
  if (std::find(forms.begin(), forms.end(), owner) != forms.end())
    throw std::runtime_error("TXPThemeAPI: Drop one instance only on form!");
  forms.push_back(owner);
}

TXPThemeAPI::~TXPThemeAPI() {
  auto& forms = ThemedForms();
  forms.erase(std::remove(forms.begin(), forms.end(), owner_), forms.end());
}

bool DrawThemedTabBody(HWND window, HDC dc) {
  // The theme's page is white whatever the system's colours; with high
  // contrast the page takes the button face like the rest of the window.
  if (!ThemesActive() || UseSystemColours()) return false;
  const ThemeLibrary& lib = ThemeLibraryStart();
  if (!lib.OpenThemeData || !lib.DrawThemeBackground || !lib.CloseThemeData) return false;
  HTHEME_ theme = lib.OpenThemeData(nullptr, L"Tab");
  if (!theme) return false;
  RECT rc{};
  GetClientRect(window, &rc);
  lib.DrawThemeBackground(theme, dc, kTabBody, 0, &rc, nullptr);
  lib.CloseThemeData(theme);
  return true;
}

LRESULT TXPTabSheet::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND && DrawThemedTabBody(Handle(), reinterpret_cast<HDC>(wp))) return 1;
  return TTabSheet::WndProc(msg, wp, lp);
}

void TXPTabSheet::PaintBackground(HDC dc) {
  // Our pages paint double-buffered; the buffer gets the same background.
  if (!DrawThemedTabBody(Handle(), dc)) TTabSheet::PaintBackground(dc);
}

}  // namespace hopvox
