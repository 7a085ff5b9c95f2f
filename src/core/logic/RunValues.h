#pragma once
// The main window's run-time values that the polling engine reads on every
// tick. They are plain fields; only the main thread touches them.
#include <array>
#include <string>

#include "core/logic/Channels.h"

namespace hopvox {

struct TRunValues {
  std::string programDir;
  std::array<int, kChannelCount> channelKey{};
  std::array<std::string, kChannelCount> channelAddress;
  int volumeDownKey = 0, volumeUpKey = 0, micDownKey = 0, micUpKey = 0;
  std::string mainServer, mainServerPassword, passwordArgument;
  int activeModifier = -1;  // 1 Ctrl, 2 Alt, 3 Shift, 4 None; -1 unset
  int pollInterval = 70;
};

}  // namespace hopvox
