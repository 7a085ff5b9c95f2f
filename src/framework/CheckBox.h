#pragma once
#include "framework/Window.h"

namespace hopvox {

// Check box. Setting the check from code runs OnClick when the state changes,
// exactly as a user click does.
class TCheckBox : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    std::string caption{};
    TBounds bounds{};
    bool checked = false;
  };
  explicit TCheckBox(const Args& args);
  bool Checked() const;
  void SetChecked(bool on);
  bool KeyClick() override {
    SetChecked(!Checked());
    return true;
  }

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
