#pragma once
// The widget family's timer in system mode: SetTimer on a hidden window of
// its own, ticks delivered through the GUI thread's message loop.
#include <windows.h>

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

  TVrTimerCore& Core() { return core_; }
  HWND WindowHandle() const { return window_.get(); }

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  bool Arm(std::uint32_t interval);
  void Kill();

  UniqueWindow window_;
  TVrTimerCore core_;
};

}  // namespace hopvox
