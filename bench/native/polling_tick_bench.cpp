// Cost of the decision part of one polling tick, against a baseline of the
// same number of bare key lookups, and the heap allocations a tick makes.
#include <benchmark/benchmark.h>

#include <atomic>
#include <bitset>
#include <cstdlib>
#include <new>

#include "core/logic/PollingTick.h"

namespace {

std::atomic<long> g_allocations{0};

struct BitKeys final : hopvox::IKeySnapshot {
  std::bitset<256> down;
  bool Keys(int code) const override {
    return code >= 1 && code <= 255 && down[static_cast<size_t>(code)];
  }
};

struct NoActions final : hopvox::IPollActions {
  void Launch(const char*) override {}
  void LaunchJoin(int) override {}
  int StepVolume(int) override { return 0; }
  int StepGain(int) override { return 0; }
  void LaunchVolume(int) override {}
  void LaunchGain(int) override {}
  void PlayChannel(int) override {}
};

hopvox::TRunValues Values() {
  hopvox::TRunValues v;
  for (int ch = 0; ch < hopvox::kChannelCount; ++ch)
    v.channelKey[ch] = hopvox::kChannels[ch].definedKey;
  v.volumeUpKey = 38;
  v.volumeDownKey = 40;
  v.micUpKey = 33;
  v.micDownKey = 34;
  return v;
}

void BM_TickNoKeyDown(benchmark::State& state) {
  const auto v = Values();
  BitKeys keys;
  NoActions actions;
  const long before = g_allocations.load();
  for (auto _ : state) {
    hopvox::RunPollingTick(hopvox::TPollHandler::phCtrl, v, keys, actions);
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TickNoKeyDown);

// Baseline: 49 lookups straight from the snapshot, the most a tick can make.
void BM_Baseline49Lookups(benchmark::State& state) {
  BitKeys keys;
  const hopvox::IKeySnapshot& snap = keys;
  for (auto _ : state) {
    int hits = 0;
    for (int i = 0; i < 49; ++i) hits += snap.Keys(1 + i * 5);
    benchmark::DoNotOptimize(hits);
  }
}
BENCHMARK(BM_Baseline49Lookups);

}  // namespace

// Counting replacement of the global allocator; GCC cannot see that these
// pairs match and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
