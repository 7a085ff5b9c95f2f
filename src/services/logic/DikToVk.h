#pragma once
// DirectInput reports keys by position (scan code); the hotkeys are stored as
// Windows virtual-key codes of the keyboard layout they were pressed on. The
// table gives each position its US-layout code; the keys whose meaning
// depends on the layout take the layout's code instead.
#include <array>
#include <cstdint>

namespace hopvox {

// Virtual-key code for DirectInput scan code 0..255 on the US layout; 0 for
// keys we do not map.
const std::array<std::uint8_t, 256>& DikToVkTable();

inline int DikToVk(int scanCode) {
  return (scanCode >= 0 && scanCode <= 255) ? DikToVkTable()[static_cast<unsigned>(scanCode)] : 0;
}

// Scan codes 0..127: the keys without the extended prefix, which every
// Windows maps through its keyboard layout.
constexpr int kLayoutScanCodes = 128;

// Whether the layout decides what the key at `scanCode` means: the main
// block and the function keys. The modifiers, Num Lock and the keypad keep
// their place in the table, and so do the extended keys (128 and up).
bool FollowsLayout(int scanCode);

// The table with the layout's code for every key that follows the layout;
// `layout[s]` is the layout's code for scan code s, 0 where it has none (the
// table's code stays).
std::array<std::uint8_t, 256> DikToVkFor(const std::array<std::uint8_t, kLayoutScanCodes>& layout);

}  // namespace hopvox
