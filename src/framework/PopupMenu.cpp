#include "framework/PopupMenu.h"

namespace hopvox {

TMenuItem* TPopupMenu::Find(const std::string& name) {
  for (auto& item : Items)
    if (item.Name == name) return &item;
  return nullptr;
}

void TPopupMenu::Fill(HMENU menu) const {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  SetMenuDefaultItem(menu, static_cast<UINT>(-1), FALSE);
  for (size_t i = 0; i < Items.size(); ++i) {
    const TMenuItem& item = Items[i];
    if (item.Caption.empty() || item.Caption == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item.Checked ? MF_CHECKED : 0) | (item.Enabled ? 0 : MF_GRAYED);
    AppendMenuA(menu, flags, i + 1, item.Caption.c_str());
    if (item.Default) SetMenuDefaultItem(menu, static_cast<UINT>(i + 1), FALSE);
  }
}

void TPopupMenu::Popup(HWND owner, int x, int y) {
  UniqueMenu menu(CreatePopupMenu());
  Fill(menu.get());
  // The owner must be foreground or the menu does not close on a click elsewhere.
  SetForegroundWindow(owner);
  UINT chosen =
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen > 0 && chosen <= Items.size() && Items[chosen - 1].OnClick)
    Items[chosen - 1].OnClick();
}

}  // namespace hopvox
