#include "framework/Edit.h"

namespace hopvox {

TEdit::TEdit(TWindow* parent, int left, int top, int width, int height, bool password) {
  CreateStandard("EDIT", "",
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (password ? ES_PASSWORD : 0),
                 WS_EX_CLIENTEDGE, parent, left, top, width, height);
}

bool TEdit::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE && OnChange) {
    OnChange();
    return true;
  }
  return false;
}

}  // namespace hopvox
