#pragma once
// Loading the system's own libraries so that nothing else can stand in for
// them. People start the program from wherever they unpacked it (often the
// Downloads folder), and a library looked up by bare name is looked for in
// the program's folder, and in the working folder, before the system folder.
#include <windows.h>
#include <commctrl.h>

namespace hopvox {

// Loads `name` ("winmm.dll") from the system folder and nowhere else; the
// libraries it needs in turn are looked for there first too. Null when it is
// not there (the caller decides what that means).
HMODULE LoadSystemLibrary(const char* name);

// Loads, from the system folder, each library that the system's own
// libraries may later ask for by bare name and that the system does not
// always take from its own folder (uxtheme.dll, msimg32.dll, ...). They stay
// loaded for the life of the process, and the loader hands this copy to
// every later request of the same name, made by us or by the system, before
// it would search the program's folder. Called first thing at start-up,
// before the first window; a library the system lacks is skipped.
void LoadSystemLibrariesAhead();

// Registers the common-control classes given (ICC_... flags) from the
// common controls the program's manifest binds (version 6, themed). They are
// not imported: loaded with the program, before its first line, they would
// load the theme library by bare name, from the program's folder first. The
// manifest binds the bare name to the system's own copy, which a path would
// miss. False where the library or the call is missing.
bool InitCommonControlClasses(DWORD classes);

// The entry point `name` of the common dialogs, from the system folder, or
// null. Not imported for the same reason: they load the common controls.
FARPROC CommonDialogsProc(const char* name);

// Takes the working folder out of the search for libraries loaded later by
// bare name, by us or by the system's own libraries. Called first thing at
// start-up; does nothing where the system lacks the call.
void RemoveWorkingFolderFromLibrarySearch();

}  // namespace hopvox
