#include "widgets/logic/VrTimerCore.h"

#include <stdexcept>
#include <utility>

namespace hopvox {

TVrTimerCore::TVrTimerCore(std::function<bool(std::uint32_t)> arm, std::function<void()> kill)
    : arm_(std::move(arm)), kill_(std::move(kill)) {}

void TVrTimerCore::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  if (enabled_) Rearm();
}

void TVrTimerCore::SetInterval(std::uint32_t v) {
  if (v == interval_) return;
  interval_ = v;
  if (enabled_) Rearm();
}

void TVrTimerCore::Rearm() {
  if (kill_) kill_();
  if (interval_ != 0 && enabled_ && OnTimer) {
    if (!arm_ || !arm_(interval_)) throw std::runtime_error("No timer resources left.");
  }
}

void TVrTimerCore::Tick() {
  if (enabled_ && OnTimer) OnTimer();
}

void TVrTimerCore::Shutdown() {
  enabled_ = false;
  OnTimer = nullptr;
  if (kill_) kill_();
}

}  // namespace hopvox
