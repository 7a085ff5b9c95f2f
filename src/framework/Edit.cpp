#include "framework/Edit.h"

namespace hopvox {

TEdit::TEdit(const Args& a) {
  CreateStandard("EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                 a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
}

void TEdit::SetPasswordChar(char c) {
  // Set explicitly: the themed edit control's own default is a dot, not the
  // character asked for.
  SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(c), 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

bool TEdit::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE && OnChange) {
    OnChange();
    return true;
  }
  return false;
}

}  // namespace hopvox
