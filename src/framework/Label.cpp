#include "framework/Label.h"

#include "framework/Handles.h"

namespace hopvox {

TLabel::TLabel(TWindow* parent, const std::string& caption, int left, int top, int width,
               int height)
    : caption_(caption) {
  SetBounds(left, top, width, height);
  SetParent(parent);
  if (width == 0) AutoSize();
}

void TLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  AutoSize();
  Invalidate();
}

void TLabel::SetFontColor(COLORREF color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
}

void TLabel::SetFont(HFONT font) {
  font_ = font;
  AutoSize();
  Invalidate();
}

static HFONT ParentFont(TWindow* parent) {
  return parent ? reinterpret_cast<HFONT>(SendMessageA(parent->Handle(), WM_GETFONT, 0, 0)) : nullptr;
}

void TLabel::AutoSize() {
  ClientDC dc(Parent() ? Parent()->Handle() : nullptr);
  ScopedSelectObject f(dc.get(), font_ ? font_ : ParentFont(Parent()));
  SIZE sz{};
  GetTextExtentPoint32A(dc.get(), caption_.c_str(), static_cast<int>(caption_.size()), &sz);
  SetBounds(Left(), Top(), sz.cx, sz.cy);
}

void TLabel::Paint(HDC dc) {
  ScopedSelectObject f(dc, font_ ? font_ : ParentFont(Parent()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? color_ : GetSysColor(COLOR_GRAYTEXT));
  RECT rc{0, 0, Width(), Height()};
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &rc, DT_LEFT | DT_NOPREFIX);
}

}  // namespace hopvox
