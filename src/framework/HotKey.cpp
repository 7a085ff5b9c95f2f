#include "framework/HotKey.h"

#include <commctrl.h>

#include "framework/logic/QueryProtocol.h"

namespace hopvox {

static_assert(query::kBoxShift == HOTKEYF_SHIFT && query::kBoxCtrl == HOTKEYF_CONTROL &&
              query::kBoxExtended == HOTKEYF_EXT && query::kBoxAlt == HOTKEYF_ALT);

THotKey::THotKey(const Args& a) {
  // No tab stop: a box is entered by a click, which clears it and offers its
  // Accept; a keyboard tour typing into it would leave a key shown but never
  // offered for storing. Tab leaves the box as in any dialog: the system's box
  // keeps no Tab as a key (it empties itself on one). Every other key goes to it.
  CreateStandard(HOTKEY_CLASSA, "", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, a.parent,
                 a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  SendMessageA(Handle(), HKM_SETRULES,
               HKCOMB_A | HKCOMB_C | HKCOMB_CA | HKCOMB_S | HKCOMB_SA | HKCOMB_SC | HKCOMB_SCA, 0);
  SetHotKey(a.code);
}

int THotKey::HotKey() const {
  return query::HotKeyCodeOf(LOWORD(SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0)));
}

void THotKey::SetHotKey(int code) {
  // Values outside a word (such as -1 for "no key stored") leave the box empty.
  if (code < 0 || code > 0xFFFF) code = 0;
  SendMessageA(Handle(), HKM_SETHOTKEY, query::BoxWordOf(code), 0);
}

}  // namespace hopvox
