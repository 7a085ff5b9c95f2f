#pragma once
// The controls the edit lock guards, by their place in the order the lock and
// unlock handlers set them. The window definition files each lockable control
// under its place as it creates it. Everything else in the window stays
// usable while locked.

namespace hopvox::lock {

inline constexpr int kCount = 38;

// ipbox1..ipbox16 first.
constexpr int AddressBox(int channel) { return channel; }
// Then the main server and its password.
inline constexpr int kServerIp = 16;
inline constexpr int kServerPassword = 17;
// Then the channel hot-key boxes of the first three pages (channels 0..11),
// the four level boxes, and last the channel boxes of the fourth page.
constexpr int ChannelHotKey(int channel) { return channel < 12 ? 18 + channel : 22 + channel; }
inline constexpr int kVolumeDown = 30;  // hotkey6
inline constexpr int kVolumeUp = 31;    // hotkey7
inline constexpr int kMicUp = 32;       // HotKey15
inline constexpr int kMicDown = 33;     // HotKey16

inline constexpr const char* kLockedHint = "Locked, no editing";
inline constexpr const char* kUnlockedHint = "Unlocked for editing";

}  // namespace hopvox::lock
