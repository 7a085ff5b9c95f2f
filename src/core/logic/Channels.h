#pragma once
// The sixteen channels: index 0 is the base channel, 1..15 channels 1 to 15.
// One table drives the window definition, start-up, the Accept buttons and
// the polling tick.
#include <array>
#include <string>

namespace hopvox {

inline constexpr int kChannelCount = 16;

struct ChannelInfo {
  const char* caption;     // label under the address box
  const char* hotKeyBox;   // name of its hot-key box
  int definedKey;          // the box's key in the window definition
  const char* keyName;     // key in "Hopvox keys", and the reader's key in "Hopvox Ips"
  const char* ipsKeyName;  // key the address writers use in "Hopvox Ips"
};

inline constexpr std::array<ChannelInfo, kChannelCount> kChannels{{
    {"Base", "HotKey1", '1', "Base channel", "Base Channel"},
    {"Channel 1", "HotKey2", '2', "Channel 1", "Channel 1"},
    {"Channel 2", "HotKey3", '3', "Channel 2", "Channel 2"},
    {"Channel 3", "HotKey4", '4', "Channel 3", "Channel 3"},
    {"Channel 4", "HotKey5", '5', "Channel 4", "Channel 4"},
    {"Channel 5", "HotKey8", '6', "Channel 5", "Channel 5"},
    {"Channel 6", "HotKey9", '7', "Channel 6", "Channel 6"},
    {"Channel 7", "HotKey10", '8', "Channel 7", "Channel 7"},
    {"Channel 8", "HotKey11", '9', "Channel 8", "Channel 8"},
    {"Channel 9", "HotKey12", '0', "Channel 9", "Channel 9"},
    {"Channel 10", "HotKey13", 'A', "Channel 10", "Channel 10"},
    {"Channel 11", "HotKey14", 'B', "Channel 11", "Channel 11"},
    {"Channel 12", "HotKey17", 'C', "Channel 12", "Channel 12"},
    {"Channel 13", "HotKey18", 'D', "Channel 13", "Channel 13"},
    {"Channel 14", "HotKey19", 'E', "Channel 14", "Channel 14"},
    {"Channel 15", "HotKey20", 'F', "Channel 15", "Channel 15"},
}};

inline constexpr int kChannelsPerPage = 4;

// "ipbox1".."ipbox16", "chwave1".."chwave16", "channel0.wav".."channel15.wav".
inline std::string AddressBoxName(int channel) { return "ipbox" + std::to_string(channel + 1); }
inline std::string WaveName(int channel) { return "chwave" + std::to_string(channel + 1); }
inline std::string SoundFileName(int channel) {
  return "channel" + std::to_string(channel) + ".wav";
}

}  // namespace hopvox
