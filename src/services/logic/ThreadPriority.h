#pragma once
// Priorities of the timer worker threads and the Windows values they map to.
#include <optional>

namespace hopvox {

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

constexpr int WindowsThreadPriority(TThreadPriority p) {
  constexpr int kValue[] = {-15, -2, -1, 0, 1, 2, 15};
  return kValue[p];
}

// Back from a Windows value; values between the named steps read as the
// nearest lower one.
constexpr TThreadPriority ThreadPriorityFromWindows(int value) {
  if (value <= -15) return tpIdle;
  if (value <= -2) return tpLowest;
  if (value == -1) return tpLower;
  if (value == 0) return tpNormal;
  if (value == 1) return tpHigher;
  if (value < 15) return tpHighest;
  return tpTimeCritical;
}

// The "Cpu priority" choice of the main window: items "Lowest" .. "Highest".
constexpr std::optional<TThreadPriority> PriorityForCpuItem(int item) {
  switch (item) {
    case 0:
      return tpLowest;
    case 1:
      return tpLower;
    case 2:
      return tpNormal;
    case 3:
      return tpHigher;
    case 4:
      return tpHighest;
    default:
      return std::nullopt;
  }
}

}  // namespace hopvox
