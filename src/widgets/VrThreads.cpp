#include "widgets/VrThreads.h"

#include <exception>

#include "framework/Application.h"

namespace hopvox {

namespace {
constexpr char kTimerClass[] = "HopvoxVrTimer";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TVrTimer::TVrTimer()
    : core_([this](std::uint32_t ms) { return Arm(ms); }, [this] { Kill(); }) {}

TVrTimer::~TVrTimer() {
  core_.Shutdown();
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void TVrTimer::SetOnTimer(std::function<void()> fn) {
  core_.OnTimer = std::move(fn);
  if (core_.Enabled()) core_.Rearm();
}

bool TVrTimer::Arm(std::uint32_t interval) {
  if (!window_) {
    HINSTANCE inst = Application().Instance();
    WNDCLASSA wc{};
    if (!GetClassInfoA(inst, kTimerClass, &wc)) {
      wc.lpfnWndProc = WndProc;
      wc.hInstance = inst;
      wc.lpszClassName = kTimerClass;
      RegisterClassA(&wc);
    }
    window_.reset(CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst,
                                  nullptr));
    if (!window_) return false;
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  return SetTimer(window_.get(), kTimerId, interval, nullptr) != 0;
}

void TVrTimer::Kill() {
  if (window_) KillTimer(window_.get(), kTimerId);
}

LRESULT CALLBACK TVrTimer::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_TIMER) return DefWindowProcA(wnd, msg, wp, lp);
  auto* self = reinterpret_cast<TVrTimer*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return 0;
  try {
    self->core_.Tick();
  } catch (const std::exception& e) {
    Application().HandleException(e);
  } catch (...) {
    Application().ShowError("Unexpected error");
  }
  return 0;
}

}  // namespace hopvox
