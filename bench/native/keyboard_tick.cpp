// Cost of the table-driven half of one polling tick: turn a DirectInput
// keyboard buffer into key states, then the 49 lookups the engine makes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "services/logic/DikToVk.h"
#include "services/logic/KeyStates.h"

namespace {

// The codes one tick asks for: Alt/Insert/Delete/Home/End, keypad minus,
// Shift with four level keys, and sixteen channels each with its modifier.
constexpr int kLookups[49] = {18, 45, 18, 46, 18, 36, 18, 35, 109, 16, 65, 16, 66, 16, 67, 16, 68,
                              17, 49, 17, 50, 17, 51, 17, 52, 17,  53, 17, 54, 17, 55, 17, 56, 17,
                              57, 17, 48, 17, 81, 17, 87, 17, 69,  17, 82, 17, 84, 17, 89};

void BM_UpdateAndLookups(benchmark::State& state) {
  std::uint8_t scan[256] = {};
  scan[29] = scan[5] = 0x80;  // Ctrl+4 held
  hopvox::TKeyStates keys;
  const auto toVk = hopvox::DikToVkTable();
  for (auto _ : state) {
    keys.Clear();
    keys.SetFromScanCodes(scan, toVk);
    keys.TakeOutAltGr({.leftCtrl = true, .rightCtrl = false, .leftAlt = false, .rightAlt = false});
    int down = 0;
    for (int code : kLookups) down += keys.Down(code);
    benchmark::DoNotOptimize(down);
  }
}
BENCHMARK(BM_UpdateAndLookups);

}  // namespace

BENCHMARK_MAIN();
