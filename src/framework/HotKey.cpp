#include "framework/HotKey.h"

#include <commctrl.h>

namespace hopvox {

THotKey::THotKey(TWindow* parent, int left, int top, int width, int height, int code) {
  CreateStandard(HOTKEY_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE, parent,
                 left, top, width, height);
  SendMessageA(Handle(), HKM_SETRULES,
               HKCOMB_A | HKCOMB_C | HKCOMB_CA | HKCOMB_S | HKCOMB_SA | HKCOMB_SC | HKCOMB_SCA, 0);
  SetHotKey(code);
}

int THotKey::HotKey() const {
  LRESULT r = SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0);
  int code = LOBYTE(LOWORD(r));
  int mods = HIBYTE(LOWORD(r));
  if (mods & HOTKEYF_SHIFT) code |= 0x2000;
  if (mods & HOTKEYF_CONTROL) code |= 0x4000;
  if (mods & HOTKEYF_ALT) code |= 0x8000;
  return code;
}

void THotKey::SetHotKey(int code) {
  // Values outside a word (such as -1 for "no key stored") leave the box empty.
  if (code < 0 || code > 0xFFFF) code = 0;
  int mods = 0;
  if (code & 0x2000) mods |= HOTKEYF_SHIFT;
  if (code & 0x4000) mods |= HOTKEYF_CONTROL;
  if (code & 0x8000) mods |= HOTKEYF_ALT;
  SendMessageA(Handle(), HKM_SETHOTKEY, MAKEWORD(code & 0xFF, mods), 0);
}

}  // namespace hopvox
