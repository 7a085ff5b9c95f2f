#pragma once
#include "framework/Window.h"

namespace hopvox {

// Push button; OnClick on every click.
class TButton : public TWindow {
 public:
  TButton(TWindow* parent, const std::string& caption, int left, int top, int width, int height);
  // Same as a user click.
  void Click();
};

}  // namespace hopvox
