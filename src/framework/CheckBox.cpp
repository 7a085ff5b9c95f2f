#include "framework/CheckBox.h"

namespace hopvox {

TCheckBox::TCheckBox(const Args& a) {
  CreateStandard("BUTTON", a.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0,
                 a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  SendMessageA(Handle(), BM_SETCHECK, a.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool on) {
  if (Checked() == on) return;
  SendMessageA(Handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick();
}

bool TCheckBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    SetChecked(!Checked());
    return true;
  }
  return false;
}

}  // namespace hopvox
