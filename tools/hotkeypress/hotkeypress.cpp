// hotkeypress.exe: plays "another program" for the headless demonstration of
// scripts/run. It waits for the Hopvox window, opens a window of its own,
// takes the focus from Hopvox, and presses a key while holding a modifier, as
// a player would in a game:
//   hotkeypress MODIFIER_VK KEY_VK
// Keys go in with SendInput, virtual key and scan code together, which is how
// they reach DirectInput and the key state Hopvox reads.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof in);
}

// Lets the window paint and take the focus while time passes.
void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: hotkeypress MODIFIER_VK KEY_VK\n");
    return 2;
  }
  const auto modifier = static_cast<WORD>(std::atoi(argv[1]));
  const auto key = static_cast<WORD>(std::atoi(argv[2]));
  HWND hopvox = nullptr;
  for (int i = 0; i < 300 && !(hopvox && IsWindowVisible(hopvox)); ++i, Sleep(100))
    hopvox = FindWindowA(nullptr, "Hopvox v1.6 XP");
  if (!hopvox) {
    std::fprintf(stderr, "hotkeypress: no Hopvox window\n");
    return 1;
  }
  HWND wnd = CreateWindowExA(0, "EDIT", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 420,
                             300, 300, 160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(wnd);
  SetFocus(wnd);
  Pump(500);
  if (GetForegroundWindow() != wnd) {
    std::fprintf(stderr, "hotkeypress: could not take the focus\n");
    return 1;
  }
  if (modifier) Key(modifier, true);
  Pump(60);
  Key(key, true);
  // Held a little longer than one polling interval of the demo's settings.
  Pump(80);
  Key(key, false);
  if (modifier) Key(modifier, false);
  Pump(300);
  DestroyWindow(wnd);
  return 0;
}
