#pragma once
// The controls the edit lock guards, in the order the lock and unlock handlers
// set them. Everything else in the window stays usable while locked.
#include <array>
#include <string_view>

namespace hopvox {

inline constexpr std::array<std::string_view, 38> kLockableControls{
    // the sixteen address boxes
    "ipbox1", "ipbox2", "ipbox3", "ipbox4", "ipbox5", "ipbox6", "ipbox7", "ipbox8",
    "ipbox9", "ipbox10", "ipbox11", "ipbox12", "ipbox13", "ipbox14", "ipbox15", "ipbox16",
    // main server and password
    "serverip", "serverpassword",
    // channel hot-key boxes of the first three pages
    "HotKey1", "HotKey2", "HotKey3", "HotKey4", "HotKey5", "HotKey8", "HotKey9", "HotKey10",
    "HotKey11", "HotKey12", "HotKey13", "HotKey14",
    // volume and gain hot-key boxes
    "hotkey6", "hotkey7", "HotKey15", "HotKey16",
    // channel hot-key boxes of the last page
    "HotKey17", "HotKey18", "HotKey19", "HotKey20"};

inline constexpr const char* kLockedHint = "Locked, no editing";
inline constexpr const char* kUnlockedHint = "Unlocked for editing";

}  // namespace hopvox
