#include "framework/SystemColours.h"

namespace hopvox {

bool UseSystemColours() {
  HIGHCONTRASTA contrast{};
  contrast.cbSize = sizeof contrast;
  if (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON))
    return true;
  // Wine reports no high contrast whatever its colours; a dark button face
  // (every "High Contrast Black" scheme) leaves black text unreadable anyway.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int luminance =
      (GetRValue(face) * 299 + GetGValue(face) * 587 + GetBValue(face) * 114) / 1000;
  return luminance < 128;
}

COLORREF TextColour(COLORREF designed, int sysText) {
  return designed == RGB(0, 0, 0) && UseSystemColours() ? GetSysColor(sysText) : designed;
}

}  // namespace hopvox
