#include "widgets/VrThreads.h"

#include "framework/Application.h"

namespace hopvox {

namespace {
constexpr char kTimerClass[] = "HopvoxVrTimer";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TVrTimer::TVrTimer() : core_([this](std::uint32_t ms) { return Arm(ms); }, [this] { Kill(); }) {}

TVrTimer::~TVrTimer() {
  core_.Shutdown();
  StopThread();
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void TVrTimer::SetTimerType(TVrTimerType t) {
  if (t == type_) return;
  Kill();
  type_ = t;
  if (core_.Enabled()) core_.Rearm();
}

void TVrTimer::SetPriority(int v) {
  if (v == priority_) return;
  priority_ = v;
  if (thread_) SetThreadPriority(thread_.get(), priority_);
}

void TVrTimer::StopThread() {
  if (!thread_) return;
  stop_ = true;
  SetEvent(wake_.get());
  // The worker may be inside Synchronize, waiting for this very thread.
  HANDLE waits[2] = {thread_.get(), Application().SyncEvent()};
  while (WaitForMultipleObjects(waits[1] ? 2 : 1, waits, FALSE, INFINITE) != WAIT_OBJECT_0)
    Application().CheckSynchronize();
  thread_.reset();
}

DWORD WINAPI TVrTimer::ThreadMain(void* param) {
  auto* self = static_cast<TVrTimer*>(param);
  while (!self->stop_) {
    std::uint32_t period = self->period_;
    DWORD r = WaitForSingleObject(self->wake_.get(), period ? period : INFINITE);
    if (self->stop_) break;
    if (r == WAIT_TIMEOUT) self->ThreadTick();
  }
  return 0;
}

void TVrTimer::ThreadTick() {
  Application().Guard([this] {
    if (syncEvent_)
      Application().Synchronize([this] { core_.Tick(); });
    else
      core_.Tick();
  });
}

void TVrTimer::SetOnTimer(std::function<void()> fn) {
  core_.OnTimer = std::move(fn);
  if (core_.Enabled()) core_.Rearm();
}

bool TVrTimer::Arm(std::uint32_t interval) {
  if (type_ == TVrTimerType::ttThread) {
    if (!thread_) {
      wake_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
      stop_ = false;
      thread_.reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
      if (!thread_) return false;
      SetThreadPriority(thread_.get(), priority_);
    }
    period_ = interval;
    return SetEvent(wake_.get()) != FALSE;
  }
  if (!window_) {
    HINSTANCE inst = Application().Instance();
    WNDCLASSA wc{};
    if (!GetClassInfoA(inst, kTimerClass, &wc)) {
      wc.lpfnWndProc = WndProc;
      wc.hInstance = inst;
      wc.lpszClassName = kTimerClass;
      RegisterClassA(&wc);
    }
    window_.reset(
        CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst, nullptr));
    if (!window_) return false;
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  return SetTimer(window_.get(), kTimerId, interval, nullptr) != 0;
}

void TVrTimer::Kill() {
  if (window_) KillTimer(window_.get(), kTimerId);
  if (thread_) {
    period_ = 0;
    SetEvent(wake_.get());
  }
}

LRESULT CALLBACK TVrTimer::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_TIMER) return DefWindowProcA(wnd, msg, wp, lp);
  auto* self = reinterpret_cast<TVrTimer*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (self) Application().Guard([self] { self->core_.Tick(); });
  return 0;
}

}  // namespace hopvox
