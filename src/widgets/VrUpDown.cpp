#include "widgets/VrUpDown.h"

#include "widgets/VrClasses.h"

namespace hopvox {

TVrUpDown::TVrUpDown() : tracker_(timer_.Core()) {
  SetBounds(0, 0, 20, 30);
  timer_.SetEnabled(false);
  timer_.SetTimerType(TVrTimerType::ttSystem);
  timer_.SetInterval(kFirstRepeatDelay);
  tracker_.Refresh = [this] { UpdateControlCanvas(); };
  tracker_.OnUpClick = [this] {
    if (OnUpClick) OnUpClick();
  };
  tracker_.OnDownClick = [this] {
    if (OnDownClick) OnDownClick();
  };
  SetGlyphsUp(nullptr);
  SetGlyphsDown(nullptr);
}

void TVrUpDown::SetGlyphsUp(HBITMAP bmp) {
  glyphsUp_ = bmp ? CopyBitmap(bmp) : LoadResourceBitmap("UPDOWN_UP");
  GlyphsChanged();
}

void TVrUpDown::SetGlyphsDown(HBITMAP bmp) {
  glyphsDown_ = bmp ? CopyBitmap(bmp) : LoadResourceBitmap("UPDOWN_DOWN");
  GlyphsChanged();
}

void TVrUpDown::SetNumGlyphs(int n) {
  n = NumGlyphsInRange(n);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  GlyphsChanged();
}

void TVrUpDown::GlyphsChanged() {
  auto glyphSize = [this](HBITMAP strip) {
    SIZE s = BitmapSize(strip);
    TPoint g = UpDownGlyphSize(s.cx, s.cy, numGlyphs_);
    return SIZE{g.X, g.Y};
  };
  upSize_ = glyphSize(glyphsUp_.get());
  downSize_ = glyphSize(glyphsDown_.get());
  UpdateControlCanvas();
}

void TVrUpDown::SetOrientation(TVrOrientation o) {
  if (o == orientation_) return;
  orientation_ = o;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  UpdateControlCanvas();
}

void TVrUpDown::SetEnabled(bool on) {
  TVrGraphicImageControl::SetEnabled(on);
  UpdateControlCanvas();
}

int TVrUpDown::ButtonAt(int x, int y) const {
  return UpDownHitTest({x, y}, orientation_, Width(), Height());
}

void TVrUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) tracker_.LeftButtonDown(ButtonAt(x, y));
  TVrGraphicImageControl::MouseDown(button, shift, x, y);
}

void TVrUpDown::MouseMove(TShiftState shift, int x, int y) {
  TVrGraphicImageControl::MouseMove(shift, x, y);
  tracker_.MouseMove(ButtonAt(x, y));
}

void TVrUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) tracker_.LeftButtonUp();
  TVrGraphicImageControl::MouseUp(button, shift, x, y);
}

void TVrUpDown::MouseLeave() {
  TVrGraphicImageControl::MouseLeave();
  tracker_.MouseLeave();
}

void TVrUpDown::DrawButton(int index, HBITMAP strip, SIZE glyph) {
  if (!strip || glyph.cx == 0) return;
  int state = UpDownGlyphState(tracker_.HotIndex() == index, tracker_.PressedInside(), Enabled(),
                               numGlyphs_);
  TRect dest =
      UpDownGlyphRect(UpDownButtonRect(index, orientation_, Width(), Height()), glyph.cx, glyph.cy);
  DrawTransparent(BufferDC(), dest.Left, dest.Top, glyph.cx, glyph.cy, strip, state * glyph.cx, 0,
                  BottomLeftColor(strip));
}

void TVrUpDown::PaintImage() {
  PrepareBuffer();
  DrawButton(0, glyphsUp_.get(), upSize_);
  DrawButton(1, glyphsDown_.get(), downSize_);
  FlushBuffer();
}

}  // namespace hopvox
