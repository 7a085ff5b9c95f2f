#pragma once
// Colours as the widgets keep them: either an RGB value laid out like a
// Win32 COLORREF (0x00BBGGRR) or a system colour (high bit set, index in the
// low byte) that is looked up only when drawing, so theme changes show.
#include <cstdint>
#include <functional>

namespace hopvox {

using TColor = std::uint32_t;

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned RedOf(TColor c) { return c & 0xFFu; }
constexpr unsigned GreenOf(TColor c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(TColor c) { return (c >> 16) & 0xFFu; }

constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr TColor SystemColor(unsigned index) { return kSystemColorFlag | index; }
constexpr bool IsSystemColor(TColor c) { return (c & kSystemColorFlag) != 0; }

// Indices as the platform numbers them (COLOR_BTNFACE and friends).
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);

constexpr TColor clBlack = Rgb(0, 0, 0);
constexpr TColor clMaroon = Rgb(128, 0, 0);
constexpr TColor clGreen = Rgb(0, 128, 0);
constexpr TColor clOlive = Rgb(128, 128, 0);
constexpr TColor clGray = Rgb(128, 128, 128);
constexpr TColor clSilver = Rgb(192, 192, 192);
constexpr TColor clRed = Rgb(255, 0, 0);
constexpr TColor clLime = Rgb(0, 255, 0);
constexpr TColor clAqua = Rgb(0, 255, 255);
constexpr TColor clWhite = Rgb(255, 255, 255);

// Looks up a system colour index; the Win32 side passes GetSysColor.
using SysColorLookup = std::function<TColor(unsigned index)>;

inline TColor ResolveColor(TColor c, const SysColorLookup& lookup) {
  if (!IsSystemColor(c)) return c & 0x00FFFFFFu;
  return lookup ? (lookup(c & 0xFFu) & 0x00FFFFFFu) : clBlack;
}

}  // namespace hopvox
