#include "core/Launcher.h"

#include <windows.h>
#include <shellapi.h>

namespace hopvox {

namespace {
void Start(const char* parameters) {
  // Owned by the desktop, shown without taking the focus from the game.
  ShellExecuteA(GetDesktopWindow(), nullptr, "roger", parameters, nullptr, SW_SHOWNA);
}
}  // namespace

void launch(const std::string& parameters) { Start(parameters.c_str()); }
void launch() { Start(nullptr); }

}  // namespace hopvox
