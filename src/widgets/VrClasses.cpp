#include "widgets/VrClasses.h"

#include "framework/Application.h"

namespace hopvox {

COLORREF ToColorRef(TColor c) {
  return ResolveColor(c, [](unsigned index) { return TColor(GetSysColor(int(index))); });
}

UniqueBitmap LoadResourceBitmap(const char* name) {
  return UniqueBitmap(
      static_cast<HBITMAP>(LoadImageA(Application().Instance(), name, IMAGE_BITMAP, 0, 0, 0)));
}

SIZE BitmapSize(HBITMAP bmp) {
  BITMAP info{};
  if (!bmp || !GetObjectA(bmp, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

UniqueBitmap CopyBitmap(HBITMAP bmp) {
  SIZE size = BitmapSize(bmp);
  if (size.cx == 0 || size.cy == 0) return {};
  ClientDC screen(nullptr);
  UniqueBitmap copy(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  UniqueDC src(CreateCompatibleDC(screen.get())), dst(CreateCompatibleDC(screen.get()));
  ScopedSelectObject s(src.get(), bmp), d(dst.get(), copy.get());
  BitBlt(dst.get(), 0, 0, size.cx, size.cy, src.get(), 0, 0, SRCCOPY);
  return copy;
}

void ReplaceColors(HBITMAP bmp, std::initializer_list<ColorSwap> swaps) {
  SIZE size = BitmapSize(bmp);
  if (size.cx == 0 || size.cy == 0) return;
  ClientDC screen(nullptr);
  UniqueDC stripDC(CreateCompatibleDC(screen.get())), maskDC(CreateCompatibleDC(screen.get()));
  ScopedSelectObject s(stripDC.get(), bmp);
  // Colour to monochrome: pixels of the background colour turn white.
  std::vector<UniqueBitmap> masks;
  for (const ColorSwap& swap : swaps) {
    masks.emplace_back(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    ScopedSelectObject m(maskDC.get(), masks.back().get());
    SetBkColor(stripDC.get(), swap.Marker);
    BitBlt(maskDC.get(), 0, 0, size.cx, size.cy, stripDC.get(), 0, 0, SRCCOPY);
  }
  // D xor (S and (P xor D)): the brush where the mask is white, D elsewhere.
  SetTextColor(stripDC.get(), RGB(0, 0, 0));
  SetBkColor(stripDC.get(), RGB(255, 255, 255));
  auto mask = masks.begin();
  for (const ColorSwap& swap : swaps) {
    UniqueBrush brush(CreateSolidBrush(swap.Color));
    ScopedSelectObject m(maskDC.get(), (mask++)->get()), b(stripDC.get(), brush.get());
    BitBlt(stripDC.get(), 0, 0, size.cx, size.cy, maskDC.get(), 0, 0, 0x00E20746);
  }
}

void DrawTransparent(HDC dc, int x, int y, int w, int h, HBITMAP bmp, int sx, int sy,
                     COLORREF transparent) {
  if (!bmp || w <= 0 || h <= 0) return;
  UniqueDC src(CreateCompatibleDC(dc));
  ScopedSelectObject s(src.get(), bmp);
  // The system's own: the imaging library's TransparentBlt only leads to it.
  GdiTransparentBlt(dc, x, y, w, h, src.get(), sx, sy, w, h, transparent);
}

COLORREF BottomLeftColor(HBITMAP bmp) {
  SIZE size = BitmapSize(bmp);
  if (size.cy == 0) return RGB(0, 0, 0);
  ClientDC screen(nullptr);
  UniqueDC dc(CreateCompatibleDC(screen.get()));
  ScopedSelectObject s(dc.get(), bmp);
  return GetPixel(dc.get(), 0, size.cy - 1);
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.get());
}

void DrawFrames(HDC dc, const std::vector<BevelFrame>& frames) {
  for (const auto& f : frames) {
    const RECT& r = ToRECT(f.Rect);
    COLORREF a = ToColorRef(f.TopLeft), b = ToColorRef(f.BottomRight);
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, a);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, a);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, b);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, b);
  }
}

}  // namespace hopvox
