#include "services/ThdTimer.h"

#include <process.h>

#include <stdexcept>

#include "framework/Application.h"

namespace hopvox {

TTimerThread::TTimerThread(TThreadedTimer& owner)
    : owner_(owner),
      wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      served_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  if (!wake_ || !served_) throw std::runtime_error("Cannot create the timer event");
  thread_.reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Entry, this, 0, nullptr)));
  if (!thread_) throw std::runtime_error("Cannot create the timer thread");
}

TTimerThread::~TTimerThread() {
  terminated_.store(true);
  SetEvent(wake_.get());
  TApplication& app = Application();
  if (!app.IsMainThread()) {
    WaitForSingleObject(thread_.get(), INFINITE);
    return;
  }
  // The worker may be inside Synchronize right now, waiting for the main
  // thread, which is us: run hand-overs until the thread has ended.
  const HANDLE handles[2] = {thread_.get(), app.SyncEvent()};
  for (;;) {
    const DWORD r = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) break;
    app.CheckSynchronize();
  }
}

void TTimerThread::SetRunning(bool on) {
  running_.store(on);
  SetEvent(wake_.get());
}

unsigned __stdcall TTimerThread::Entry(void* self) {
  static_cast<TTimerThread*>(self)->Loop();
  return 0;
}

void TTimerThread::Loop() {
  while (!terminated_.load()) {
    if (!running_.load()) {
      WaitForSingleObject(wake_.get(), INFINITE);
      continue;
    }
    const unsigned generation = generation_.load();
    const int interval = interval_.load();
    const DWORD r =
        WaitForSingleObject(wake_.get(), interval < 0 ? INFINITE : static_cast<DWORD>(interval));
    if (r != WAIT_TIMEOUT || terminated_.load() || !running_.load()) continue;
    bool served = true;  // a hand-over that fails is reported, and the loop goes on
    Application().Guard([&] {
      served =
          Application().Synchronize([this, generation] { owner_.Tick(generation); }, served_.get());
    });
    // The main thread has stopped serving hand-overs: wait to be ended
    // rather than spin.
    if (!served) WaitForSingleObject(wake_.get(), INFINITE);
  }
}

TThreadedTimer::TThreadedTimer() : thread_(std::make_unique<TTimerThread>(*this)) {}

TThreadedTimer::~TThreadedTimer() {
  enabled_ = false;
  destroying_ = true;
  thread_.reset();
}

void TThreadedTimer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  thread_->NextGeneration();
  thread_->SetRunning(on && (thread_->Interval() != 0 || AllowZero));
}

void TThreadedTimer::SetInterval(int ms) {
  if (ms == thread_->Interval()) return;
  const bool was = enabled_;
  SetEnabled(false);
  thread_->SetInterval(ms);
  SetEnabled(was);
}

TThreadPriority TThreadedTimer::ThreadPriority() const {
  return ThreadPriorityFromWindows(GetThreadPriority(thread_->Handle()));
}

void TThreadedTimer::SetThreadPriority(TThreadPriority priority) {
  ::SetThreadPriority(thread_->Handle(), WindowsThreadPriority(priority));
}

void TThreadedTimer::Tick(unsigned generation) {
  // While destroying, thread_ is already being torn down: check that first.
  if (destroying_ || !enabled_ || !OnTimer || generation != thread_->Generation()) return;
  // A failing tick must not stop the timer, nor show anything.
  Application().Guard(OnTimer, TErrorPolicy::epDrop);
}

}  // namespace hopvox
