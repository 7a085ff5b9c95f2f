#pragma once
#include "framework/GraphicControl.h"
#include "framework/Handles.h"

namespace hopvox {

// A picture painted on the parent: at its own size, optionally centred, and
// clipped to the control.
class TImage : public TGraphicControl {
 public:
  TImage(TWindow* parent, int left, int top, int width, int height);
  // Takes ownership of the bitmap (null clears the picture).
  void SetBitmap(UniqueBitmap bitmap);
  HBITMAP Bitmap() const { return bitmap_.get(); }
  bool Center = false;
  void Paint(HDC dc) override;

 private:
  UniqueBitmap bitmap_;
};

}  // namespace hopvox
