#include "framework/Image.h"

namespace hopvox {

TImage::TImage(const Args& a) : Center(a.center) {
  SetBounds(a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  SetParent(a.parent);
}

void TImage::SetPicture(TPicture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (picture_.Empty()) return;
  // The parent clips to the control, so a larger picture shows its middle.
  picture_.Draw(dc, Center ? (Width() - picture_.Width()) / 2 : 0,
                Center ? (Height() - picture_.Height()) / 2 : 0);
}

}  // namespace hopvox
