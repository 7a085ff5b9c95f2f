#include "framework/Image.h"

namespace hopvox {

TImage::TImage(TWindow* parent, int left, int top, int width, int height) {
  SetBounds(left, top, width, height);
  SetParent(parent);
}

void TImage::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (picture_.Empty()) return;
  // The parent clips to the control, so a larger picture shows its middle.
  picture_.Draw(dc, Center ? (Width() - picture_.Width()) / 2 : 0, Center ? (Height() - picture_.Height()) / 2 : 0);
}

}  // namespace hopvox
