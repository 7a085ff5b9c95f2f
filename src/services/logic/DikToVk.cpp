#include "services/logic/DikToVk.h"

namespace hopvox {
namespace {

constexpr std::array<std::uint8_t, 256> BuildTable() {
  std::array<std::uint8_t, 256> t{};
  auto run = [&t](int firstScan, std::initializer_list<int> codes) {
    int s = firstScan;
    for (int c : codes) t[static_cast<unsigned>(s++)] = static_cast<std::uint8_t>(c);
  };
  t[1] = 27;                                                                 // Esc
  for (int i = 0; i < 9; ++i) t[2 + i] = static_cast<std::uint8_t>(49 + i);  // 1..9
  t[11] = 48;                                                                // 0
  t[12] = 189;                                                               // '-'
  t[13] = 187;                                                               // '='
  t[14] = 8;                                                                 // Backspace
  t[15] = 9;                                                                 // Tab
  run(16, {81, 87, 69, 82, 84, 89, 85, 73, 79, 80});                         // Q W E R T Y U I O P
  t[26] = 219;                                                               // '['
  t[27] = 221;                                                               // ']'
  t[28] = 13;                                                                // Enter
  t[29] = 17;                                                                // left Ctrl
  run(30, {65, 83, 68, 70, 71, 72, 74, 75, 76});                             // A S D F G H J K L
  t[39] = 186;                                                               // ';'
  t[40] = 222;                                                               // '''
  t[41] = 192;                                                               // '`'
  t[42] = 16;                                                                // left Shift
  t[43] = 220;                                                               // '\'
  run(44, {90, 88, 67, 86, 66, 78, 77});                                     // Z X C V B N M
  t[51] = 188;                                                               // ','
  t[52] = 190;                                                               // '.'
  t[53] = 191;                                                               // '/'
  t[54] = 16;                                                                // right Shift
  t[55] = 106;                                                               // keypad '*'
  t[56] = 18;                                                                // left Alt
  t[57] = 32;                                                                // Space
  t[58] = 20;                                                                // Caps Lock
  for (int i = 0; i < 10; ++i) t[59 + i] = static_cast<std::uint8_t>(112 + i);  // F1..F10
  t[69] = 144;                                                                  // Num Lock
  t[70] = 145;                                                                  // Scroll Lock
  run(71, {103, 104, 105});                                                     // keypad 7 8 9
  t[74] = 109;                                                                  // keypad '-'
  run(75, {100, 101, 102});                                                     // keypad 4 5 6
  t[78] = 107;                                                                  // keypad '+'
  run(79, {97, 98, 99});                                                        // keypad 1 2 3
  t[82] = 96;                                                                   // keypad 0
  t[83] = 110;                                                                  // keypad '.'
  t[86] = 226;   // the key beside left Shift ('<' '>' or '\' '|')
  t[87] = 122;   // F11
  t[88] = 123;   // F12
  t[156] = 13;   // keypad Enter
  t[157] = 17;   // right Ctrl
  t[181] = 111;  // keypad '/'
  t[184] = 18;   // right Alt
  t[199] = 36;   // Home
  t[200] = 38;   // Up
  t[201] = 33;   // Page Up
  t[203] = 37;   // Left
  t[205] = 39;   // Right
  t[207] = 35;   // End
  t[208] = 40;   // Down
  t[209] = 34;   // Page Down
  t[210] = 45;   // Insert
  t[211] = 46;   // Delete
  t[219] = 91;   // left Windows
  t[220] = 92;   // right Windows
  t[221] = 93;   // Apps
  return t;
}

constexpr std::array<std::uint8_t, 256> kTable = BuildTable();

}  // namespace

const std::array<std::uint8_t, 256>& DikToVkTable() { return kTable; }

bool FollowsLayout(int scanCode) {
  switch (scanCode) {
    case 29:  // left Ctrl
    case 42:  // left Shift
    case 54:  // right Shift
    case 55:  // keypad '*'
    case 56:  // left Alt
    case 69:  // Num Lock
      return false;
    default:
      // 71..83: the keypad, whose keys the layout names by their Num Lock-off meaning.
      return scanCode >= 1 && scanCode < kLayoutScanCodes && (scanCode < 71 || scanCode > 83);
  }
}

std::array<std::uint8_t, 256> DikToVkFor(const std::array<std::uint8_t, kLayoutScanCodes>& layout) {
  std::array<std::uint8_t, 256> t = kTable;
  for (int s = 0; s < kLayoutScanCodes; ++s) {
    const std::uint8_t code = layout[static_cast<unsigned>(s)];
    if (code != 0 && FollowsLayout(s)) t[static_cast<unsigned>(s)] = code;
  }
  return t;
}

}  // namespace hopvox
