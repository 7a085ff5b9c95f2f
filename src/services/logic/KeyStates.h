#pragma once
// One keyboard snapshot, indexed by virtual-key code (bit 7 set = down). The
// polling engine asks it up to 49 times per tick, so lookups stay trivial.
#include <array>
#include <cstdint>

namespace hopvox {

class TKeyStates {
 public:
  static constexpr std::uint8_t kDown = 0x80;

  // Which of the left and right Ctrl and Alt keys are held.
  struct TSides {
    bool leftCtrl, rightCtrl, leftAlt, rightAlt;
  };

  void Clear() { states_.fill(0); }

  // Fill from a DirectInput keyboard buffer (one byte per scan code) through
  // `toVk`, the virtual-key code of each scan code. Keys whose scan code has
  // no virtual-key code are dropped.
  void SetFromScanCodes(const std::uint8_t (&scan)[256], const std::array<std::uint8_t, 256>& toVk);

  void SetDown(int code);

  // On a layout that types characters with AltGr (the right Alt key), a
  // character typed in a game is no hotkey: while the right Alt key is held
  // it counts as neither Alt nor Ctrl, and neither does the left Ctrl that
  // Windows reports with it. Alt and Ctrl then read down only for the left
  // Alt and the right Ctrl key.
  void TakeOutAltGr(const TSides& held);

  // True only for codes 1..255 whose key is down: 0, negative codes and
  // hot-key values with modifier bits never fire.
  bool Down(int code) const {
    return code >= 1 && code <= 255 && (states_[static_cast<unsigned>(code)] & kDown) != 0;
  }

  const std::array<std::uint8_t, 256>& Raw() const { return states_; }

 private:
  std::array<std::uint8_t, 256> states_{};
};

}  // namespace hopvox
