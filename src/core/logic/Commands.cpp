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

namespace {
std::string LevelCommand(const char* prefix, int level) {
  std::string cmd(prefix);
  cmd += std::to_string(level);
  return cmd;
}
}  // namespace

std::string VolumeCommand(int level) { return LevelCommand("/volume ", level); }
std::string GainCommand(int level) { return LevelCommand("/gain ", level); }

}  // namespace hopvox
