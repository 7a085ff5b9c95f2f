#pragma once
#include "framework/GraphicControl.h"

namespace hopvox {

// Static text painted on the parent; transparent, with its own font colour.
class TLabel : public TGraphicControl {
 public:
  struct Args {
    TWindow* parent = nullptr;
    std::string caption{};
    TBounds bounds{};  // no width: as large as its text
  };
  explicit TLabel(const Args& args);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  COLORREF FontColor() const { return color_; }
  void SetFontColor(COLORREF color);
  void Paint(HDC dc) override;

 protected:
  void FontChanged() override { AutoSize(); }

 private:
  void AutoSize();
  std::string caption_;
  COLORREF color_ = RGB(0, 0, 0);
  bool autoSize_ = true;
};

}  // namespace hopvox
