#pragma once
// Shared pieces of the widget family on the Win32 side: the option objects
// (palettes, bevel) and the bitmap work they need: loading strips from the
// program's resources, recolouring marker colours, transparent copies.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "widgets/logic/Color.h"
#include "widgets/logic/Rect.h"
#include "widgets/logic/VrBevel.h"
#include "widgets/logic/VrPalette.h"
#include "widgets/logic/VrPaletteEx.h"

namespace hopvox {

// RGB of a widget colour, system colours looked up now.
COLORREF ToColorRef(TColor c);

// A bitmap resource of this program as a screen-compatible bitmap, so the
// marker colours stay exact; empty when the resource is missing.
UniqueBitmap LoadResourceBitmap(const char* name);
// Width and height of a bitmap; (0, 0) for none.
SIZE BitmapSize(HBITMAP bmp);
// A screen-compatible copy of a bitmap (empty in, empty out).
UniqueBitmap CopyBitmap(HBITMAP bmp);
// Every pixel of exactly `marker` becomes `color`; all others stay. The
// masks of all markers are taken before any is painted, so a new colour that
// equals a later marker is not replaced again.
struct ColorSwap {
  COLORREF Marker;
  COLORREF Color;
};
void ReplaceColors(HBITMAP bmp, std::initializer_list<ColorSwap> swaps);
// Copies (sx, sy, w, h) of bmp to (x, y), leaving out `transparent` pixels.
void DrawTransparent(HDC dc, int x, int y, int w, int h, HBITMAP bmp, int sx, int sy,
                     COLORREF transparent);
// The colour of the bottom-left pixel: a glyph's transparent colour.
COLORREF BottomLeftColor(HBITMAP bmp);
// Draws bevel frames (logic/VrBevel) with their colours resolved.
void DrawFrames(HDC dc, const std::vector<BevelFrame>& frames);
void FillSolid(HDC dc, const RECT& r, COLORREF color);
inline RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace hopvox
