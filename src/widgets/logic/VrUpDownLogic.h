#pragma once
// Geometry and press tracking of the up/down arrow pair: where the two
// buttons and their glyphs are, which glyph each shows, and the auto-repeat
// driven by the repeat timer.
#include <cstdint>
#include <functional>

#include "widgets/logic/Rect.h"
#include "widgets/logic/VrTimerCore.h"

namespace hopvox {

enum class TVrOrientation { voVertical, voHorizontal };

inline constexpr std::uint32_t kFirstRepeatDelay = 400;

// Button 0 is up (top or left), 1 is down. An odd height (width) leaves the
// last row (column) to neither button.
TRect UpDownButtonRect(int index, TVrOrientation o, int width, int height);
// 0, 1, or -1 for no button.
int UpDownHitTest(TPoint p, TVrOrientation o, int width, int height);
// Glyph centred in its button.
TRect UpDownGlyphRect(const TRect& button, int glyphWidth, int glyphHeight);
// Strips hold 1 to 4 glyphs; a count outside is taken to the nearest end.
int NumGlyphsInRange(int numGlyphs);
// One glyph of a strip: the strip's width shared by the glyphs, its full
// height; (0, 0) for an empty strip.
TPoint UpDownGlyphSize(int stripWidth, int stripHeight, int numGlyphs);
// Glyph index: 0 normal, 1 hot, 2 pressed, 3 disabled; 0 when the strip
// has fewer glyphs than that.
int UpDownGlyphState(bool hot, bool pressedInside, bool enabled, int numGlyphs);

class TUpDownTracker {
 public:
  // timer: the owner's repeat timer; its OnTimer is pointed at Tick.
  explicit TUpDownTracker(TVrTimerCore& timer);

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;
  std::function<void()> Refresh;

  bool RepeatClick() const { return repeatClick_; }
  // Takes effect at the next press.
  void SetRepeatClick(bool on) { repeatClick_ = on; }
  std::int32_t RepeatPause() const { return repeatPause_; }
  // Milliseconds, at least 1: a pause of 0 would stop the timer for good.
  void SetRepeatPause(std::int32_t ms) { repeatPause_ = ms < 1 ? 1 : ms; }

  int HotIndex() const { return hot_; }
  int PressedIndex() const { return pressed_; }
  bool Tracking() const { return tracking_; }
  bool PressedInside() const { return pressedInside_; }

  // hit: the button under the pointer (UpDownHitTest).
  void LeftButtonDown(int hit);
  void MouseMove(int hit);
  void LeftButtonUp();
  void MouseLeave();
  void Tick();

 private:
  void FireClick();

  TVrTimerCore& timer_;
  bool repeatClick_ = true;
  std::int32_t repeatPause_ = 100;
  int hot_ = -1;
  int pressed_ = -1;
  bool tracking_ = false;
  bool pressedInside_ = false;
};

}  // namespace hopvox
