#include "framework/Button.h"

namespace hopvox {

TButton::TButton(const Args& a) {
  CreateStandard("BUTTON", a.caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                 a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
}

void TButton::Click() {
  if (Enabled() && OnClick) OnClick();
}

}  // namespace hopvox
