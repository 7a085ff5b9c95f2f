#include "framework/RadioButton.h"

namespace hopvox {

TRadioButton::TRadioButton(const Args& a) {
  CreateStandard("BUTTON", a.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON,
                 0, a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
}

bool TRadioButton::Checked() const {
  return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool on) {
  if (Checked() == on) return;
  SendMessageA(Handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!on) return;
  for (HWND sib = GetWindow(GetParent(Handle()), GW_CHILD); sib;
       sib = GetWindow(sib, GW_HWNDNEXT)) {
    if (sib == Handle()) continue;
    if (auto* other = dynamic_cast<TRadioButton*>(TWindow::FromHandle(sib)))
      other->SetChecked(false);
  }
  if (OnClick) OnClick();
}

bool TRadioButton::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    SetChecked(true);
    return true;
  }
  return false;
}

}  // namespace hopvox
