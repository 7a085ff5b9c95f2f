#pragma once
// The widget family's timer. System mode: SetTimer on a hidden window of
// its own, ticks delivered through the GUI thread's message loop. Thread
// mode: a worker thread waits out the interval and ticks, handing the tick to
// the GUI thread when SyncEvent is on.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "framework/Handles.h"
#include "widgets/logic/VrTimerCore.h"

namespace hopvox {

enum class TVrTimerType { ttThread, ttSystem };

class TVrTimer {
 public:
  TVrTimer();
  ~TVrTimer();
  TVrTimer(const TVrTimer&) = delete;
  TVrTimer& operator=(const TVrTimer&) = delete;

  bool Enabled() const { return core_.Enabled(); }
  void SetEnabled(bool v) { core_.SetEnabled(v); }
  std::uint32_t Interval() const { return core_.Interval(); }
  void SetInterval(std::uint32_t v) { core_.SetInterval(v); }
  void SetOnTimer(std::function<void()> fn);
  TVrTimerType TimerType() const { return type_; }
  void SetTimerType(TVrTimerType t);
  // Thread mode only: tick on the GUI thread (on) or on the worker (off).
  bool SyncEvent() const { return syncEvent_; }
  void SetSyncEvent(bool v) { syncEvent_ = v; }
  // Thread mode only: the worker's priority, applied at once to a running one.
  int Priority() const { return priority_; }
  void SetPriority(int v);

  TVrTimerCore& Core() { return core_; }
  HWND WindowHandle() const { return window_.get(); }

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  static DWORD WINAPI ThreadMain(void* self);
  bool Arm(std::uint32_t interval);
  void Kill();
  void StopThread();
  void ThreadTick();

  TVrTimerType type_ = TVrTimerType::ttThread;
  std::atomic<bool> syncEvent_{true};  // read by the worker at each tick
  int priority_ = THREAD_PRIORITY_NORMAL;
  UniqueWindow window_;
  // Thread mode: the wait is restarted by `wake_`; `period_` 0 waits for ever.
  UniqueHandle wake_, thread_;
  std::atomic<std::uint32_t> period_{0};
  std::atomic<bool> stop_{false};
  TVrTimerCore core_;
};

}  // namespace hopvox
