#include "services/logic/KeyStates.h"

namespace hopvox {
namespace {

// Virtual-key codes of the modifiers, the generic ones and each side's.
constexpr unsigned kCtrl = 17, kAlt = 18, kLeftCtrl = 162, kRightAlt = 165;

}  // namespace

void TKeyStates::SetFromScanCodes(const std::uint8_t (&scan)[256],
                                  const std::array<std::uint8_t, 256>& toVk) {
  for (unsigned s = 0; s < 256; ++s) {
    // Unmapped scan codes land on entry 0, which is never asked for.
    if (scan[s] & kDown) states_[toVk[s]] = kDown;
  }
  states_[0] = 0;
}

void TKeyStates::SetDown(int code) {
  if (code >= 1 && code <= 255) states_[static_cast<unsigned>(code)] = kDown;
}

void TKeyStates::TakeOutAltGr(const TSides& held) {
  if (!held.rightAlt) return;
  states_[kRightAlt] = states_[kLeftCtrl] = 0;
  if (!held.leftAlt) states_[kAlt] = 0;
  if (!held.rightCtrl) states_[kCtrl] = 0;
}

}  // namespace hopvox
