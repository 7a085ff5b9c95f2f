#include "services/logic/KeyStates.h"

#include "services/logic/DikToVk.h"

namespace hopvox {

void TKeyStates::SetFromScanCodes(const std::uint8_t (&scan)[256]) {
  const auto& table = DikToVkTable();
  for (unsigned s = 0; s < 256; ++s) {
    // Unmapped scan codes land on entry 0, which is never asked for.
    if (scan[s] & kDown) states_[table[s]] = kDown;
  }
  states_[0] = 0;
}

void TKeyStates::SetDown(int code) {
  if (code >= 1 && code <= 255) states_[static_cast<unsigned>(code)] = kDown;
}

}  // namespace hopvox
