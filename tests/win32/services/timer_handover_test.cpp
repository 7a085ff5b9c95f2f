// A polling timer runs for hours at 50 ms: its ticks must not make (and
// close) kernel objects. Counted through this program's own import table.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>

#include "Pump.h"
#include "services/ThdTimer.h"

using namespace hopvox;

namespace {

std::atomic<int> eventsMade{0};
decltype(&CreateEventA) realCreateEvent = nullptr;

// Only the workers' calls count: the main thread may make objects of its own meanwhile.
HANDLE WINAPI CountingCreateEvent(LPSECURITY_ATTRIBUTES sa, BOOL manual, BOOL initial,
                                  LPCSTR name) {
  if (!Application().IsMainThread()) ++eventsMade;
  return realCreateEvent(sa, manual, initial, name);
}

// Points this module's import of `dll`!`function` at `replacement`; returns the previous target.
void* SwapImport(const char* dll, const char* function, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name;
       ++d) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) != 0) continue;
      DWORD protect;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protect);
      void* previous = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protect, &protect);
      return previous;
    }
  }
  return nullptr;
}

}  // namespace

TEST(TimerHandOver, TicksMakeNoKernelObjects) {
  Application().Handle();
  TThreadedTimer timer;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.AllowZero = true;
  timer.SetInterval(0);
  realCreateEvent = reinterpret_cast<decltype(&CreateEventA)>(
      SwapImport("kernel32.dll", "CreateEventA", reinterpret_cast<void*>(&CountingCreateEvent)));
  ASSERT_NE(realCreateEvent, nullptr);
  timer.SetEnabled(true);
  const bool ran = test::PumpUntil([&] { return ticks >= 300; }, 20000);
  timer.SetEnabled(false);
  SwapImport("kernel32.dll", "CreateEventA", reinterpret_cast<void*>(realCreateEvent));
  ASSERT_TRUE(ran);
  EXPECT_EQ(eventsMade.load(), 0);
}
