#pragma once
// Renders a window's client area into a memory bitmap (WM_PRINTCLIENT, the
// same routine WM_PAINT uses) and reads pixels back as RGB.
#include <windows.h>

#include <vector>

#include "../PixelBlock.h"
#include "framework/Form.h"
#include "widgets/logic/Color.h"

namespace hopvox::test {

class Snapshot {
 public:
  explicit Snapshot(HWND wnd) : pixels_(ClientWidth(wnd), ClientHeight(wnd)) {
    SendMessageA(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pixels_.Dc()), PRF_CLIENT);
  }
  // As TColor (0x00BBGGRR) so it compares with the widgets' colours.
  TColor At(int x, int y) const { return TColor(pixels_.At(x, y)); }

 private:
  static int ClientWidth(HWND wnd) {
    RECT rc;
    GetClientRect(wnd, &rc);
    return rc.right;
  }
  static int ClientHeight(HWND wnd) {
    RECT rc;
    GetClientRect(wnd, &rc);
    return rc.bottom;
  }
  PixelBlock pixels_;
};

inline TColor Sys(int index) { return TColor(GetSysColor(index)); }

// A plain top-level window to put widgets on.
struct Host : TForm {
  Host() : TForm("widgets test", 420, 320, WS_OVERLAPPEDWINDOW) {}
};

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace hopvox::test
