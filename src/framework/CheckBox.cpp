#include "framework/CheckBox.h"

namespace hopvox {

TCheckBox::TCheckBox(TWindow* parent, const std::string& caption, int left, int top, int width,
                     int height, bool checked) {
  CreateStandard("BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0,
                 parent, left, top, width, height);
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
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
