#pragma once
// How another process looks into the running program: the names it finds the
// controls by, the query messages for values that have no window, and the
// encoding of a hot-key box's value. The program and the end-to-end driver
// both build on this header, so the two sides cannot drift apart.
#include <cstdint>

namespace hopvox::query {

// Window property holding a global atom with the control's name in the
// window definition.
inline constexpr char kNameProperty[] = "HopvoxName";

// Registered messages sent to the main window. Both take a global atom with
// the value's name in wParam.
// Value: the result is the number, or kNoValue when the window knows no such value.
inline constexpr char kValueMessage[] = "Hopvox.Query";
inline constexpr int kNoValue = -9999;
// Text: the result is a new global atom holding kTextMark followed by the
// text (at most kMaxText characters), which the asker deletes; 0 when the
// window knows no such text.
inline constexpr char kTextMessage[] = "Hopvox.QueryText";
inline constexpr char kTextMark = '=';
inline constexpr int kMaxText = 254;

// A hot-key box's value as the program stores it: the virtual-key code in the
// low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt. The control itself answers
// with the key in the low byte and its own modifier bits in the high byte.
inline constexpr int kCodeShift = 0x2000, kCodeCtrl = 0x4000, kCodeAlt = 0x8000;
inline constexpr unsigned kBoxShift = 0x01, kBoxCtrl = 0x02, kBoxAlt = 0x04;  // HOTKEYF_*
inline constexpr unsigned kBoxExtended = 0x08;                                // HOTKEYF_EXT

// Keys that exist only as extended keys: the navigation block and the arrows.
// Their codes are shared with the keypad's digits, so a box given one without
// the extended flag would name the keypad key ("Num Del" for Delete).
// VK_PRIOR to VK_DOWN, VK_INSERT, VK_DELETE.
constexpr bool IsExtendedOnlyKey(int vk) {
  return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E;
}

constexpr int HotKeyCodeOf(std::uint16_t boxWord) {
  const unsigned mods = boxWord >> 8;
  return (boxWord & 0xFF) | ((mods & kBoxShift) ? kCodeShift : 0) |
         ((mods & kBoxCtrl) ? kCodeCtrl : 0) | ((mods & kBoxAlt) ? kCodeAlt : 0);
}

// The extended flag is not part of a stored code; it is put back here so the
// box names the key that was captured.
constexpr std::uint16_t BoxWordOf(int code) {
  const unsigned mods = ((code & kCodeShift) ? kBoxShift : 0) |
                        ((code & kCodeCtrl) ? kBoxCtrl : 0) | ((code & kCodeAlt) ? kBoxAlt : 0) |
                        (IsExtendedOnlyKey(code & 0xFF) ? kBoxExtended : 0);
  return static_cast<std::uint16_t>((code & 0xFF) | (mods << 8));
}

}  // namespace hopvox::query
