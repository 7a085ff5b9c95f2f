#pragma once
// File, section and key names of the two settings files. Readers and writers
// spell several of them differently; names match without regard to case, so
// each pair addresses the same entry. The spellings are kept as they are so a
// file written by hand or by an older copy reads the same.
namespace hopvox::ini {

inline constexpr char kSettingsFile[] = "Hopvox.ini";
inline constexpr char kDatabaseFile[] = "HopVoxIPs.ini";        // Add, Delete
inline constexpr char kDatabaseFileReader[] = "HopVoxIps.ini";  // start-up, list click
inline constexpr char kDatabaseSection[] = "HopVoxIPs";
inline constexpr char kDatabaseSectionReader[] = "HopVoxIps";  // entry reader, Delete

inline constexpr char kKeys[] = "Hopvox keys";
inline constexpr char kIps[] = "Hopvox Ips";
inline constexpr char kMainServer[] = "Main Server";
inline constexpr char kMainServerPassword[] = "Main Server Password";

inline constexpr char kVolume[] = "Hopvox Volume";
inline constexpr char kVolumeReader[] = "Hopvox volume";
inline constexpr char kVolumeDownReader[] = "Volumedown hotkey";
inline constexpr char kVolumeUpReader[] = "Volumeup hotkey";
inline constexpr char kMicDownReader[] = "mikedown hotkey";
inline constexpr char kMicUpReader[] = "mikeup hotkey";
inline constexpr char kVolumeDown[] = "Volumedown Hotkey";
inline constexpr char kVolumeUp[] = "Volumeup Hotkey";
inline constexpr char kMicDown[] = "Mikedown Hotkey";
inline constexpr char kMicUp[] = "Mikeup Hotkey";
inline constexpr char kVolumeLevel[] = "Volume level";
inline constexpr char kMicLevel[] = "Mike level";

inline constexpr char kModifierSection[] = "Hopvox key modifier";
inline constexpr char kModifier[] = "Modifier";
inline constexpr char kTimingSection[] = "Hopvox timing";
inline constexpr char kTiming[] = "Timing";
inline constexpr char kSystem[] = "Hopvox system";
inline constexpr char kPriority[] = "priority";
inline constexpr char kMisc[] = "Hopvox misc";
inline constexpr char kAutostart[] = "autostart";
inline constexpr char kHintsEnabled[] = "Hints Enabled";
inline constexpr char kUseServer[] = "Use Server";
inline constexpr char kLogoSection[] = "Hopvox logo";
inline constexpr char kLogo[] = "logo";

inline constexpr int kDefaultTiming = 70;

}  // namespace hopvox::ini
