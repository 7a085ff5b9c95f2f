#pragma once
// Text the window draws itself in black, on the button face or on a white
// page, is readable only with the usual light colours. With high contrast on
// (or any scheme whose button face is dark) it takes the system's colours
// instead; otherwise it stays as designed.
#include <windows.h>

namespace hopvox {

// True when the system's colours should replace the fixed ones.
bool UseSystemColours();

// `designed` as given, or, where the system's colours are in use and it is
// the designed black, the system's text colour for `sysText` (COLOR_BTNTEXT
// or COLOR_WINDOWTEXT).
COLORREF TextColour(COLORREF designed, int sysText = COLOR_BTNTEXT);

}  // namespace hopvox
