#pragma once
// A plain top-level window for the chrome tests: it records the messages its
// own procedure receives, so tests can see what the hooks passed on.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../Pump.h"

namespace hopvox::test {

inline std::vector<std::string>& Trace() {
  static std::vector<std::string> t;
  return t;
}

inline constexpr UINT kProbe = WM_APP + 7;

inline LRESULT CALLBACK BaseProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == kProbe) {
    Trace().push_back("base");
    return 42;
  }
  if (m == WM_NCRBUTTONUP) Trace().push_back("base-ncrbuttonup");
  return DefWindowProcA(w, m, wp, lp);
}

inline HWND MakeWindow(DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, int width = 400,
                       int height = 300, DWORD exStyle = 0) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BaseProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HopvoxChromeTest";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(exStyle, "HopvoxChromeTest", "Chrome test", style, 50, 50, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(w, SW_SHOW);
  return w;
}

inline LPARAM ScreenPoint(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// Text and hot area of a title-bar button's tool in the tooltip window; an
// empty text when the tool is not registered for that window and id.
inline std::string ToolText(HWND tips, HWND window, UINT_PTR id, RECT* rect = nullptr) {
  char text[256] = {};
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  ti.hwnd = window;
  ti.uId = id;
  ti.lpszText = text;
  if (!SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) return {};
  if (rect) *rect = ti.rect;
  return text;
}

}  // namespace hopvox::test
