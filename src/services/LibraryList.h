#pragma once
// System libraries loaded at run time, for optional features and for those
// that are not loaded by name ahead of any other, kept in one process-wide
// list by lower-case name and freed when the program ends. Each comes from the
// system folder only.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace hopvox {

class ELibraryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The entry point `procName` of `libName`, loading the library from the system
// folder on first use.
// Throws ELibraryError "<name> is not loaded" naming the library or the entry
// point that is missing.
FARPROC LibraryProc(const std::string& libName, const std::string& procName);

}  // namespace hopvox
