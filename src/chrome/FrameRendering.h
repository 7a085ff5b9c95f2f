#pragma once
// Our title-bar buttons are painted into the window's frame. Where the
// desktop is composed (Vista with its glass theme, 8 and later always), the
// window manager draws the frame itself, over what we paint and with caption
// buttons wider than the system metrics say; asked to, it leaves the frame to
// the window as on XP.
#include <windows.h>

namespace hopvox {

// Asks the desktop window manager not to draw `window`'s frame. Called each
// time a window with title-bar buttons gets its handle. Does nothing where
// the system has no window manager library (XP).
void LeaveFrameToWindow(HWND window);

}  // namespace hopvox
