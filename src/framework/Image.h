#pragma once
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/Picture.h"

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
  // A picture of any kind (bitmap, icon, metafile); it takes the place of the bitmap.
  void SetPicture(TPicture picture);
  const TPicture& Picture() const { return picture_; }
  void Paint(HDC dc) override;

 private:
  UniqueBitmap bitmap_;
  TPicture picture_;
};

}  // namespace hopvox
