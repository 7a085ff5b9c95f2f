// Every settings read parses the whole file again (nothing is cached), so
// what matters is parse + one lookup on a file of realistic size, and on a
// crowded one.
#include <benchmark/benchmark.h>

#include <string>

#include "framework/logic/IniText.h"

namespace {

std::string SettingsFile() {
  std::string f = "[Hopvox keys]\r\n";
  for (int i = 0; i < 16; ++i)
    f += "Channel " + std::to_string(i) + "=" + std::to_string(65 + i) + "\r\n";
  f += "\r\n[Hopvox Ips]\r\n";
  for (int i = 0; i < 16; ++i)
    f += "Channel " + std::to_string(i) + "=192.168.0." + std::to_string(i) + ":3782\r\n";
  f += "Main Server=\r\nMain Server Password=secret \r\n\r\n[Hopvox Volume]\r\nVolume "
       "level=120\r\nMike level=80\r\n"
       "\r\n[Hopvox timing]\r\nTiming=70\r\n\r\n[Hopvox misc]\r\nautostart=1\r\nHints "
       "Enabled=1\r\nUse Server=0\r\n";
  return f;
}

std::string CrowdedFile() {
  std::string f = "[HopVoxIPs]\r\n";
  for (int i = 0; i < 2000; ++i)
    f += "Server number " + std::to_string(i) + "=10.0.0." + std::to_string(i % 256) + "\r\n";
  return f;
}

void BM_ReadOneValue(benchmark::State& state) {
  const std::string file = SettingsFile();
  for (auto _ : state)
    benchmark::DoNotOptimize(hopvox::IniText::Parse(file, hopvox::WesternCodePage())
                                 .ReadInteger("hopvox timing", "Timing", -1));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_ReadOneValue);

void BM_KeyNamesOfCrowdedSection(benchmark::State& state) {
  const std::string file = CrowdedFile();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        hopvox::IniText::Parse(file, hopvox::WesternCodePage()).KeyNames("HopVoxIps"));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_KeyNamesOfCrowdedSection);

void BM_WriteIntoCrowdedSection(benchmark::State& state) {
  const std::string file = CrowdedFile();
  for (auto _ : state) {
    auto ini = hopvox::IniText::Parse(file, hopvox::WesternCodePage());
    ini.WriteString("HopVoxIPs", "Server number 1999", "1.2.3.4");
    benchmark::DoNotOptimize(ini.Format());
  }
}
BENCHMARK(BM_WriteIntoCrowdedSection);

}  // namespace

BENCHMARK_MAIN();
