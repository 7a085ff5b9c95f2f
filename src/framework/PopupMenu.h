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
  std::function<void()> OnClick;
};

class TPopupMenu {
 public:
  std::vector<TMenuItem> Items;
  TMenuItem* Find(const std::string& name);
  // Shows the menu at a screen point for `owner` and runs the chosen item.
  void Popup(HWND owner, int x, int y);
};

}  // namespace hopvox
