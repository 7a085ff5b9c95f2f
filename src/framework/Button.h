#pragma once
#include "framework/Window.h"

namespace hopvox {

// Push button; OnClick on every click.
class TButton : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    std::string caption{};
    TBounds bounds{};
  };
  explicit TButton(const Args& args);
  // Same as a user click.
  void Click();
  bool KeyClick() override {
    Click();
    return true;
  }
};

}  // namespace hopvox
