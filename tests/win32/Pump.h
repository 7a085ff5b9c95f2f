#pragma once
// Message pumps for the Windows tests.
#include <windows.h>

#include <algorithm>
#include <functional>

#include "framework/Application.h"

namespace hopvox::test {

// Dispatches the messages waiting now. `each`, when given, sees every one
// first and says whether it is dispatched.
inline void PumpPending(const std::function<bool(const MSG&)>& each = nullptr) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (each && !each(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Dispatches messages until `done` holds (null: never) or `ms` have passed,
// and serves the timers' hand-overs to this thread meanwhile, unless
// `handOvers` is false (a test of what runs without them). True when `done`
// held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms,
                      const std::function<bool(const MSG&)>& each = nullptr,
                      bool handOvers = true) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done && done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return false;
    HANDLE sync = Application().SyncEvent();
    MsgWaitForMultipleObjects(handOvers ? 1 : 0, &sync, FALSE, std::min<DWORD>(ms - elapsed, 10),
                              QS_ALLINPUT);
    if (handOvers) Application().CheckSynchronize();
    PumpPending(each);
  }
}

inline void PumpFor(DWORD ms) { PumpUntil(nullptr, ms); }

}  // namespace hopvox::test
