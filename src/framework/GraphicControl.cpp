#include "framework/GraphicControl.h"

#include <commctrl.h>

#include "framework/Application.h"

namespace hopvox {

TGraphicControl::~TGraphicControl() {
  RemoveHintTool();
  if (parent_) parent_->RemoveGraphic(this);
}

void TGraphicControl::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateHintTool();
}

// A windowless control has no window for the hint window to watch: its tool
// is its rectangle on the parent's surface, under an id of its own, and the
// parent relays its mouse messages (RelayHintEvent). The hint window does not
// subclass the parent itself: the title-bar buttons' tooltip subclasses the
// main window with the same procedure and id, which would take the other
// tooltip's place.
void TGraphicControl::UpdateHintTool() {
  HWND owner = parent_ ? parent_->Handle() : nullptr;
  if (hintToolWindow_ && hintToolWindow_ != owner) RemoveHintTool();
  if (!owner || !visible_ || hint_.empty()) {
    RemoveHintTool();
    return;
  }
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = 0;
  ti.hwnd = owner;
  ti.uId = reinterpret_cast<UINT_PTR>(this);
  ti.rect = BoundsRect();
  ti.lpszText = const_cast<char*>(hint_.c_str());
  HWND tip = Application().HintWindow();
  if (!hintToolWindow_) {
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    hintToolWindow_ = owner;
  } else {
    SendMessageA(tip, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void RelayHintEvent(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  MSG m{window, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&m.pt);
  // Over a disabled control the message loop relays on that control's behalf.
  if (TApplication::DisabledHintControlAt(window, m.pt)) return;
  SendMessageA(Application().HintWindow(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void TGraphicControl::RemoveHintTool() {
  if (!hintToolWindow_) return;
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = hintToolWindow_;
  ti.uId = reinterpret_cast<UINT_PTR>(this);
  SendMessageA(Application().HintWindow(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  hintToolWindow_ = nullptr;
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
  UpdateHintTool();
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
  UpdateHintTool();
}

void TGraphicControl::SetVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  Invalidate();
  UpdateHintTool();
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
