#pragma once
// What one polling tick does, given one snapshot of the keyboard. Every step
// is tested on its own, in order, against the same snapshot; several can fire
// in one tick and nothing is remembered between ticks (a held combination
// fires again on every tick).
#include "core/logic/RunValues.h"

namespace hopvox {

// The four polling handlers: Timer1 (Ctrl), Timer2 (Alt), Timer3 (Shift) and
// Timer6 (no modifier).
enum class TPollHandler { phCtrl, phAlt, phShift, phNone };

inline constexpr int kVkShift = 16, kVkControl = 17, kVkAlt = 18;
inline constexpr int kVkEnd = 35, kVkHome = 36, kVkInsert = 45, kVkDelete = 46;
inline constexpr int kVkSubtract = 109;  // numeric keypad minus
inline constexpr int kLevelStep = 10;

// The key-down test of the keyboard reader: true only for a code 1..255 whose
// key is down in the current snapshot.
class IKeySnapshot {
 public:
  virtual bool Keys(int code) const = 0;

 protected:
  ~IKeySnapshot() = default;
};

// What a tick can do. Level steps go through the displays, which clamp, and
// return the value they now show: that value is what is sent.
class IPollActions {
 public:
  virtual void Launch(const char* command) = 0;
  virtual void LaunchJoin(int channel) = 0;
  virtual int StepVolume(int delta) = 0;
  virtual int StepGain(int delta) = 0;
  virtual void LaunchVolume(int level) = 0;
  virtual void LaunchGain(int level) = 0;
  virtual void PlayChannel(int channel) = 0;

 protected:
  ~IPollActions() = default;
};

void RunPollingTick(TPollHandler handler, const TRunValues& values, const IKeySnapshot& keys,
                    IPollActions& actions);

}  // namespace hopvox
