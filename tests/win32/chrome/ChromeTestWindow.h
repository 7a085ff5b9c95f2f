#pragma once
// A plain top-level window for the chrome tests: it records the messages its
// own procedure receives, so tests can see what the hooks passed on.
#include <windows.h>

#include <string>
#include <vector>

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
                       int height = 300) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BaseProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HopvoxChromeTest";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "HopvoxChromeTest", "Chrome test", style, 50, 50, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(w, SW_SHOW);
  return w;
}

inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

inline LPARAM ScreenPoint(int x, int y) {
  return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace hopvox::test
