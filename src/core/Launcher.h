#pragma once
#include <string>

namespace hopvox {

// Starts the voice-chat program "roger" with one parameter string, or with
// none (a null parameter) for a plain start, through the shell's search for
// the bare name; where that finds none, the roger.exe beside this program, if
// there is one. Nothing is reported either way.
void launch(const std::string& parameters);
void launch();

}  // namespace hopvox
