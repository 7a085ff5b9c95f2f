#pragma once
// The LED number display: an integer as a row of seven-segment digits cut
// from a digit strip in the resources, lit segments in Palette.High and unlit
// ones in Palette.Low.
#include <functional>

#include "widgets/VrClasses.h"
#include "widgets/VrControls.h"
#include "widgets/logic/VrNumModel.h"

namespace hopvox {

class TVrCustomNum : public TVrGraphicImageControl {
 public:
  TVrCustomNum();

  std::int32_t Value() const { return model_.Value(); }
  void SetValue(std::int32_t v);
  std::int32_t Min() const { return model_.Min(); }
  void SetMin(std::int32_t v) { Apply(model_.SetMin(v)); }
  std::int32_t Max() const { return model_.Max(); }
  void SetMax(std::int32_t v) { Apply(model_.SetMax(v)); }
  int Digits() const { return model_.Digits(); }
  void SetDigits(int v) { Apply(model_.SetDigits(v)); }
  std::int32_t Spacing() const { return model_.Spacing(); }
  void SetSpacing(std::int32_t v) { Apply(model_.SetSpacing(v)); }
  TVrNumStyle Style() const { return model_.Style(); }
  void SetStyle(TVrNumStyle v) { Apply(model_.SetStyle(v)); }
  bool LeadingZero() const { return model_.LeadingZero(); }
  void SetLeadingZero(bool v) { Apply(model_.SetLeadingZero(v)); }
  bool ZeroBlank() const { return model_.ZeroBlank(); }
  void SetZeroBlank(bool v) { Apply(model_.SetZeroBlank(v)); }
  TVrNumAlignment Alignment() const { return model_.Alignment(); }
  void SetAlignment(TVrNumAlignment v) { Apply(model_.SetAlignment(v)); }

  // The owned palette; changing its colours recolours the strip.
  TVrPalette& Palette() { return palette_; }
  void SetPalette(const TVrPalette& palette) { palette_.Assign(palette); }

  // For a system colour change: the marker colours are recoloured afresh.
  void SysColorChanged() override { LoadStrip(); }

  std::function<void()> OnChange;

  SIZE CellSize() const { return {cellWidth_, cellHeight_}; }

 protected:
  void PaintImage() override;
  SIZE ContentSize() const override;
  virtual void LoadStrip();

 private:
  void Apply(NumEffect e);

  TVrNumModel model_;
  TVrPalette palette_;
  UniqueBitmap strip_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
};

class TVrNum : public TVrCustomNum {};

}  // namespace hopvox
