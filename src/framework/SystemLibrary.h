#pragma once
// Loading the system's own libraries so that nothing else can stand in for
// them. People start the program from wherever they unpacked it (often the
// Downloads folder), and a library looked up by bare name is looked for in
// the program's folder, and in the working folder, before the system folder.
#include <windows.h>

namespace hopvox {

// Loads `name` ("winmm.dll") from the system folder and nowhere else; the
// libraries it needs in turn are looked for there first too. Null when it is
// not there (the caller decides what that means).
HMODULE LoadSystemLibrary(const char* name);

// Takes the working folder out of the search for libraries loaded later by
// bare name, by us or by the system's own libraries. Called first thing at
// start-up; does nothing where the system lacks the call.
void RemoveWorkingFolderFromLibrarySearch();

}  // namespace hopvox
