#pragma once
// Renders a window's client area into a memory bitmap (WM_PRINTCLIENT, the
// same routine WM_PAINT uses) and reads pixels back as RGB.
#include <windows.h>

#include <vector>

#include "framework/Form.h"
#include "widgets/logic/Color.h"

namespace hopvox::test {

class Snapshot {
 public:
  explicit Snapshot(HWND wnd) {
    RECT rc;
    GetClientRect(wnd, &rc);
    w_ = rc.right;
    h_ = rc.bottom;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w_, -h_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageA(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* px = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(px, px + std::size_t(w_) * h_);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bmp);
    ReleaseDC(nullptr, screen);
  }
  // As TColor (0x00BBGGRR) so it compares with the widgets' colours.
  TColor At(int x, int y) const {
    std::uint32_t p = pixels_[std::size_t(y) * w_ + x];
    return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int w_ = 0, h_ = 0;
  std::vector<std::uint32_t> pixels_;
};

inline TColor Sys(int index) { return TColor(GetSysColor(index)); }

// A plain top-level window to put widgets on.
struct Host : TForm {
  Host() : TForm("widgets test", 420, 320, WS_OVERLAPPEDWINDOW) {}
};

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace hopvox::test
