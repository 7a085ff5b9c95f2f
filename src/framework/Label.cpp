#include "framework/Label.h"

#include "framework/Handles.h"
#include "framework/SystemColours.h"

namespace hopvox {

TLabel::TLabel(const Args& a) : caption_(a.caption), autoSize_(a.bounds.width == 0) {
  SetBounds(a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  SetParent(a.parent);
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

// A label without a width of its own is as large as its text in its font.
void TLabel::AutoSize() {
  if (!autoSize_) return;
  ClientDC dc(Parent() ? Parent()->Handle() : nullptr);
  ScopedSelectObject f(dc.get(), Font());
  SIZE sz{};
  GetTextExtentPoint32A(dc.get(), caption_.c_str(), static_cast<int>(caption_.size()), &sz);
  SetBounds(Left(), Top(), sz.cx, sz.cy);
}

void TLabel::Paint(HDC dc) {
  ScopedSelectObject f(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? TextColour(color_) : GetSysColor(COLOR_GRAYTEXT));
  RECT rc{0, 0, Width(), Height()};
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &rc, DT_LEFT | DT_NOPREFIX);
}

}  // namespace hopvox
