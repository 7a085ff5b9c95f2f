#pragma once
// The main server strings the joins use, and how the three boxes of the
// "Main Server" panel change them. The settings file access stays with the
// handlers; these functions decide what the run-time values become.
#include <string>

#include "core/logic/RunValues.h"

namespace hopvox {

// Leaving the server box: the text reaches the joins only while the main
// server is in use (an unticked box keeps the joins free of it).
void ApplyServerExit(TRunValues& run, const std::string& text, bool useServer);

// Leaving the password box; returns the text to store: the password followed
// by exactly one blank.
std::string ApplyPasswordExit(TRunValues& run, const std::string& text, bool useServer);

// Leaving "Use Default Server". Ticked: the stored server and password (read
// with the current values as defaults) become the join strings. Cleared: the
// joins name the slot text alone.
void ApplyUseServerExit(TRunValues& run, bool useServer, const std::string& storedServer,
                        const std::string& storedPassword);

}  // namespace hopvox
