#pragma once
// What a user sees of the running program, for the tests that check looks:
// the font each control draws with, the pointer shape, the hint showing and
// the colours on screen. Fonts, cursors and tooltips are read inside the
// program through its query message; pixels are read off the screen.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

namespace e2e {

// Every window control of the main window that carries a name.
std::vector<std::string> NamedControls(const HopvoxRun& run);

// "<face>|<height>|<weight>" of the font a control (windowed or windowless)
// draws with; "none" for the system font.
std::string FontOf(const HopvoxRun& run, const std::string& control);
// The height a font of `points` points has on this screen (negative: the
// character height, as fonts are made).
int FontHeight(int points);

enum class Pointer { Other = 0, Hand = 1, IBeam = 2, Arrow = 3, NoDrop = 4 };
// The pointer shape the program shows now.
Pointer PointerShape(const HopvoxRun& run);
// Moves the real pointer onto (x, y) of a control and waits for the shape.
Pointer PointerOver(const HopvoxRun& run, const std::string& control, int x, int y,
                    Pointer expected);

// Moves the real pointer onto (x, y) of a control (after a step beside it, so
// the hint logic sees an arrival) and waits for a hint to show; returns its
// text, or empty when none came up.
std::string HintOver(const HopvoxRun& run, const std::string& control, int x, int y,
                     const char* which = "hint");

// The same for a title-bar button: the pointer comes to rest on it and the
// title-bar buttons' tip is read.
std::string CaptionHintOver(const HopvoxRun& run, const std::string& button);

// Screen colours of a rectangle of a control's client area, as 0xRRGGBB.
std::vector<unsigned> PixelsOf(const HopvoxRun& run, const std::string& control, RECT area);

}  // namespace e2e
