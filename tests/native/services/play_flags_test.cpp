// The flags a wave hands the system for each of its options.
#include <gtest/gtest.h>

#include "services/logic/WaveOptions.h"

namespace hopvox {
namespace {

constexpr std::uint32_t kAsync = 0x0001, kNoDefault = 0x0002, kMemory = 0x0004, kLoop = 0x0008,
                        kNoStop = 0x0010, kNoWait = 0x2000;

TEST(PlayFlags, EachOptionAddsItsFlagToThePlayFromMemory) {
  struct Case {
    TVrWaveOptions options;
    std::uint32_t flags;
  };
  for (const Case& c :
       {Case{{}, kMemory},  // synchronous
        Case{kDefaultWaveOptions, kMemory | kAsync | kNoDefault}, Case{{vwoLoop}, kMemory | kLoop},
        Case{{vwoNoStop}, kMemory | kNoStop}, Case{{vwoNoWait}, kMemory | kNoWait},
        Case{{vwoNoDefault, vwoLoop, vwoNoWait}, kMemory | kNoDefault | kLoop | kNoWait}})
    EXPECT_EQ(PlayFlagsFor(c.options), c.flags) << std::hex << c.flags;
}

}  // namespace
}  // namespace hopvox
