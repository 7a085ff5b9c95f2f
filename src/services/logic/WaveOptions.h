#pragma once
// Options of a wave component and the PlaySoundA flags they stand for.
#include <cstdint>
#include <initializer_list>

namespace hopvox {

enum TVrWaveOption : std::uint8_t { vwoAsync, vwoNoDefault, vwoLoop, vwoNoStop, vwoNoWait };

// A set of TVrWaveOption, one bit per ordinal.
class TVrWaveOptions {
 public:
  constexpr TVrWaveOptions() = default;
  constexpr TVrWaveOptions(std::initializer_list<TVrWaveOption> options) {
    for (auto o : options) bits_ |= static_cast<std::uint8_t>(1u << o);
  }
  constexpr bool Contains(TVrWaveOption o) const { return (bits_ >> o) & 1u; }
  constexpr bool operator==(const TVrWaveOptions&) const = default;

 private:
  std::uint8_t bits_ = 0;
};

inline constexpr TVrWaveOptions kDefaultWaveOptions{vwoAsync, vwoNoDefault};

// SND_MEMORY always; SND_ASYNC, SND_NODEFAULT, SND_LOOP, SND_NOSTOP,
// SND_NOWAIT for the options in ordinal order.
constexpr std::uint32_t PlayFlagsFor(TVrWaveOptions options) {
  constexpr std::uint32_t kMemory = 0x0004;
  constexpr std::uint32_t kFlag[] = {0x0001, 0x0002, 0x0008, 0x0010, 0x2000};
  std::uint32_t flags = kMemory;
  for (int o = vwoAsync; o <= vwoNoWait; ++o) {
    if (options.Contains(static_cast<TVrWaveOption>(o))) flags |= kFlag[o];
  }
  return flags;
}

}  // namespace hopvox
