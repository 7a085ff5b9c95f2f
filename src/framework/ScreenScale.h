#pragma once
// The window definition is drawn up in the pixels of a screen of 96 pixels
// per inch. Its fonts are in points and grow with a finer screen (120 for
// "large fonts", 144), so the bounds and spacings grow with them, by the
// screen's pixels per inch over 96, once at start-up. Pictures keep their own
// pixels and sit at the scaled places.
#include "framework/Window.h"

namespace hopvox {

// The screen's pixels per inch (LOGPIXELSY), read once.
int ScreenPixelsPerInch();

// A length or place of the definition on this screen.
int ScaleToScreen(int pixels);
// Bounds on this screen: the edges are scaled, so neighbours that touch at
// 96 pixels per inch still touch.
TBounds ScaleToScreen(const TBounds& bounds);

}  // namespace hopvox
