#include "widgets/logic/VrBevel.h"

namespace hopvox {
namespace {

void AddFrames(std::vector<BevelFrame>& out, TRect& r, int count, TColor a, TColor b) {
  for (int i = 0; i < count; ++i) {
    out.push_back({r, a, b});
    r.Inflate(-1);
  }
}

void AddSet(std::vector<BevelFrame>& out, TRect& r, TVrBevelOutlineStyle outline,
            TVrBevelStyle style, int width, TColor shadow, TColor highlight, int space,
            TColor spaceColor) {
  if (outline == TVrBevelOutlineStyle::osOuter) AddFrames(out, r, 1, clBlack, clBlack);
  if (style == TVrBevelStyle::bsRaised) AddFrames(out, r, width, highlight, shadow);
  if (style == TVrBevelStyle::bsLowered) AddFrames(out, r, width, shadow, highlight);
  if (outline == TVrBevelOutlineStyle::osInner) AddFrames(out, r, 1, clBlack, clBlack);
  AddFrames(out, r, space, spaceColor, spaceColor);
}

}  // namespace

std::vector<BevelFrame> TVrBevel::Frames(TRect& r) const {
  std::vector<BevelFrame> out;
  if (!f_.Visible) return out;
  AddFrames(out, r, f_.BorderWidth, f_.BorderColor, f_.BorderColor);
  AddSet(out, r, f_.OuterOutline, f_.OuterStyle, f_.OuterWidth, f_.OuterShadow, f_.OuterHighlight,
         f_.OuterSpace, f_.OuterColor);
  AddSet(out, r, f_.InnerOutline, f_.InnerStyle, f_.InnerWidth, f_.InnerShadow, f_.InnerHighlight,
         f_.InnerSpace, f_.InnerColor);
  return out;
}

}  // namespace hopvox
