#pragma once
// A status lamp: a bevelled rectangle filled with a vertical gradient,
// High1..High2 while Active and Low1..Low2 otherwise.
#include <functional>

#include "widgets/VrClasses.h"
#include "widgets/VrControls.h"

namespace hopvox {

enum class TVrDrawStyle { dsOwnerDraw, dsNormal };

class TVrUserLed : public TVrGraphicControl {
 public:
  TVrUserLed();

  bool Active() const { return active_; }
  void SetActive(bool on);
  TVrBevel& Bevel() { return bevel_; }
  // Copies the values: the lamp keeps its own objects.
  void SetBevel(const TVrBevel& bevel) { bevel_.Assign(bevel); }
  TVrPaletteEx& PaletteEx() { return palette_; }
  void SetPaletteEx(const TVrPaletteEx& palette) { palette_.Assign(palette); }
  TColor OutlineColor() const { return outlineColor_; }
  void SetOutlineColor(TColor c);
  int OutlineWidth() const { return outlineWidth_; }
  void SetOutlineWidth(int w);
  TVrDrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TVrDrawStyle s);
  TColor Color() const { return color_; }
  void SetColor(TColor c);

  std::function<void()> OnChange;
  std::function<void(HDC, const RECT&)> OnDraw;

  void Paint(HDC dc) override;

 private:
  bool active_ = false;
  TVrBevel bevel_;
  TVrPaletteEx palette_;
  TColor outlineColor_ = clBlack;
  int outlineWidth_ = 0;
  TVrDrawStyle drawStyle_ = TVrDrawStyle::dsNormal;
  TColor color_ = clBtnFace;
};

}  // namespace hopvox
