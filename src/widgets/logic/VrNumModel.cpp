#include "widgets/logic/VrNumModel.h"

#include <string>

namespace hopvox {

NumStrip StripOf(TVrNumStyle style) {
  switch (style) {
    case TVrNumStyle::ns13x24:
      return {"NUM13x24", 169, 24};
    case TVrNumStyle::ns11x20:
      return {"NUM11x20", 143, 20};
    case TVrNumStyle::ns7x13:
      return {"NUM7x13", 91, 13};
    case TVrNumStyle::ns12x17:
      return {"NUM12x17", 156, 17};
    case TVrNumStyle::ns5x7:
      return {"NUM5x7", 52, 7};
  }
  return {"NUM13x24", 169, 24};
}

void TVrNumModel::SetValue(std::int32_t v, const std::function<void()>& refresh) {
  if (v < min_) v = min_;
  if (v > max_) v = max_;
  if (v == value_) return;
  value_ = v;
  if (refresh) refresh();
  if (OnChange) OnChange();
}

NumEffect TVrNumModel::SetMin(std::int32_t v) {
  if (v == min_ || v >= max_) return NumEffect::None;
  min_ = v;
  signed_ = min_ < 0;
  return NumEffect::Refresh;
}

NumEffect TVrNumModel::SetMax(std::int32_t v) {
  if (v == max_ || v <= min_) return NumEffect::None;
  max_ = v;
  return NumEffect::Refresh;
}

NumEffect TVrNumModel::SetDigits(int v) {
  if (v < 1) v = 1;
  if (v > 16) v = 16;
  if (v == digits_) return NumEffect::None;
  digits_ = v;
  return NumEffect::AdjustSize;
}

NumEffect TVrNumModel::SetSpacing(std::int32_t v) {
  if (v == spacing_) return NumEffect::None;
  spacing_ = v;
  return NumEffect::AdjustSize;
}

NumEffect TVrNumModel::SetStyle(TVrNumStyle v) {
  if (v == style_) return NumEffect::None;
  style_ = v;
  return NumEffect::LoadStrip;
}

NumEffect TVrNumModel::SetLeadingZero(bool v) {
  if (v == leadingZero_) return NumEffect::None;
  leadingZero_ = v;
  return NumEffect::Refresh;
}

NumEffect TVrNumModel::SetZeroBlank(bool v) {
  if (v == zeroBlank_) return NumEffect::None;
  zeroBlank_ = v;
  return NumEffect::Refresh;
}

NumEffect TVrNumModel::SetAlignment(TVrNumAlignment v) {
  if (v == alignment_) return NumEffect::None;
  alignment_ = v;
  return NumEffect::Refresh;
}

int TVrNumModel::ContentWidth(int cellWidth) const {
  return digits_ * cellWidth + (digits_ - 1) * spacing_;
}

std::string TVrNumModel::Text() const {
  std::string text;
  if (!(value_ == 0 && zeroBlank_)) {
    // Through 64 bits, so the lowest 32-bit value still has a magnitude.
    std::int64_t magnitude = value_ < 0 ? -static_cast<std::int64_t>(value_) : value_;
    text = std::to_string(magnitude);
  }
  if (static_cast<int>(text.size()) < digits_)
    text.insert(0, digits_ - text.size(), leadingZero_ ? '0' : ' ');
  return text;
}

std::vector<NumCell> TVrNumModel::Layout(int cellWidth, int cellHeight, int clientWidth,
                                         int clientHeight) const {
  int positions = digits_ + (signed_ ? 1 : 0);
  int contentWidth = positions * cellWidth + (positions - 1) * spacing_;
  int x = 0;
  if (alignment_ == TVrNumAlignment::naRightJustify) x = clientWidth - contentWidth;
  if (alignment_ == TVrNumAlignment::naCenter) x = (clientWidth - contentWidth) / 2;
  int y = (clientHeight - cellHeight) / 2;

  std::vector<NumCell> cells;
  if (signed_) {
    cells.push_back({value_ < 0 ? kCellMinusOn : kCellMinusOff, x, y});
    x += cellWidth + spacing_;
  }
  for (char c : Text()) {
    cells.push_back({c == ' ' ? kCellBlank : c - '0', x, y});
    x += cellWidth + spacing_;
  }
  return cells;
}

}  // namespace hopvox
