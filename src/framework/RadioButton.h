#pragma once
#include "framework/Window.h"

namespace hopvox {

// Radio button; the buttons with the same parent form one group. Checking one
// (by a click or from code) unchecks the others and runs its OnClick when it
// was not checked before.
class TRadioButton : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    std::string caption{};
    TBounds bounds{};
  };
  explicit TRadioButton(const Args& args);
  bool Checked() const;
  void SetChecked(bool on);

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
