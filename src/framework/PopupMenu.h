#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/Handles.h"

namespace hopvox {

// A popup menu of captioned items (an empty caption or "-" is a separator).
struct TMenuItem {
  std::string Name;
  std::string Caption;
  bool Checked = false;
  bool Enabled = true;
  bool Default = false;  // drawn bold; what a double click on a tray icon runs
  std::function<void()> OnClick;
};

class TPopupMenu {
 public:
  std::vector<TMenuItem> Items;
  // Off: the menu is not opened by the components that own it.
  bool AutoPopup = true;
  TMenuItem* Find(const std::string& name);
  // Makes `menu` show the items as they are now (each item's command is its
  // index + 1); whatever it held before goes.
  void Fill(HMENU menu) const;
  // Shows the menu at a screen point for `owner` and runs the chosen item.
  void Popup(HWND owner, int x, int y);
};

}  // namespace hopvox
