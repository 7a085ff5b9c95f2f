#include "framework/Label.h"

#include "framework/Handles.h"

namespace hopvox {

TLabel::TLabel(TWindow* parent, const std::string& caption, int left, int top, int width,
               int height)
    : caption_(caption), autoSize_(width == 0) {
  SetBounds(left, top, width, height);
  SetParent(parent);
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
  SetTextColor(dc, Enabled() ? color_ : GetSysColor(COLOR_GRAYTEXT));
  RECT rc{0, 0, Width(), Height()};
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &rc, DT_LEFT | DT_NOPREFIX);
}

}  // namespace hopvox
