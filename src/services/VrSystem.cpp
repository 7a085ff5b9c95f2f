#include "services/VrSystem.h"

#include "framework/Application.h"

namespace hopvox {

std::string RunOnceName(const std::string& title) { return title.substr(0, 255); }

UINT ShowInstanceMessage() {
  static const UINT message = RegisterWindowMessageA("HopvoxShowInstance");
  return message;
}

HWND FindOtherInstanceWindow(const std::string& title) {
  const DWORD self = GetCurrentProcessId();
  HWND wnd = nullptr;
  // Bounded: the list could change under us while we walk it.
  for (int i = 0; i < 256; ++i) {
    wnd = FindWindowExA(nullptr, wnd, nullptr, title.c_str());
    if (!wnd) return nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != self) return wnd;
  }
  return nullptr;
}

void TVrRunOnce::Loaded() {
  const std::string name = RunOnceName(Application().Title());
  mutex_.reset(CreateMutexA(nullptr, FALSE, name.c_str()));
  const DWORD error = GetLastError();
  // A mutex we could not make counts as someone else's.
  another_ = error == ERROR_ALREADY_EXISTS || !mutex_;
  if (another_) {
    if (OnExists) OnExists();
    if (RestorePrevInst) {
      // Our own windows carry the same title; skip them by process rather
      // than by their place in the window order, which is not guaranteed.
      if (HWND other = FindOtherInstanceWindow(name)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(other, &pid);
        // We were just started, so we may hand the foreground on.
        AllowSetForegroundWindow(pid);
        DWORD_PTR shown = 0;
        if (SendMessageTimeoutA(other, ShowInstanceMessage(), GetCurrentProcessId(), 0,
                                SMTO_ABORTIFHUNG, 5000, &shown) &&
            shown) {
          // Out of the tray, by the tray's own restore.
        } else if (IsIconic(other)) {
          ShowWindow(other, SW_RESTORE);
        } else {
          BringWindowToTop(other);
        }
      }
    }
    if (Terminate) {
      if (ShowMessage)
        // In front of the copy just brought forward, whatever else is.
        MessageBoxA(nullptr, MessageText.c_str(), "Information",
                    MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
      Application().Terminate();
    }
  }
}

}  // namespace hopvox
