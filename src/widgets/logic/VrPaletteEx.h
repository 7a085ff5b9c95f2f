#pragma once
// The two colour pairs of a lamp's gradient: Low1..Low2 while off,
// High1..High2 while on.
#include "widgets/logic/Color.h"
#include "widgets/logic/VrPersistent.h"

namespace hopvox {

class TVrPaletteEx : public TVrPersistent {
 public:
  TColor Low1() const { return low1_; }
  TColor Low2() const { return low2_; }
  TColor High1() const { return high1_; }
  TColor High2() const { return high2_; }
  void SetLow1(TColor c) { Set(low1_, c); }
  void SetLow2(TColor c) { Set(low2_, c); }
  void SetHigh1(TColor c) { Set(high1_, c); }
  void SetHigh2(TColor c) { Set(high2_, c); }

  void Assign(const TVrPaletteEx& other) {
    BeginUpdate();
    SetLow1(other.low1_);
    SetLow2(other.low2_);
    SetHigh1(other.high1_);
    SetHigh2(other.high2_);
    EndUpdate();
  }

 private:
  TColor low1_ = clGreen;
  TColor low2_ = clBlack;
  TColor high1_ = clLime;
  TColor high2_ = clBlack;
};

}  // namespace hopvox
