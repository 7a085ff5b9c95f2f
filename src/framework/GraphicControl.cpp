#include "framework/GraphicControl.h"

namespace hopvox {

TGraphicControl::~TGraphicControl() {
  if (parent_) parent_->RemoveGraphic(this);
}

void TGraphicControl::SetParent(TWindow* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    Invalidate();
    parent_->RemoveGraphic(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->AddGraphic(this);
    if (!font_) FontChanged();
    Invalidate();
  }
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Resized();
  Invalidate();
}

void TGraphicControl::SetVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  Invalidate();
}

void TGraphicControl::SetEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  Invalidate();
}

void TGraphicControl::SetFont(HFONT font) {
  font_ = font;
  FontChanged();
  Invalidate();
}

void TGraphicControl::ParentFontChanged() {
  if (font_) return;
  FontChanged();
  Invalidate();
}

void TGraphicControl::Invalidate() {
  if (!parent_ || !parent_->Handle()) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, FALSE);
}

void TGraphicControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) pressed_ = true;
  if (OnMouseDown) OnMouseDown(button, shift, x, y);
}

void TGraphicControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(shift, x, y);
}

void TGraphicControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // A click is a press and a release both over the control.
  bool click = button == TMouseButton::mbLeft && pressed_ && HitTest(x, y);
  if (button == TMouseButton::mbLeft) pressed_ = false;
  if (OnMouseUp) OnMouseUp(button, shift, x, y);
  if (click) Click();
}

void TGraphicControl::Click() {
  if (OnClick) OnClick();
}

}  // namespace hopvox
