#include "framework/Button.h"

namespace hopvox {

TButton::TButton(TWindow* parent, const std::string& caption, int left, int top, int width,
                 int height) {
  CreateStandard("BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                 parent, left, top, width, height);
}

void TButton::Click() {
  if (Enabled() && OnClick) OnClick();
}

}  // namespace hopvox
