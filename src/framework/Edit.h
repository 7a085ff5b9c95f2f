#pragma once
#include "framework/Window.h"

namespace hopvox {

// Single-line text box.
class TEdit : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
  };
  explicit TEdit(const Args& args);
  // Shows every character as `c`; 0 shows the text itself.
  void SetPasswordChar(char c);
  void SelectAll();
  std::function<void()> OnChange;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
