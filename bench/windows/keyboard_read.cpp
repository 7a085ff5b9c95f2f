// Cost of the keyboard half of one polling tick in the real program: one
// Update of the reader plus the 49 Keys lookups, through DirectInput and
// through the fallback without it. Run under Wine or Windows:
//   wine build/windows/bench_keyboard_read.exe [iterations]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/Form.h"
#include "services/DXInput.h"

namespace {

constexpr int kLookups[49] = {18, 45, 18, 46, 18, 36, 18, 35, 109, 16, 65, 16, 66, 16, 67, 16, 68,
                              17, 49, 17, 50, 17, 51, 17, 52, 17,  53, 17, 54, 17, 55, 17, 56, 17,
                              57, 17, 48, 17, 81, 17, 87, 17, 69,  17, 82, 17, 84, 17, 89};

void Measure(const char* label, hopvox::TDXInput& input, int iterations) {
  LARGE_INTEGER freq, a, b;
  QueryPerformanceFrequency(&freq);
  std::vector<double> us;
  us.reserve(iterations);
  int down = 0;
  for (int i = 0; i < iterations; ++i) {
    QueryPerformanceCounter(&a);
    input.Update();
    for (int code : kLookups) down += input.Keys(code);
    QueryPerformanceCounter(&b);
    us.push_back(1e6 * static_cast<double>(b.QuadPart - a.QuadPart) /
                 static_cast<double>(freq.QuadPart));
  }
  std::sort(us.begin(), us.end());
  std::printf("%-28s median %8.2f us  p95 %8.2f us  max %8.2f us  (%d iterations, %d keys down)\n",
              label, us[us.size() / 2], us[us.size() * 95 / 100], us.back(), iterations, down);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace hopvox;
  const int iterations = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
  TForm form("keyboard bench", 100, 100, WS_OVERLAPPEDWINDOW);
  TDXInput input(&form);
  input.ActiveOnly = false;
  input.Joystick().Enabled = false;
  input.Mouse().Enabled = false;
  input.Loaded();
  if (input.Keyboard().Device()) {
    Measure("DirectInput device read", input, iterations);
  } else {
    std::printf("DirectInput not available\n");
  }
  input.SetUseDirectInput(false);
  Measure("fallback (GetAsyncKeyState)", input, iterations);
  return 0;
}
