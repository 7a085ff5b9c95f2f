// The system-menu entry of a title-bar button.
#include "chrome/CaptionButton.h"
#include "chrome/logic/SystemMenuPlan.h"

namespace hopvox {

TSystemMenu::~TSystemMenu() { Remove(); }

void TSystemMenu::SetApplyToMenu(bool v) {
  if (v == applyToMenu_) return;
  Remove();
  applyToMenu_ = v;
  Insert();
}

void TSystemMenu::SetCaption(const std::string& v) {
  if (v == caption_) return;
  Remove();
  caption_ = v;
  Insert();
}

void TSystemMenu::SetPosition(std::uint16_t v) {
  if (v == position_) return;
  Remove();
  position_ = v;
  Insert();
}

void TSystemMenu::SetSeparators(TMenuSeparators v) {
  if (v == separators_) return;
  Remove();
  separators_ = v;
  Insert();
}

void TSystemMenu::Insert() {
  if (!applyToMenu_) return;
  HMENU menu = button_.GetSystemMenuHandle();
  if (!menu) return;
  const int id = button_.CommandId();
  std::string text = caption_.empty() ? button_.Hint() : caption_;
  const auto plan = PlanSystemMenuEntry(GetMenuItemCount(menu), position_, id,
                                        separators_ & seBefore, separators_ & seAfter);
  for (const auto& step : plan) {
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STATE | MIIM_ID | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
    mi.fState = MFS_DEFAULT;
    mi.wID = static_cast<UINT>(step.id);
    if (step.separator) {
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fType = MFT_STRING;
      mi.dwTypeData = text.data();
      mi.cch = static_cast<UINT>(text.size());
      if (button_.PopupMenu()) {
        mi.fMask |= MIIM_SUBMENU;
        submenu_.reset(CreatePopupMenu());
        RefreshSubmenu();
        mi.hSubMenu = submenu_.get();
      }
    }
    InsertMenuItemA(menu, static_cast<UINT>(step.index), TRUE, &mi);
  }
  EnableMenuItem(menu, id, MF_BYCOMMAND | (button_.Enabled() ? MF_ENABLED : MF_GRAYED));
  inserted_ = true;
  SetCheck(button_.Down());
}

void TSystemMenu::Remove() {
  if (!inserted_) return;
  if (HMENU menu = button_.GetSystemMenuHandle())
    for (int id :
         SystemMenuEntryIds(button_.CommandId(), separators_ & seBefore, separators_ & seAfter))
      DeleteMenu(menu, static_cast<UINT>(id), MF_BYCOMMAND);  // also destroys the submenu
  submenu_.release();
  inserted_ = false;
}

void TSystemMenu::RefreshSubmenu() {
  if (submenu_ && button_.PopupMenu()) button_.PopupMenu()->Fill(submenu_.get());
}

void TSystemMenu::SetCheck(bool checked) {
  if (!inserted_) return;
  if (HMENU menu = button_.GetSystemMenuHandle())
    CheckMenuItem(menu, button_.CommandId(), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool DispatchPopupCommand(TPopupMenu& menu, UINT id) {
  // Items carry their index + 1 as command, as in TPopupMenu::Popup.
  if (id == 0 || id > menu.Items.size()) return false;
  auto& item = menu.Items[id - 1];
  if (!item.OnClick || !item.Enabled) return false;
  item.OnClick();
  return true;
}

}  // namespace hopvox
