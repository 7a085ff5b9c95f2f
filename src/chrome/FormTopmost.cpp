#include "chrome/FormTopmost.h"

namespace hopvox {

TFormTopmost::TFormTopmost(OwnerHandle owner) : TCustomCaptionButton(std::move(owner)) {
  SetAllowPress(true);
  up_.reset(LoadGlyph("CB_TOPMOST_UP"));
  down_.reset(LoadGlyph("CB_TOPMOST_DOWN"));
  SetGlyph(up_.get());
  SetGlyphDown(down_.get());
  SetHint("Always on top");
  SystemMenu().SetCaption("Always on &top");
  if (HMENU menu = GetSystemMenuHandle())
    SystemMenu().SetPosition(static_cast<std::uint16_t>(GetMenuItemCount(menu)));
  SystemMenu().SetSeparators(seBefore);
  SystemMenu().SetApplyToMenu(true);
  Repaint();
}

void TFormTopmost::Loaded() {
  TCustomCaptionButton::Loaded();
  SetDown(Topmost());
}

void TFormTopmost::Click() {
  TCustomCaptionButton::Click();
  SetTopmost(Down());
}

void TFormTopmost::AfterMessage(TcbMessage& m) {
  TCustomCaptionButton::AfterMessage(m);
  if (m.msg == kTopmostNotifyMessage) {
    const bool on = m.wParam != 0;
    SetDown(on);
    if (OnTopmostChanged) OnTopmostChanged(*this, on);
  }
}

}  // namespace hopvox
