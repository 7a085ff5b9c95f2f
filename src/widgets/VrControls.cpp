#include "widgets/VrControls.h"

#include <algorithm>

#include "widgets/VrClasses.h"

namespace hopvox {

void TVrGraphicControl::EndLoad() {
  loading_ = false;
  AdjustControlSize();
}

void TVrGraphicControl::SetAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  if (on) AdjustControlSize();
}

void TVrGraphicControl::UpdateControlCanvas() {
  if (loading_) return;
  Invalidate();
  if (Parent() && Parent()->Handle()) UpdateWindow(Parent()->Handle());
}

void TVrGraphicControl::AdjustControlSize() {
  if (autoSize_) {
    RECT before = BoundsRect();
    ReapplyBounds();
    RECT after = BoundsRect();
    if (EqualRect(&before, &after)) UpdateControlCanvas();
  } else {
    UpdateControlCanvas();
  }
}

void TVrGraphicControl::ReapplyBounds() {
  int w = Width(), h = Height();
  if (autoSize_) {
    SIZE content = ContentSize();
    if (content.cx > 0) w = content.cx;
    if (content.cy > 0) h = content.cy;
  }
  SetBounds(Left(), Top(), w, h);
}

void TVrGraphicControl::MouseEnter() {
  if (OnMouseEnterHook) OnMouseEnterHook();
}

void TVrGraphicControl::MouseLeave() {
  if (OnMouseLeaveHook) OnMouseLeaveHook();
}

TVrGraphicImageControl::TVrGraphicImageControl() = default;

void TVrGraphicImageControl::SetTransparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  captureBackground_ = true;
  UpdateControlCanvas();
}

void TVrGraphicImageControl::SetColor(TColor c) {
  if (color_ == c) return;
  color_ = c;
  UpdateControlCanvas();
}

void TVrGraphicImageControl::UpdateControlCanvas() {
  // Our own change: the pixels beneath have not changed, so the saved copy
  // of them is reused instead of capturing our previous picture.
  if (transparent_ && background_) captureBackground_ = false;
  TVrGraphicControl::UpdateControlCanvas();
}

void TVrGraphicImageControl::SizeBuffer(HDC like) {
  SIZE want{std::max(Width(), 1), std::max(Height(), 1)};
  if (bufferDC_ && want.cx == bufferSize_.cx && want.cy == bufferSize_.cy) return;
  if (bufferDC_ && bufferOld_) SelectObject(bufferDC_.get(), bufferOld_);
  bufferDC_.reset(CreateCompatibleDC(like));
  buffer_.reset(CreateCompatibleBitmap(like, want.cx, want.cy));
  bufferOld_ = SelectObject(bufferDC_.get(), buffer_.get());
  bufferSize_ = want;
  background_.reset();
  captureBackground_ = true;
}

void TVrGraphicImageControl::Paint(HDC dc) {
  SizeBuffer(dc);
  canvas_ = dc;
  struct Detach {
    HDC& canvas;
    ~Detach() { canvas = nullptr; }
  } detach{canvas_};
  PaintImage();
}

void TVrGraphicImageControl::PrepareBuffer() {
  RECT all{0, 0, Width(), Height()};
  if (!transparent_) {
    FillSolid(BufferDC(), all, ToColorRef(color_));
    return;
  }
  if (captureBackground_ || !background_) {
    background_.reset(CreateCompatibleBitmap(canvas_, bufferSize_.cx, bufferSize_.cy));
    UniqueDC bg(CreateCompatibleDC(canvas_));
    ScopedSelectObject s(bg.get(), background_.get());
    BitBlt(bg.get(), 0, 0, Width(), Height(), canvas_, 0, 0, SRCCOPY);
  }
  UniqueDC bg(CreateCompatibleDC(canvas_));
  ScopedSelectObject s(bg.get(), background_.get());
  BitBlt(BufferDC(), 0, 0, Width(), Height(), bg.get(), 0, 0, SRCCOPY);
}

void TVrGraphicImageControl::FlushBuffer() {
  BitBlt(canvas_, 0, 0, Width(), Height(), BufferDC(), 0, 0, SRCCOPY);
  if (transparent_) captureBackground_ = true;
}

}  // namespace hopvox
