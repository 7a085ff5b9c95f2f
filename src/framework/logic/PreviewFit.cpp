#include "framework/logic/PreviewFit.h"

#include <cstdint>

namespace hopvox {

TPlacement FitIntoPane(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || paneWidth <= 0 || paneHeight <= 0) return {};
  std::int64_t w = pictureWidth, h = pictureHeight;
  if (w > paneWidth || h > paneHeight) {
    // The side that overflows more sets the scale: compare w/paneWidth with
    // h/paneHeight without division, then round the other side to nearest.
    if (w * paneHeight >= h * paneWidth) {
      h = (h * paneWidth + w / 2) / w;
      w = paneWidth;
    } else {
      w = (w * paneHeight + h / 2) / h;
      h = paneHeight;
    }
    // A sliver stays visible rather than rounding away.
    if (w < 1) w = 1;
    if (h < 1) h = 1;
  }
  TPlacement p;
  p.width = static_cast<int>(w);
  p.height = static_cast<int>(h);
  p.left = (paneWidth - p.width) / 2;
  p.top = (paneHeight - p.height) / 2;
  return p;
}

}  // namespace hopvox
