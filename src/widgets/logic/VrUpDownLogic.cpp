#include "widgets/logic/VrUpDownLogic.h"

namespace hopvox {

TRect UpDownButtonRect(int index, TVrOrientation o, int width, int height) {
  if (o == TVrOrientation::voVertical)
    return TRect::Bounds(0, index * (height / 2), width, height / 2);
  return TRect::Bounds(index * (width / 2), 0, width / 2, height);
}

int UpDownHitTest(TPoint p, TVrOrientation o, int width, int height) {
  for (int i = 0; i < 2; ++i)
    if (UpDownButtonRect(i, o, width, height).Contains(p)) return i;
  return -1;
}

TRect UpDownGlyphRect(const TRect& button, int glyphWidth, int glyphHeight) {
  return TRect::Bounds(button.Left + (button.Width() - glyphWidth) / 2,
                       button.Top + (button.Height() - glyphHeight) / 2, glyphWidth, glyphHeight);
}

int NumGlyphsInRange(int numGlyphs) { return numGlyphs < 1 ? 1 : numGlyphs > 4 ? 4 : numGlyphs; }

TPoint UpDownGlyphSize(int stripWidth, int stripHeight, int numGlyphs) {
  if (stripWidth <= 0 || stripHeight <= 0) return {0, 0};
  return {stripWidth / NumGlyphsInRange(numGlyphs), stripHeight};
}

int UpDownGlyphState(bool hot, bool pressedInside, bool enabled, int numGlyphs) {
  int state = hot ? 1 : 0;
  if (pressedInside) state *= 2;
  if (!enabled) state = 3;
  if (state > numGlyphs - 1) state = 0;
  return state;
}

TUpDownTracker::TUpDownTracker(TVrTimerCore& timer) : timer_(timer) {
  timer_.OnTimer = [this] { Tick(); };
}

void TUpDownTracker::LeftButtonDown(int hit) {
  tracking_ = true;
  pressedInside_ = true;
  pressed_ = hit;
  timer_.SetInterval(kFirstRepeatDelay);
  timer_.SetEnabled(repeatClick_);
  if (Refresh) Refresh();
}

void TUpDownTracker::MouseMove(int hit) {
  if (tracking_) pressedInside_ = hit == pressed_;
  if (hit != hot_) {
    hot_ = hit;
    if (Refresh) Refresh();
  }
}

void TUpDownTracker::LeftButtonUp() {
  timer_.SetEnabled(false);
  if (!tracking_) return;
  tracking_ = false;
  bool wasInside = pressedInside_;
  pressedInside_ = false;
  if (Refresh) Refresh();
  if (wasInside) FireClick();
}

void TUpDownTracker::MouseLeave() {
  hot_ = -1;
  if (Refresh) Refresh();
}

void TUpDownTracker::Tick() {
  timer_.SetInterval(std::uint32_t(repeatPause_));
  if (!(tracking_ && pressedInside_)) return;
  try {
    FireClick();
  } catch (...) {
    // A failing handler must not keep repeating behind the error box.
    timer_.SetEnabled(false);
    throw;
  }
}

void TUpDownTracker::FireClick() {
  if (pressed_ == 0 && OnUpClick) OnUpClick();
  if (pressed_ == 1 && OnDownClick) OnDownClick();
}

}  // namespace hopvox
