#include "widgets/VrLeds.h"

#include "widgets/logic/Gradient.h"

namespace hopvox {

TVrUserLed::TVrUserLed() {
  SetBounds(0, 0, 20, 10);
  palette_.SetLow1(clMaroon);
  palette_.SetLow2(clBlack);
  palette_.SetHigh1(clRed);
  palette_.SetHigh2(clBlack);
  // A lamp has no inner edge of its own; its inner colours are the greens.
  bevel_.SetInnerStyle(TVrBevelStyle::bsNone);
  bevel_.SetInnerShadow(clGreen);
  bevel_.SetInnerHighlight(clLime);
  bevel_.OnChange = [this] { UpdateControlCanvas(); };
  palette_.OnChange = [this] { UpdateControlCanvas(); };
}

void TVrUserLed::SetActive(bool on) {
  if (on == active_) return;
  active_ = on;
  UpdateControlCanvas();
  if (OnChange) OnChange();
}

void TVrUserLed::SetOutlineColor(TColor c) {
  if (c == outlineColor_) return;
  outlineColor_ = c;
  UpdateControlCanvas();
}

void TVrUserLed::SetOutlineWidth(int w) {
  if (w == outlineWidth_) return;
  outlineWidth_ = w;
  UpdateControlCanvas();
}

void TVrUserLed::SetDrawStyle(TVrDrawStyle s) {
  if (s == drawStyle_) return;
  drawStyle_ = s;
  UpdateControlCanvas();
}

void TVrUserLed::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  UpdateControlCanvas();
}

void TVrUserLed::Paint(HDC dc) {
  RECT client{0, 0, Width(), Height()};
  if (drawStyle_ == TVrDrawStyle::dsOwnerDraw) {
    FillSolid(dc, client, ToColorRef(color_));
    if (OnDraw) OnDraw(dc, client);
    return;
  }
  TRect r{0, 0, Width(), Height()};
  std::vector<BevelFrame> outline;
  for (int i = 0; i < outlineWidth_; ++i) {
    outline.push_back({r, outlineColor_, outlineColor_});
    r.Inflate(-1);
  }
  DrawFrames(dc, outline);
  DrawFrames(dc, bevel_.Frames(r));

  TColor from = active_ ? palette_.High1() : palette_.Low1();
  TColor to = active_ ? palette_.High2() : palette_.Low2();
  from = ToColorRef(from);
  to = ToColorRef(to);
  const int h = r.Height();
  for (int i = 0; i < h; ++i)
    FillSolid(dc, {r.Left, r.Top + i, r.Right, r.Top + i + 1}, GradientRow(from, to, i, h));
}

}  // namespace hopvox
