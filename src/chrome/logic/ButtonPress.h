#pragma once
// The mouse states of one title-bar button: up, drawn pressed (only while
// Down), captured and drawn pressed (a press in progress), captured and drawn
// up (the pointer left the caption band). The adapter feeds it the
// non-client messages and carries out what it answers.

namespace hopvox {

struct PressResult {
  enum Paint { kNone, kUp, kPressed } paint = kNone;
  bool capture = false;  // SetCapture for the hooked window
  bool releaseCapture = false;
  bool clicked = false;  // the press completed a click
  bool toggled = false;  // a toggle button's click: Down is to be flipped
  bool popup = false;    // open the popup menu under the button
};

class ButtonPress {
 public:
  bool allowPress = false;
  bool down = false;
  bool enabled = true;
  bool hasPopup = false;

  bool Captured() const { return captured_; }
  bool DrawnPressed() const { return drawnPressed_; }

  // Every paint goes through here, so the drawn state stays true to the screen.
  void Painted(bool pressed) { drawnPressed_ = pressed; }
  // A plain repaint draws the button as Down says, but during a press as the
  // press was last drawn: activating an inactive window repaints its caption
  // between the press and the release, and must not cancel the click.
  bool RepaintState() const { return captured_ ? drawnPressed_ : down; }

  // WM_NCHITTEST answered HTCAPTION; overButton from the hit rectangle. A
  // press once drawn up is never drawn pressed again: the user who drags off
  // the button means to cancel.
  PressResult HitTest(bool overButton);
  // WM_NCLBUTTONDOWN; onButton when wParam is our command id.
  PressResult ButtonDown(bool onButton);
  // WM_NCLBUTTONUP / WM_LBUTTONUP while captured. Only the capture is taken
  // here: the caller runs the click (BeforeButtonClick, Down flipped through
  // its setter for a toggle, the click events), opens the popup, and paints
  // last.
  PressResult ButtonUp();
  // WM_MOUSEMOVE while captured; leftBand from PointerLeftCaptionBand.
  PressResult MouseMove(bool leftBand);
  // Another window took the capture during a press (a program popping up):
  // the release will never reach us, so the press ends without a click.
  PressResult CaptureLost();
  // Down written from code or the menu (forced false unless AllowPress).
  void SetDown(bool value) { down = allowPress && value; }
  void SetAllowPress(bool value);

 private:
  PressResult Apply(PressResult r);
  bool captured_ = false;
  bool drawnPressed_ = false;
};

}  // namespace hopvox
