#pragma once
// The look of the saved-state lamps on the hotkey pages: a raised frame with a
// black outline around a face that runs from red (changes pending) or lime
// (accepted) down to black.
#include "widgets/logic/VrBevel.h"
#include "widgets/logic/VrPaletteEx.h"

namespace hopvox {

inline void ApplySavedLampStyle(TVrBevel& bevel, TVrPaletteEx& palette) {
  bevel.SetOuterStyle(TVrBevelStyle::bsRaised);
  bevel.SetOuterOutline(TVrBevelOutlineStyle::osOuter);
  bevel.SetOuterShadow(clBtnShadow);
  bevel.SetOuterHighlight(clBtnHighlight);
  bevel.SetInnerStyle(TVrBevelStyle::bsNone);
  bevel.SetInnerShadow(clGreen);
  bevel.SetInnerHighlight(clLime);
  bevel.SetInnerWidth(1);
  bevel.SetInnerSpace(1);
  bevel.SetInnerColor(clBtnFace);
  palette.SetLow1(clRed);
  palette.SetHigh1(clLime);
  palette.SetLow2(clBlack);
  palette.SetHigh2(clBlack);
}

}  // namespace hopvox
