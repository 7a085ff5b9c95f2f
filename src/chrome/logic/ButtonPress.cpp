#include "chrome/logic/ButtonPress.h"

namespace hopvox {

PressResult ButtonPress::Apply(PressResult r) {
  if (r.paint != PressResult::kNone) drawnPressed_ = r.paint == PressResult::kPressed;
  if (r.capture) captured_ = true;
  if (r.releaseCapture) captured_ = false;
  return r;
}

PressResult ButtonPress::HitTest(bool overButton) {
  PressResult r;
  if (!overButton && !down && drawnPressed_) r.paint = PressResult::kUp;
  return Apply(r);
}

PressResult ButtonPress::ButtonDown(bool onButton) {
  PressResult r;
  if (!enabled) return r;
  if (onButton) {
    r.paint = PressResult::kPressed;
    r.capture = !captured_;
  } else {
    if (!down) r.paint = PressResult::kUp;
    r.releaseCapture = captured_;
  }
  return Apply(r);
}

PressResult ButtonPress::ButtonUp() {
  PressResult r;
  if (!captured_) return r;
  r.releaseCapture = true;
  captured_ = false;
  if (drawnPressed_) {
    r.clicked = true;
    r.toggled = allowPress;  // Down is written by the caller, after BeforeButtonClick
  }
  r.popup = hasPopup;  // opens whether or not the release was over the button
  // The caller's last step; the drawn state changes when it paints.
  if (!allowPress) r.paint = PressResult::kUp;
  return r;
}

PressResult ButtonPress::MouseMove(bool leftBand) {
  PressResult r;
  if (captured_ && !down && drawnPressed_ && leftBand) r.paint = PressResult::kUp;
  return Apply(r);
}

PressResult ButtonPress::CaptureLost() {
  PressResult r;
  if (!captured_) return r;
  captured_ = false;
  r.paint = down ? PressResult::kPressed : PressResult::kUp;
  return Apply(r);
}

void ButtonPress::SetAllowPress(bool value) {
  allowPress = value;
  if (!value && !captured_) down = false;
}

}  // namespace hopvox
