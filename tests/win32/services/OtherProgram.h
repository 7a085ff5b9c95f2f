#pragma once
// Another program (notepad) that holds the focus while a test sends keys, as
// a game would.
#include <windows.h>

#include <stdexcept>

#include "../Pump.h"

namespace hopvox::test {

class OtherProgram {
 public:
  OtherProgram() {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    char cmd[] = "notepad.exe";
    if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
      throw std::runtime_error("cannot start notepad");
    WaitForInputIdle(pi_.hProcess, 10000);
    PumpUntil([&] { return (wnd_ = FindWindowA("Notepad", nullptr)) != nullptr; }, 10000);
    SetForegroundWindow(wnd_);
    // The keys this test sends must stay down, so the focus change is over
    // before they go: notepad holds the focus, and this thread has handled
    // the window system's notes about it. Handled later, such a note makes
    // Wine set the key state to the physical keyboard's, where none is down.
    PumpUntil([&] { return HoldsFocus(); }, 10000);
    PumpPending();
  }
  ~OtherProgram() {
    TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  HWND wnd_ = nullptr;

 private:
  bool HoldsFocus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(wnd_, nullptr), &info) &&
           info.hwndActive == wnd_ && info.hwndFocus != nullptr;
  }

  PROCESS_INFORMATION pi_{};
};

}  // namespace hopvox::test
