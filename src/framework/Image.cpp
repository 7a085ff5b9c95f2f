#include "framework/Image.h"

namespace hopvox {

TImage::TImage(TWindow* parent, int left, int top, int width, int height) {
  SetBounds(left, top, width, height);
  SetParent(parent);
}

void TImage::SetBitmap(UniqueBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  picture_ = TPicture();
  Invalidate();
}

void TImage::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  bitmap_.reset();
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (!picture_.Empty()) {
    // The parent clips to the control, so a larger picture shows its middle.
    picture_.Draw(dc, Center ? (Width() - picture_.Width()) / 2 : 0, Center ? (Height() - picture_.Height()) / 2 : 0);
    return;
  }
  if (!bitmap_) return;
  BITMAP bm{};
  GetObjectA(bitmap_.get(), sizeof bm, &bm);
  int x = Center ? (Width() - bm.bmWidth) / 2 : 0;
  int y = Center ? (Height() - bm.bmHeight) / 2 : 0;
  UniqueDC mem(CreateCompatibleDC(dc));
  ScopedSelectObject sel(mem.get(), bitmap_.get());
  BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem.get(), 0, 0, SRCCOPY);
}

}  // namespace hopvox
