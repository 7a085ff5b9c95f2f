#include "framework/ScreenScale.h"

#include "framework/Handles.h"

namespace hopvox {

int ScreenPixelsPerInch() {
  static const int perInch = [] {
    ClientDC screen(nullptr);
    const int y = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return y > 0 ? y : 96;
  }();
  return perInch;
}

int ScaleToScreen(int pixels) { return MulDiv(pixels, ScreenPixelsPerInch(), 96); }

TBounds ScaleToScreen(const TBounds& b) {
  const int left = ScaleToScreen(b.left), top = ScaleToScreen(b.top);
  return {left, top, ScaleToScreen(b.left + b.width) - left, ScaleToScreen(b.top + b.height) - top};
}

}  // namespace hopvox
