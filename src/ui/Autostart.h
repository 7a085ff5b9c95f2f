#pragma once
// Start with Windows through the registry's Run keys. The machine-wide key
// needs administrator rights; a user without them gets the per-user key, so
// ticking the box always has an effect when the registry allows one.
#include <string>

namespace hopvox {

enum class TAutostartPlace { None, Machine, User };

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Registers `command` under `name`: in the machine-wide Run key when it can be
// opened for writing, otherwise in the current user's, unless a machine-wide
// entry of that name is already there. Returns where it went
// (None: nowhere could be written).
TAutostartPlace RegisterAutostart(const std::string& name, const std::string& command);
// Removes `name` from both Run keys; a value that is not there is no error.
// False when a machine-wide value stays, which only an administrator may
// remove: Windows goes on starting the program for every user.
bool UnregisterAutostart(const std::string& name);
// The Run-key data for a program file: quoted when the path holds a blank, so
// Windows cannot take a shorter prefix of it for the program.
std::string AutostartCommand(const std::string& programFile);

}  // namespace hopvox
