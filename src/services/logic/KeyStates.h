#pragma once
// One keyboard snapshot, indexed by virtual-key code (bit 7 set = down). The
// polling engine asks it up to 49 times per tick, so lookups stay trivial.
#include <array>
#include <cstdint>

namespace hopvox {

class TKeyStates {
 public:
  static constexpr std::uint8_t kDown = 0x80;

  void Clear() { states_.fill(0); }

  // Fill from a DirectInput keyboard buffer (one byte per scan code). Keys
  // whose scan code has no virtual-key code are dropped.
  void SetFromScanCodes(const std::uint8_t (&scan)[256]);

  void SetDown(int code);

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
