#include "framework/RadioGroup.h"

#include "framework/Handles.h"
#include "framework/SystemColours.h"

namespace hopvox {

TRadioGroup::TRadioGroup(const Args& a) : caption_(a.caption) {
  Create(a.parent, a.bounds, TBevel::bvNone);
  const int n = static_cast<int>(a.items.size());
  const int rowHeight = n ? (a.bounds.height - 22) / n : 0;
  for (int i = 0; i < n; ++i) {
    auto button = std::make_unique<TRadioButton>(
        TRadioButton::Args{.parent = this,
                           .caption = a.items[static_cast<size_t>(i)],
                           .bounds = {8, 16 + i * rowHeight, a.bounds.width - 16, rowHeight}});
    button->OnClick = [this, i] {
      if (buttons_[static_cast<size_t>(i)]->Checked()) SetItemIndex(i);
    };
    buttons_.push_back(std::move(button));
  }
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (index >= 0) {
    buttons_[static_cast<size_t>(index)]->SetChecked(true);
  } else {
    for (auto& b : buttons_) b->SetChecked(false);
  }
  if (OnClick) OnClick();
}

void TRadioGroup::PaintBackground(HDC dc) {
  TWindow::PaintBackground(dc);
  RECT rc = ClientRect();
  rc.top += 6;
  DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
  ScopedSelectObject f(dc, Font());
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, TextColour(RGB(0, 0, 0)));
  TextOutA(dc, 8, 0, (" " + caption_ + " ").c_str(), static_cast<int>(caption_.size() + 2));
}

}  // namespace hopvox
