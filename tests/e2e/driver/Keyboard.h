// The keyboard as a user works it: where the focus is, a key pressed and
// followed, text typed into a box, and a trip to another program and back.
#pragma once

#include "driver/Driver.h"

namespace e2e {

// The definition's name of the control with the focus ("" for none or the window).
std::string FocusName(const HopvoxRun& run);

// Presses `vk` with the modifiers held; returns where the focus is then,
// once it has moved (or after a short wait when it stays).
std::string Press(const HopvoxRun& run, WORD vk, std::initializer_list<WORD> held = {});

// Types `text` key by key into the focused box; false unless `box` came to end with it.
bool Type(const HopvoxRun& run, const std::string& box, const std::string& text);

// Another program takes the focus; then the user comes back with a click on
// the bare surface of the address page, where nothing takes the focus.
// False when either move did not happen.
bool AwayAndBack(const HopvoxRun& run);

}  // namespace e2e
