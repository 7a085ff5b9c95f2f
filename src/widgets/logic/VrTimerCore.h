#pragma once
// When a system-mode widget timer must be (re)armed, and which ticks reach
// its handler. The platform timer itself sits behind Arm and Kill, so the
// Win32 side uses SetTimer and tests use a fake clock.
#include <cstdint>
#include <functional>

namespace hopvox {

class TVrTimerCore {
 public:
  // Arm(interval) starts a periodic platform timer and returns false when
  // the platform refuses; Kill stops it (harmless when none runs).
  TVrTimerCore(std::function<bool(std::uint32_t)> arm, std::function<void()> kill);

  std::function<void()> OnTimer;

  bool Enabled() const { return enabled_; }
  std::uint32_t Interval() const { return interval_; }

  // Switching on re-arms; switching off only stops the handler being called,
  // the platform timer keeps running.
  void SetEnabled(bool v);
  void SetInterval(std::uint32_t v);
  // Re-arms after OnTimer was attached or the owner finished loading.
  void Rearm();
  // One platform tick.
  void Tick();
  // Stops for good: what destruction does.
  void Shutdown();

 private:
  std::function<bool(std::uint32_t)> arm_;
  std::function<void()> kill_;
  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
};

}  // namespace hopvox
