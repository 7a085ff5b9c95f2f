#pragma once
// Message pump for the tests: serves the timers' hand-overs and dispatches
// window messages until a condition holds or the time is up.
#include <windows.h>

#include <functional>

#include "framework/Application.h"

namespace hopvox::test {

inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done && done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return false;
    HANDLE sync = Application().SyncEvent();
    MsgWaitForMultipleObjects(1, &sync, FALSE, std::min<DWORD>(ms - elapsed, 10), QS_ALLINPUT);
    Application().CheckSynchronize();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

inline void PumpFor(DWORD ms) { PumpUntil(nullptr, ms); }

}  // namespace hopvox::test
