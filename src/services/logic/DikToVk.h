#pragma once
// DirectInput reports keys by position (scan code); the hotkeys are stored as
// Windows virtual-key codes. This table maps one to the other so a key reads
// the same whatever keyboard layout is active.
#include <array>
#include <cstdint>

namespace hopvox {

// Virtual-key code for DirectInput scan code 0..255; 0 for keys we do not map.
// Some punctuation keys give their character code, which can coincide with
// another key's code (the main-keyboard full stop reads as 46, like Delete).
const std::array<std::uint8_t, 256>& DikToVkTable();

inline int DikToVk(int scanCode) {
  return (scanCode >= 0 && scanCode <= 255) ? DikToVkTable()[static_cast<unsigned>(scanCode)] : 0;
}

}  // namespace hopvox
