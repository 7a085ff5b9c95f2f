#pragma once
// The shell's notification-icon record in its ANSI layout, filled byte by
// byte so the sizes and offsets do not depend on the headers' idea of which
// Windows version we target. The 32-bit layout is the one the shipped
// program hands the shell; a 64-bit build (the test build where no 32-bit
// program runs) hands a 64-bit shell its own, where the window and icon
// handles take 8 bytes on 8-byte boundaries.
#include <array>
#include <cstdint>
#include <string_view>

namespace hopvox {

inline constexpr std::uint32_t kTrayCallbackMessage = 0x3A64;

#if defined(_WIN64)
inline constexpr std::uint32_t kTrayRecordSizeBalloon = 504;  // Windows 2000 and later
inline constexpr std::uint32_t kTrayRecordSizeOld = 104;
#else
inline constexpr std::uint32_t kTrayRecordSizeBalloon = 488;
inline constexpr std::uint32_t kTrayRecordSizeOld = 88;
#endif

// Field offsets of the record.
namespace tray {
#if defined(_WIN64)
inline constexpr int kCbSize = 0, kHwnd = 8, kId = 16, kFlags = 20, kCallback = 24, kIcon = 32,
                     kTip = 40, kInfo = 176, kTimeout = 432, kInfoTitle = 436, kInfoFlags = 500;
#else
inline constexpr int kCbSize = 0, kHwnd = 4, kId = 8, kFlags = 12, kCallback = 16, kIcon = 20,
                     kTip = 24, kInfo = 160, kTimeout = 416, kInfoTitle = 420, kInfoFlags = 484;
#endif
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
