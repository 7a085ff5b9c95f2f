#pragma once
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/Picture.h"

namespace hopvox {

// A picture painted on the parent: at its own size, optionally centred, and
// clipped to the control.
class TImage : public TGraphicControl {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    bool center = false;
  };
  explicit TImage(const Args& args);
  bool Center = false;
  // A picture of any kind (bitmap, icon, metafile).
  void SetPicture(TPicture picture);
  const TPicture& Picture() const { return picture_; }
  void Paint(HDC dc) override;

 private:
  TPicture picture_;
};

}  // namespace hopvox
