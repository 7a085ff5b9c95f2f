#pragma once
#include "framework/Window.h"

namespace hopvox {

// Single-line text box.
class TEdit : public TWindow {
 public:
  TEdit(TWindow* parent, int left, int top, int width, int height);
  // Shows every character as `c`; 0 shows the text itself.
  void SetPasswordChar(char c);
  std::function<void()> OnChange;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
