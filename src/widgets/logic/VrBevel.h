#pragma once
// The bevelled frame of a lamp: border, outer set, inner set, each set being
// an optional black outline, a raised or lowered edge and a spacing band.
#include <vector>

#include "widgets/logic/Color.h"
#include "widgets/logic/Rect.h"
#include "widgets/logic/VrPersistent.h"

namespace hopvox {

enum class TVrBevelStyle { bsNone, bsLowered, bsRaised };
enum class TVrBevelOutlineStyle { osOuter, osInner, osNone };

// One one-pixel frame: left and top edges in TopLeft, right and bottom in
// BottomRight.
struct BevelFrame {
  TRect Rect;
  TColor TopLeft;
  TColor BottomRight;
  bool operator==(const BevelFrame&) const = default;
};

class TVrBevel : public TVrPersistent {
 public:
  struct Fields {
    int BorderWidth = 0;
    TColor BorderColor = clBtnFace;
    TVrBevelOutlineStyle OuterOutline = TVrBevelOutlineStyle::osOuter;
    TVrBevelStyle OuterStyle = TVrBevelStyle::bsRaised;
    int OuterWidth = 1;
    TColor OuterShadow = clBtnShadow;
    TColor OuterHighlight = clBtnHighlight;
    int OuterSpace = 0;
    TColor OuterColor = clBtnFace;
    TVrBevelOutlineStyle InnerOutline = TVrBevelOutlineStyle::osNone;
    TVrBevelStyle InnerStyle = TVrBevelStyle::bsLowered;
    int InnerWidth = 1;
    TColor InnerShadow = clBtnShadow;
    TColor InnerHighlight = clBtnHighlight;
    int InnerSpace = 1;
    TColor InnerColor = clBtnFace;
    bool Visible = true;
    bool operator==(const Fields&) const = default;
  };

  const Fields& Get() const { return f_; }

  void SetBorderWidth(int v) { Set(f_.BorderWidth, v < 0 ? 0 : v); }
  void SetBorderColor(TColor v) { Set(f_.BorderColor, v); }
  void SetOuterOutline(TVrBevelOutlineStyle v) { Set(f_.OuterOutline, v); }
  void SetOuterStyle(TVrBevelStyle v) { Set(f_.OuterStyle, v); }
  void SetOuterWidth(int v) { Set(f_.OuterWidth, v < 1 ? 1 : v); }
  void SetOuterShadow(TColor v) { Set(f_.OuterShadow, v); }
  void SetOuterHighlight(TColor v) { Set(f_.OuterHighlight, v); }
  void SetOuterSpace(int v) { Set(f_.OuterSpace, v < 0 ? 0 : v); }
  void SetOuterColor(TColor v) { Set(f_.OuterColor, v); }
  void SetInnerOutline(TVrBevelOutlineStyle v) { Set(f_.InnerOutline, v); }
  void SetInnerStyle(TVrBevelStyle v) { Set(f_.InnerStyle, v); }
  void SetInnerWidth(int v) { Set(f_.InnerWidth, v < 1 ? 1 : v); }
  void SetInnerShadow(TColor v) { Set(f_.InnerShadow, v); }
  void SetInnerHighlight(TColor v) { Set(f_.InnerHighlight, v); }
  void SetInnerSpace(int v) { Set(f_.InnerSpace, v < 0 ? 0 : v); }
  void SetInnerColor(TColor v) { Set(f_.InnerColor, v); }
  void SetVisible(bool v) { Set(f_.Visible, v); }

  void Assign(const TVrBevel& other) {
    BeginUpdate();
    f_ = other.f_;
    EndUpdate();
  }

  // The frames to draw into r, outermost first; r shrinks by one pixel on
  // every side per frame and is left as the area inside the bevel.
  std::vector<BevelFrame> Frames(TRect& r) const;

 private:
  Fields f_;
};

}  // namespace hopvox
