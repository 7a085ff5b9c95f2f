#pragma once
// The polling interval taken from a stored "Timing" value. The track bar only
// ever stores 50..120; a value a hand edit or a damaged file put there must
// not stop polling: 0 would give no ticks and a negative value (also what an
// absent key reads as) an endless wait. So a positive value is kept within the
// track bar's range and anything else falls back to the default.
namespace hopvox {

inline constexpr int kMinPollInterval = 50;
inline constexpr int kMaxPollInterval = 120;
inline constexpr int kDefaultPollInterval = 70;

constexpr int EffectivePollInterval(int stored) {
  if (stored <= 0) return kDefaultPollInterval;
  if (stored < kMinPollInterval) return kMinPollInterval;
  if (stored > kMaxPollInterval) return kMaxPollInterval;
  return stored;
}

}  // namespace hopvox
