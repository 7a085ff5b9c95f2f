#pragma once
#include <string>

namespace hopvox {

// A path of an existing file or folder in the system's code page, as the
// ANSI calls must be given it: its long name where the code page can spell
// every letter of it, otherwise its short (8.3) name; empty where neither can
// be spelled (a name in another script on a volume without short names).
std::string AnsiPathOf(const std::wstring& path);

// The program file's full path, spelled as AnsiPathOf spells it.
std::string ProgramFilePath();

// The folder of the program file with its trailing backslash, spelled the same
// way; empty where it cannot be spelled.
std::string ProgramDir();

}  // namespace hopvox
