// Delay from a channel hotkey going down to the voice-chat program being
// started, measured on the real program under the default interval: the key
// goes down at a known time and the stand-in records its creation time.
// Run with the same environment as the end-to-end tests (see scripts/bench-latency).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/Driver.h"

namespace {

unsigned long long Now() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::atoi(argv[1]) : 50;
  e2e::HopvoxRun run("bench_latency");
  run.WriteFile(
      "Hopvox.ini",
      "[Hopvox timing]\nTiming=70\n[Hopvox key modifier]\nModifier=4\n[Hopvox keys]\nChannel 3=52\n"
      "[Hopvox Ips]\nChannel 3=10.0.0.4\n");
  run.Start();
  e2e::FocusThief thief;
  Sleep(300);
  std::vector<double> ms;
  for (int i = 0; i < presses; ++i) {
    const size_t before = run.RogerLog().size();
    const unsigned long long down = Now();
    e2e::KeyDown('4');
    e2e::WaitFor([&] { return run.RogerLog().size() > before; }, std::chrono::seconds(2));
    e2e::KeyUp('4');
    // The first start after the key went down, from the sequence file.
    std::string seq = run.ReadFile("roger.log.seq");
    unsigned long long first = 0;
    size_t pos = 0;
    while (pos < seq.size()) {
      unsigned long long t = std::strtoull(seq.c_str() + pos, nullptr, 10);
      if (t >= down && (first == 0 || t < first)) first = t;
      pos = seq.find('\n', pos);
      if (pos == std::string::npos) break;
      ++pos;
    }
    if (first) ms.push_back(static_cast<double>(first - down) / 10000.0);
    Sleep(200 + (i * 37) % 70);  // release, and spread the presses over the interval
  }
  run.Close();
  if (ms.empty()) {
    std::printf("no starts recorded\n");
    return 1;
  }
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) {
    return ms[static_cast<size_t>(q * static_cast<double>(ms.size() - 1))];
  };
  std::printf(
      "presses %d, starts seen %zu\nkey down -> roger started: median %.1f ms, p95 %.1f ms, min "
      "%.1f ms, max %.1f ms\n",
      presses, ms.size(), at(0.5), at(0.95), ms.front(), ms.back());
  return 0;
}
