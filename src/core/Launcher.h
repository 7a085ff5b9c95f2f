#pragma once
#include <string>

namespace hopvox {

// Starts the voice-chat program "roger" with one parameter string, or with
// none (a null parameter) for a plain start. The result is not looked at.
void launch(const std::string& parameters);
void launch();

}  // namespace hopvox
