#include "driver/Keyboard.h"

#include "framework/logic/QueryProtocol.h"

namespace e2e {

std::string FocusName(const HopvoxRun& run) {
  HWND focus = run.FocusedWindow();
  auto atom =
      static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(focus, hopvox::query::kNameProperty)));
  char name[256];
  return focus && atom && GlobalGetAtomNameA(atom, name, sizeof name) ? name : "";
}

std::string Press(const HopvoxRun& run, WORD vk, std::initializer_list<WORD> held) {
  const HWND before = run.FocusedWindow();
  for (WORD m : held) KeyDown(m);
  Tap(vk, 60);
  for (WORD m : held) KeyUp(m);
  WaitFor([&] { return run.FocusedWindow() != before; }, std::chrono::seconds(2));
  run.Settle();
  return FocusName(run);
}

bool Type(const HopvoxRun& run, const std::string& box, const std::string& text) {
  for (char c : text) Tap(c == '.' ? VK_OEM_PERIOD : static_cast<WORD>(c), 30);
  return WaitFor([&] { return run.Text(box).ends_with(text); });
}

bool AwayAndBack(const HopvoxRun& run) {
  {
    FocusThief other;
    if (!WaitFor([&] { return run.FocusedWindow() == nullptr; })) return false;
  }
  run.ClickAt("TabSheet4", 3, 3);
  return WaitFor([&] { return GetForegroundWindow() == run.Form(); });
}

}  // namespace e2e
