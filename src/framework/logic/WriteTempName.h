#pragma once
// Names of the files a settings write makes beside the file it replaces. A
// write cut short (the program killed, the power gone) leaves one behind; the
// next write of the same file knows it by its name and removes it. The name
// holds the whole name of the settings file, so a write never touches another
// file's leftovers, and a fixed tail that nobody else uses.
#include <cstdint>
#include <string>

namespace hopvox {

// "Hopvox.ini" and 0x1A2B gives "Hopvox.ini~hvx00001A2B.tmp".
std::string WriteTempName(const std::string& fileName, std::uint32_t unique);

// Whether `candidate` is a name WriteTempName could have given for
// `fileName` (file names match without regard to case, as on Windows).
bool IsWriteTempOf(const std::string& fileName, const std::string& candidate);

// What a folder search for the leftovers of `fileName` asks for; every name
// it finds still goes through IsWriteTempOf.
std::string WriteTempPattern(const std::string& fileName);

}  // namespace hopvox
