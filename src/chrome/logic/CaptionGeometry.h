#pragma once
// Where the extra title-bar buttons go and what counts as a hit on them.
// Pure arithmetic on numbers the adapter reads from the system, so it can be
// checked without a window.
#include <cstdint>
#include <span>

namespace hopvox {

// The system metrics the title-bar buttons depend on.
struct CaptionMetrics {
  int cxSize = 18, cySize = 18;      // SM_CXSIZE, SM_CYSIZE
  int cxSmSize = 12, cySmSize = 14;  // SM_CXSMSIZE, SM_CYSMSIZE
  int cyCaption = 19, cySmCaption = 15;
  int cyMenu = 19;
  int cxDlgFrame = 3, cyDlgFrame = 3;
  int cxFrame = 4, cyFrame = 4;
};

// The window's styles as far as the title bar is concerned.
struct CaptionWindow {
  int width = 0;  // outer width (GetWindowRect)
  bool toolWindow = false;
  bool contextHelp = false;
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool systemMenu = false;
  bool iconic = false;
  bool thickFrame = false;
  bool hasMenu = false;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct ButtonGeometry {
  int imageX = 0, imageY = 0;  // window coordinates of the image
  int imageWidth = 0, imageHeight = 0;
  Rect hitRect;  // kept for hit testing and the tooltip
};

// Slot width of one button: the small size on tool windows.
int CaptionSlotWidth(const CaptionWindow& w, const CaptionMetrics& m);

// One entry per button in list order; Layout writes the offsets of the
// visible ones. Invisible buttons keep their old offset and take no room.
struct LayoutSlot {
  bool visible = true;
  int separatorWidth = 0;
  int offset = 0;
};
void LayoutCaptionButtons(std::span<LayoutSlot> slots, int slotWidth);

ButtonGeometry ComputeButtonGeometry(const CaptionWindow& w, const CaptionMetrics& m,
                                     int layoutOffset);

// The hit test of WM_NCHITTEST, on the point already in client coordinates.
bool CaptionButtonHit(const Rect& r, int clientX, int clientY);

// Mouse coordinates of non-client messages are two unsigned 16-bit words.
inline int LoWordUnsigned(std::uint32_t lParam) { return static_cast<int>(lParam & 0xFFFF); }
inline int HiWordUnsigned(std::uint32_t lParam) {
  return static_cast<int>((lParam >> 16) & 0xFFFF);
}

// WM_MOUSEMOVE while a press is captured: true when the pointer has left the
// caption band (the high word as unsigned is below 0xFFFF - band).
bool PointerLeftCaptionBand(std::uint32_t lParam, const CaptionWindow& w, const CaptionMetrics& m);

// Tooltip hot area in the window's client coordinates; empty when the tool
// should never show.
Rect TooltipHotArea(const Rect& button, bool shows, const CaptionWindow& w,
                    const CaptionMetrics& m);

// Where a button's popup menu opens, in client coordinates.
struct Point {
  int x = 0, y = 0;
};
Point PopupMenuAnchor(const Rect& button, bool hasMenu, const CaptionMetrics& m);

}  // namespace hopvox
