#pragma once
// Colour pair of the LED widgets: Low for unlit segments, High for lit ones.
#include "widgets/logic/Color.h"
#include "widgets/logic/VrPersistent.h"

namespace hopvox {

class TVrPalette : public TVrPersistent {
 public:
  TColor Low() const { return low_; }
  TColor High() const { return high_; }
  void SetLow(TColor c) { Set(low_, c); }
  void SetHigh(TColor c) { Set(high_, c); }

  // Index 0 or below is the unlit colour, anything above the lit one.
  TColor Colors(int index) const { return index <= 0 ? low_ : high_; }

  // Copies the colours; the owner hears one change.
  void Assign(const TVrPalette& other) {
    BeginUpdate();
    SetLow(other.low_);
    SetHigh(other.high_);
    EndUpdate();
  }

 private:
  TColor low_ = clGreen;
  TColor high_ = clLime;
};

}  // namespace hopvox
