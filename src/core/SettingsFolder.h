#pragma once
#include <string>

namespace hopvox {

// The folder (with its trailing backslash) that holds the settings file and
// the database: `programDir` where the user may write there, otherwise
// "<application data>\Hopvox\", which the first start there fills with copies
// of the files beside the program and names to the user in a message.
std::string SettingsFolder(const std::string& programDir);

}  // namespace hopvox
