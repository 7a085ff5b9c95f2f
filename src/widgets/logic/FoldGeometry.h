#pragma once
// Geometry of a fold panel: the folded size, the glyph's corner, the client
// beside the glyph band, the separator and the caption, and the size lock
// that holds a collapsed panel's folded dimension.
#include <array>

#include "widgets/logic/Color.h"
#include "widgets/logic/Rect.h"

namespace hopvox {

enum class TFoldStatus { fsExpanded, fsCollapsed };
enum class TFoldOrientation { foHorizontal, foVertical };
enum class TFoldPosition { fpLeftTop, fpRightTop, fpLeftBottom, fpRightBottom };
enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum class TSeparatorStyle { bsLowered, bsRaised };
enum class TBorderStyle { bsNone, bsSingle };

struct TSize {
  int Width = 0;
  int Height = 0;
  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool operator==(const TSize&) const = default;
};

struct FoldConfig {
  TFoldOrientation Orientation = TFoldOrientation::foVertical;
  TFoldPosition Position = TFoldPosition::fpLeftTop;
  TPanelBevel BevelInner = TPanelBevel::bvNone;
  TPanelBevel BevelOuter = TPanelBevel::bvRaised;
  int BevelWidth = 1;
  bool BorderSingle = false;
  int BorderWidth = 0;
  bool Folding = true;
  bool Seperated = true;
  TSeparatorStyle SeperatorLineStyle = TSeparatorStyle::bsLowered;
  // The least folded dimension, room for the caption.
  int LeastFolded = 12;
};

inline bool GlyphAtLeft(TFoldPosition p) {
  return p == TFoldPosition::fpLeftTop || p == TFoldPosition::fpLeftBottom;
}
inline bool GlyphAtTop(TFoldPosition p) {
  return p == TFoldPosition::fpLeftTop || p == TFoldPosition::fpRightTop;
}

// BevelWidth once for each of the panel's bevels that is not none.
int FoldBevelInset(const FoldConfig& c);
// How far the client's area lies inside the panel's client rectangle: the
// border width and the bevels.
int FoldAlignInset(const FoldConfig& c);
// Width (vertical) or height (horizontal) of the glyph band beside the client.
int FoldClientOffset(const FoldConfig& c, TSize currentGlyph);
// The client's bounds once the band is taken off the side of the glyph;
// `aligned` is the panel's inside after its border and bevels.
TRect FoldClientBounds(const FoldConfig& c, const TRect& aligned, int offset, bool foldingOff);

// Folded dimension without bevels: the expand glyph's height (vertical) or
// width (horizontal); the other one is the panel's own. Never below
// LeastFolded.
int CollapsedHeight(const FoldConfig& c, TSize expandGlyph, int panelHeight);
int CollapsedWidth(const FoldConfig& c, TSize expandGlyph, int panelWidth);
// Outer size of the folded dimension, border and bevels included.
int FoldedSize(const FoldConfig& c, TSize expandGlyph, const TRect& bounds);
// bounds with the folded dimension set to size, the glyph's edge kept.
TRect ResizeFolded(const FoldConfig& c, const TRect& bounds, int size);
// Requested bounds with the folded dimension held at the current one.
TRect LockFolded(const FoldConfig& c, const TRect& requested, const TRect& current);
// The folded dimension of bounds (height for vertical, width for horizontal).
int FoldedDimension(const FoldConfig& c, const TRect& bounds);

// Where the glyph is drawn, in panel coordinates.
TRect FoldGlyphRect(const FoldConfig& c, TSize glyph, int panelWidth, int panelHeight);

// One separator line from From up to (not including) To, in the button
// highlight or shadow colour.
struct FoldLine {
  TPoint From;
  TPoint To;
  TColor Color;
  bool operator==(const FoldLine&) const = default;
};
std::array<FoldLine, 2> FoldSeparator(const FoldConfig& c, const TRect& glyph, int panelWidth,
                                      int panelHeight);

// Caption beside a collapsed panel's glyph. Escapement in tenths of a degree
// (0 for upright text).
struct FoldCaptionPlace {
  int X;
  int Y;
  int Escapement;
  bool operator==(const FoldCaptionPlace&) const = default;
};
FoldCaptionPlace FoldCaption(const FoldConfig& c, const TRect& glyph, int textWidth,
                             int textHeight);

// Left-button press and release on a panel's own surface: a press and a
// release both on the glyph fold; anything else that ends on the panel is an
// ordinary click.
class TFoldClickTracker {
 public:
  // True when the press is on the glyph (draw the pressed look).
  bool Down(TPoint p, const TRect& glyph);
  // True when the pressed look must be taken off again.
  bool Up(TPoint p, const TRect& glyph);
  // The click that follows a release: true once for a fold click.
  bool TakeFoldClick();
  bool ButtonHeld() const { return buttonHeld_; }
  bool PressedLook() const { return pressedLook_; }

 private:
  TPoint press_;
  bool buttonHeld_ = false;
  bool pressedLook_ = false;
  bool foldPending_ = false;
};

}  // namespace hopvox
