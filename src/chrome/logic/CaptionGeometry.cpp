#include "chrome/logic/CaptionGeometry.h"

namespace hopvox {

int CaptionSlotWidth(const CaptionWindow& w, const CaptionMetrics& m) {
  return w.toolWindow ? m.cxSmSize : m.cxSize;
}

void LayoutCaptionButtons(std::span<LayoutSlot> slots, int slotWidth) {
  int offset = 2;
  for (auto& s : slots) {
    if (!s.visible) continue;
    offset += s.separatorWidth + slotWidth - 2;
    s.offset = offset;
  }
}

ButtonGeometry ComputeButtonGeometry(const CaptionWindow& w, const CaptionMetrics& m,
                                     int layoutOffset) {
  const int bw = w.toolWindow ? m.cxSmSize : m.cxSize;
  const int bh = w.toolWindow ? m.cySmSize : m.cySize;

  int free = w.width;
  if (!w.toolWindow) {
    if (w.minimizeBox || w.maximizeBox)
      free -= 2 * bw;
    else if (w.contextHelp)
      free -= bw;
  }
  if (w.systemMenu) free -= bw;

  const bool dlg = w.iconic || !w.thickFrame;
  const int fy = dlg ? m.cyDlgFrame : m.cyFrame;
  const int fx = (dlg ? m.cxDlgFrame : m.cxFrame) - 2;

  ButtonGeometry g;
  g.imageWidth = bw - 2;
  g.imageHeight = bh - 4;
  g.imageX = free - layoutOffset - fx;
  g.imageY = fy + 2;
  g.hitRect.left = g.imageX - fy - 2;
  g.hitRect.top = fy + 2;
  g.hitRect.right = g.hitRect.left + bw - 2;
  g.hitRect.bottom = bh - 5;
  return g;
}

bool CaptionButtonHit(const Rect& r, int clientX, int clientY) {
  return r.left < clientX && clientX <= r.right + 1 && clientY < 0;
}

static int CaptionBand(const CaptionWindow& w, const CaptionMetrics& m) {
  return (w.toolWindow ? m.cySmCaption : m.cyCaption) + (w.hasMenu ? m.cyMenu : 0);
}

bool PointerLeftCaptionBand(std::uint32_t lParam, const CaptionWindow& w, const CaptionMetrics& m) {
  return HiWordUnsigned(lParam) < 0xFFFF - CaptionBand(w, m);
}

Rect TooltipHotArea(const Rect& button, bool shows, const CaptionWindow& w,
                    const CaptionMetrics& m) {
  if (!shows) return {};
  const int cap = w.toolWindow ? m.cySmCaption : m.cyCaption;
  Rect r{button.left + 1, -cap, button.right + 1, 0};
  if (w.hasMenu) {
    r.top -= m.cyMenu;
    r.bottom -= m.cyMenu;
  }
  return r;
}

Point PopupMenuAnchor(const Rect& button, bool hasMenu, const CaptionMetrics& m) {
  return {button.left + 2, hasMenu ? -m.cyMenu - 2 : -2};
}

}  // namespace hopvox
