#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr, "Hopvox", "Hopvox XP", MB_OK);
  return 0;
}
