#pragma once
// A pair of arrow buttons drawn from glyph strips (normal, hot, pressed,
// disabled) that raise OnUpClick / OnDownClick and repeat while held.
#include <functional>

#include "widgets/VrControls.h"
#include "widgets/VrThreads.h"
#include "widgets/logic/VrUpDownLogic.h"

namespace hopvox {

class TVrUpDown : public TVrGraphicImageControl {
 public:
  TVrUpDown();

  // A null bitmap reloads the resource strip; any other is copied.
  void SetGlyphsUp(HBITMAP bmp);
  void SetGlyphsDown(HBITMAP bmp);
  HBITMAP GlyphsUp() const { return glyphsUp_.get(); }
  HBITMAP GlyphsDown() const { return glyphsDown_.get(); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  TVrOrientation Orientation() const { return orientation_; }
  void SetOrientation(TVrOrientation o);
  bool RepeatClick() const { return tracker_.RepeatClick(); }
  void SetRepeatClick(bool on) { tracker_.SetRepeatClick(on); }
  std::int32_t RepeatPause() const { return tracker_.RepeatPause(); }
  void SetRepeatPause(std::int32_t ms) { tracker_.SetRepeatPause(ms); }
  void SetEnabled(bool on);

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

  int HotIndex() const { return tracker_.HotIndex(); }
  bool PressedInside() const { return tracker_.PressedInside(); }
  TVrTimer& RepeatTimer() { return timer_; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  // Only the button events fire; the control's own click does nothing.
  void Click() override {}

 protected:
  void PaintImage() override;

 private:
  void GlyphsChanged();
  void DrawButton(int index, HBITMAP strip, SIZE glyph);
  int ButtonAt(int x, int y) const;

  UniqueBitmap glyphsUp_, glyphsDown_;
  SIZE upSize_{0, 0}, downSize_{0, 0};
  int numGlyphs_ = 4;
  TVrOrientation orientation_ = TVrOrientation::voVertical;
  TVrTimer timer_;
  TUpDownTracker tracker_;
};

}  // namespace hopvox
