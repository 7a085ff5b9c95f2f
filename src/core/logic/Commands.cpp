#include "core/logic/Commands.h"

namespace hopvox {

std::string JoinCommand(std::string_view mainServer, std::string_view channelAddress,
                        std::string_view passwordArgument) {
  std::string cmd;
  cmd.reserve(7 + mainServer.size() + channelAddress.size() + passwordArgument.size());
  cmd += "/JOIN1 ";
  cmd += mainServer;
  cmd += channelAddress;
  cmd += passwordArgument;
  return cmd;
}

std::string VolumeCommand(int level) { return "/volume " + std::to_string(level); }
std::string GainCommand(int level) { return "/gain " + std::to_string(level); }

}  // namespace hopvox
