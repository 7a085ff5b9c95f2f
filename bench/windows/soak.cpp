// Long-run soak of the main window: builds and tears down the whole window
// many times, then runs many polling ticks through the real timer and
// hand-over path, and reports kernel handles, GDI and USER objects and global
// atoms before and after each phase, and at the end the references to global
// atoms left behind. Anything that grows with use shows here.
// Usage: bench_soak.exe [starts=200] [ticks=100000]; writes Hopvox.ini beside itself.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/logic/QueryProtocol.h"

#include "core/Form1.h"
#include "framework/Application.h"

namespace {

struct Counts {
  DWORD handles = 0;
  DWORD gdi = 0;
  DWORD user = 0;
  int atoms = 0;
};

int GlobalAtomCount() {
  int n = 0;
  char name[256];
  for (unsigned atom = 0xC000; atom <= 0xFFFF; ++atom)
    if (GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name)) ++n;
  return n;
}

// Atoms are counted per name: a name added again only gains a reference, so
// a leak shows as references still held once the windows are all gone.
// A name that is also a window class ("ListBox") shares the class's atom,
// whose references are not ours to count or take: those names are left out.
BOOL CALLBACK CollectName(HWND wnd, LPARAM names) {
  auto atom =
      static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(wnd, hopvox::query::kNameProperty)));
  char name[256];
  WNDCLASSA wc;
  if (atom && GlobalGetAtomNameA(atom, name, sizeof name) && !GetClassInfoA(nullptr, name, &wc) &&
      !GetClassInfoA(GetModuleHandleA(nullptr), name, &wc))
    reinterpret_cast<std::vector<ATOM>*>(names)->push_back(atom);
  return TRUE;
}

std::vector<ATOM> NameAtomsOf(HWND form) {
  std::vector<ATOM> names;
  CollectName(form, reinterpret_cast<LPARAM>(&names));
  EnumChildWindows(form, CollectName, reinterpret_cast<LPARAM>(&names));
  return names;
}

// Takes away every reference to these atoms (they are global and would
// outlive us) and says how many there were.
long DrainAtoms(const std::vector<ATOM>& atoms) {
  long refs = 0;
  char name[256];
  for (ATOM atom : atoms)
    while (GlobalGetAtomNameA(atom, name, sizeof name) && refs < 100000000) {
      GlobalDeleteAtom(atom);
      ++refs;
    }
  return refs;
}

// Wine answers the two counting calls with 0; there we count by probing:
// kernel handles are small multiples of 4, and Wine takes a GDI handle's table
// index alone (without its generation) as the handle.
DWORD KernelHandleCount() {
  DWORD n = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &n) && n) return n;
  DWORD flags;
  for (ULONG_PTR h = 4; h < 0x10000; h += 4)
    if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++n;
  return n;
}

DWORD GdiObjectCount() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  DWORD n = 0;
  for (ULONG_PTR h = 1; h < 0x10000; ++h)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) ++n;
  return n;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowTree(HWND wnd, LPARAM count) {
  CountWindow(wnd, count);
  EnumChildWindows(wnd, CountWindow, count);  // every descendant, not just the children
  return TRUE;
}

// USER objects: the windows of this thread, children included.
DWORD UserObjectCount() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
  DWORD n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&n));
  return n;
}

Counts Measure() {
  Counts c;
  c.handles = KernelHandleCount();
  c.gdi = GdiObjectCount();
  c.user = UserObjectCount();
  c.atoms = GlobalAtomCount();
  return c;
}

void Report(const char* phase, const Counts& before, const Counts& after) {
  std::printf(
      "%-22s handles %5lu -> %5lu   GDI %5lu -> %5lu   USER %5lu -> %5lu   atoms %5d -> %5d\n",
      phase, before.handles, after.handles, before.gdi, after.gdi, before.user, after.user,
      before.atoms, after.atoms);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::unique_ptr<hopvox::TForm1> StartForm() {
  auto form = std::make_unique<hopvox::TForm1>();
  form->FormCreate();
  ShowWindow(form->Handle(), SW_SHOW);
  Pump();
  return form;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace hopvox;
  const int starts = argc > 1 ? std::atoi(argv[1]) : 200;
  const int ticks = argc > 2 ? std::atoi(argv[2]) : 100000;
  TApplication& app = Application();
  app.SetTitle("Hopvox XP soak");
  app.Handle();

  // The first start loads libraries and registers classes once for the
  // process, and tells us which atoms the window's names use.
  std::vector<ATOM> nameAtoms;
  {
    auto first = StartForm();
    nameAtoms = NameAtomsOf(first->Handle());
  }
  Pump();
  std::printf("%zu window names; atom references held before the soak (earlier runs): %ld\n",
              nameAtoms.size(), DrainAtoms(nameAtoms));
  const Counts beforeStarts = Measure();
  for (int i = 0; i < starts; ++i) {
    StartForm().reset();
    Pump();
  }
  Report((std::to_string(starts) + " starts").c_str(), beforeStarts, Measure());

  auto form = StartForm();
  int count = 0;
  TThreadedTimer& timer =
      form->noModifierTimer;  // polling without a modifier: every tick reads the keyboard
  const auto poll = timer.OnTimer;
  timer.OnTimer = [&] {
    poll();
    ++count;
  };
  timer.AllowZero = true;
  const Counts beforeTicks = Measure();
  const auto began = std::chrono::steady_clock::now();
  timer.SetInterval(0);
  timer.SetEnabled(true);
  MSG msg;
  while (count < ticks && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  timer.SetEnabled(false);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  Pump();
  Report((std::to_string(count) + " ticks").c_str(), beforeTicks, Measure());
  std::printf("%.1f ticks per second\n", count / seconds);
  form.reset();
  Pump();
  std::printf("name atom references left after %d more starts: %ld\n", starts + 1,
              DrainAtoms(nameAtoms));
  return 0;
}
