#pragma once
// A timer that measures its interval on a worker thread of its own and runs
// its tick on the main thread, so the interval does not depend on the main
// window's message traffic while the tick may use the window freely.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>

#include "framework/Handles.h"
#include "services/logic/ThreadPriority.h"

namespace hopvox {

class TThreadedTimer;

// The worker: waits on its wake event for the interval, then hands one tick
// to the main thread and waits until it has run. While its timer is disabled
// it parks on the same event instead of being suspended at some random point
// (a suspended thread could be holding a lock the main thread needs).
class TTimerThread {
 public:
  explicit TTimerThread(TThreadedTimer& owner);
  // Ends the thread and waits for it, still serving its hand-overs.
  ~TTimerThread();
  TTimerThread(const TTimerThread&) = delete;
  TTimerThread& operator=(const TTimerThread&) = delete;

  int Interval() const { return interval_.load(); }
  void SetInterval(int ms) { interval_.store(ms); }
  // Starts or parks the waits; either way the current wait is cut short
  // without a tick, so a started timer ticks one full interval later.
  void SetRunning(bool on);
  // Bumped on every change of the timer's state; a tick requested under an
  // older value is dropped when it reaches the main thread.
  unsigned Generation() const { return generation_.load(); }
  void NextGeneration() { generation_.fetch_add(1); }
  HANDLE Handle() const { return thread_.get(); }

 private:
  static unsigned __stdcall Entry(void* self);
  void Loop();

  TThreadedTimer& owner_;
  UniqueHandle wake_;    // auto-reset: one signal cuts one wait short
  UniqueHandle served_;  // auto-reset: the main thread has run our tick
  UniqueHandle thread_;
  std::atomic<int> interval_{1000};
  std::atomic<bool> running_{false};
  std::atomic<bool> terminated_{false};
  std::atomic<unsigned> generation_{0};
};

class TThreadedTimer {
 public:
  TThreadedTimer();
  ~TThreadedTimer();
  TThreadedTimer(const TThreadedTimer&) = delete;
  TThreadedTimer& operator=(const TThreadedTimer&) = delete;

  // Whether an interval of 0 may run (then ticks come as fast as the main
  // thread takes them).
  bool AllowZero = false;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // Milliseconds from one tick to the next (plus the time the main thread
  // takes to run the tick). Negative: no tick until it is changed.
  int Interval() const { return thread_->Interval(); }
  void SetInterval(int ms);
  TThreadPriority ThreadPriority() const;
  void SetThreadPriority(TThreadPriority priority);

  // Runs on the main thread; whatever it throws is dropped.
  std::function<void()> OnTimer;

  HANDLE ThreadHandle() const { return thread_->Handle(); }

 private:
  friend class TTimerThread;
  void Tick(unsigned generation);

  bool enabled_ = false;
  bool destroying_ = false;
  std::unique_ptr<TTimerThread> thread_;
};

}  // namespace hopvox
