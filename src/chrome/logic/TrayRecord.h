#pragma once
// The shell's notification-icon record in its ANSI 32-bit layout, filled
// byte by byte so the sizes and offsets do not depend on the headers' idea
// of which Windows version we target.
#include <array>
#include <cstdint>
#include <string_view>

namespace hopvox {

inline constexpr std::uint32_t kTrayRecordSizeBalloon = 488;  // Windows 2000 and later
inline constexpr std::uint32_t kTrayRecordSizeOld = 88;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x3A64;

// Field offsets of the record.
namespace tray {
inline constexpr int kCbSize = 0, kHwnd = 4, kId = 8, kFlags = 12, kCallback = 16, kIcon = 20,
                     kTip = 24, kInfo = 160, kTimeout = 416, kInfoTitle = 420, kInfoFlags = 484;
inline constexpr int kTipSize = 128, kTipSizeOld = 64, kInfoSize = 256, kInfoTitleSize = 64;
inline constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4, kNifInfo = 0x10;
}  // namespace tray

enum class TWin2kInfoIcon : std::uint8_t { iiNone = 0, iiInfo = 1, iiWarning = 2, iiError = 3 };

struct TrayRecordInput {
  bool balloonWanted = false;  // add with the balloon enabled, or a balloon request
  bool win2kOrLater = false;   // platform NT with major version above 4
  std::uint32_t window = 0;    // the component's message window
  std::uint32_t icon = 0;      // the displayed icon
  bool visible = false;
  bool showHint = true;
  std::string_view hint;
  std::string_view balloonText;
  std::string_view balloonTitle;
  std::uint16_t balloonTimeout = 0;
  TWin2kInfoIcon balloonIcon = TWin2kInfoIcon::iiNone;
};

using TrayRecord = std::array<std::uint8_t, kTrayRecordSizeBalloon>;

// Fills the whole record (unused bytes zero). Texts longer than their field
// are cut to the field size less one byte, so each stays NUL-terminated.
TrayRecord FillTrayRecord(const TrayRecordInput& in);

std::uint32_t ReadTrayU32(const TrayRecord& r, int offset);

}  // namespace hopvox
