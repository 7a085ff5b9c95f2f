#include "widgets/logic/FoldGeometry.h"

#include <algorithm>

namespace hopvox {

int FoldBevelInset(const FoldConfig& c) {
  int inset = 0;
  if (c.BevelInner != TPanelBevel::bvNone) inset += c.BevelWidth;
  if (c.BevelOuter != TPanelBevel::bvNone) inset += c.BevelWidth;
  return inset;
}

int FoldAlignInset(const FoldConfig& c) { return c.BorderWidth + FoldBevelInset(c); }

int FoldClientOffset(const FoldConfig& c, TSize currentGlyph) {
  int offset = 0;
  if (!currentGlyph.Empty())
    offset =
        c.Orientation == TFoldOrientation::foHorizontal ? currentGlyph.Height : currentGlyph.Width;
  offset += FoldBevelInset(c);
  if (c.Folding && c.Seperated) offset += 2;
  return offset;
}

TRect FoldClientBounds(const FoldConfig& c, const TRect& aligned, int offset, bool foldingOff) {
  TRect r = aligned;
  if (foldingOff) return r;
  if (c.Orientation == TFoldOrientation::foVertical) {
    if (GlyphAtLeft(c.Position)) {
      int width = r.Width() - (offset - r.Left);
      r.Left = offset;
      r.Right = offset + width;
    } else {
      r.Right = r.Left + (r.Width() - offset);
    }
  } else {
    if (GlyphAtTop(c.Position)) {
      int height = r.Height() - (offset - r.Top);
      r.Top = offset;
      r.Bottom = offset + height;
    } else {
      r.Bottom = r.Top + (r.Height() - offset);
    }
  }
  return r;
}

int CollapsedHeight(const FoldConfig& c, TSize expandGlyph, int panelHeight) {
  int h = c.Orientation == TFoldOrientation::foVertical ? expandGlyph.Height : panelHeight;
  return std::max(h, c.LeastFolded);
}

int CollapsedWidth(const FoldConfig& c, TSize expandGlyph, int panelWidth) {
  int w = c.Orientation == TFoldOrientation::foHorizontal ? expandGlyph.Width : panelWidth;
  return std::max(w, c.LeastFolded);
}

int FoldedSize(const FoldConfig& c, TSize expandGlyph, const TRect& bounds) {
  int size = c.Orientation == TFoldOrientation::foHorizontal
                 ? CollapsedWidth(c, expandGlyph, bounds.Width())
                 : CollapsedHeight(c, expandGlyph, bounds.Height());
  if (c.BorderSingle) size += 2;
  return size + 2 * FoldBevelInset(c);
}

int FoldedDimension(const FoldConfig& c, const TRect& bounds) {
  return c.Orientation == TFoldOrientation::foHorizontal ? bounds.Width() : bounds.Height();
}

TRect ResizeFolded(const FoldConfig& c, const TRect& bounds, int size) {
  TRect r = bounds;
  if (c.Orientation == TFoldOrientation::foHorizontal) {
    if (GlyphAtLeft(c.Position))
      r.Right = r.Left + size;
    else
      r.Left = r.Right - size;
  } else {
    if (GlyphAtTop(c.Position))
      r.Bottom = r.Top + size;
    else
      r.Top = r.Bottom - size;
  }
  return r;
}

TRect LockFolded(const FoldConfig& c, const TRect& requested, const TRect& current) {
  TRect r = requested;
  if (c.Orientation == TFoldOrientation::foHorizontal)
    r.Right = r.Left + current.Width();
  else
    r.Bottom = r.Top + current.Height();
  return r;
}

TRect FoldGlyphRect(const FoldConfig& c, TSize glyph, int panelWidth, int panelHeight) {
  bool left = GlyphAtLeft(c.Position);
  bool top = GlyphAtTop(c.Position);
  TRect r = TRect::Bounds(left ? 0 : panelWidth - glyph.Width, top ? 0 : panelHeight - glyph.Height,
                          glyph.Width, glyph.Height);
  int inset = FoldBevelInset(c);
  int dx = left ? inset : -inset;
  int dy = top ? inset : -inset;
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

std::array<FoldLine, 2> FoldSeparator(const FoldConfig& c, const TRect& g, int panelWidth,
                                      int panelHeight) {
  bool lowered = c.SeperatorLineStyle == TSeparatorStyle::bsLowered;
  TColor first = lowered ? clBtnHighlight : clBtnShadow;
  TColor second = lowered ? clBtnShadow : clBtnHighlight;
  bool left = GlyphAtLeft(c.Position);
  bool top = GlyphAtTop(c.Position);
  if (c.Orientation == TFoldOrientation::foVertical) {
    int x = left ? g.Right : g.Left;
    int y0 = top ? g.Top : panelHeight - g.Bottom;
    int y1 = top ? panelHeight - g.Top : g.Bottom;
    return {FoldLine{{x, y0}, {x, y1}, second}, FoldLine{{x + 1, y0}, {x + 1, y1}, first}};
  }
  int y = top ? g.Bottom : g.Top;
  int x0 = left ? g.Left : panelWidth - g.Right;
  int x1 = left ? panelWidth - g.Left : g.Right;
  return {FoldLine{{x0, y}, {x1, y}, first}, FoldLine{{x0, y - 1}, {x1, y - 1}, second}};
}

FoldCaptionPlace FoldCaption(const FoldConfig& c, const TRect& g, int textWidth, int th) {
  if (c.Orientation == TFoldOrientation::foVertical) {
    int y = g.Bottom >= th ? g.Top + (g.Bottom - th) / 2 : 0;
    int x = GlyphAtLeft(c.Position) ? g.Right + 10 : g.Left - textWidth - 10;
    return {x, y, 0};
  }
  if (GlyphAtTop(c.Position)) {
    int x = th < g.Right ? g.Left + (th + g.Right) / 2 : g.Right;
    return {x, g.Bottom + 10, 2700};
  }
  int x = th < g.Right ? g.Left + (g.Right - th) / 2 : 0;
  return {x, g.Top - 10, 900};
}

bool TFoldClickTracker::Down(TPoint p, const TRect& glyph) {
  press_ = p;
  if (!glyph.Contains(p)) return false;
  buttonHeld_ = true;
  pressedLook_ = true;
  return true;
}

bool TFoldClickTracker::Up(TPoint p, const TRect& glyph) {
  if (glyph.Contains(press_) && glyph.Contains(p)) foldPending_ = true;
  buttonHeld_ = false;
  bool erase = pressedLook_;
  pressedLook_ = false;
  return erase;
}

bool TFoldClickTracker::TakeFoldClick() {
  bool pending = foldPending_;
  foldPending_ = false;
  return pending;
}

}  // namespace hopvox
