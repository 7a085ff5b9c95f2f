#pragma once
// The parameter strings Hopvox starts the voice-chat program with. Trailing
// blanks are part of the strings: the voice-chat program expects them.
#include <string>
#include <string_view>

namespace hopvox {

inline constexpr const char* kCmdPushToTalk = "/ptt /key ";
inline constexpr const char* kCmdVoiceActivation = "/vox ";
inline constexpr const char* kCmdClicksOn = "/clicks on ";
inline constexpr const char* kCmdClicksOff = "/clicks off ";
inline constexpr const char* kCmdLeave = "/leave ";

// "/JOIN1 " + main server + channel address + password tail, nothing added
// between them: with a main server in use the channel entries hold whatever
// has to follow the server text.
std::string JoinCommand(std::string_view mainServer, std::string_view channelAddress,
                        std::string_view passwordArgument);

// "/volume " or "/gain " followed by the level in decimal.
std::string VolumeCommand(int level);
std::string GainCommand(int level);

}  // namespace hopvox
