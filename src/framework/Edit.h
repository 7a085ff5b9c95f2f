#pragma once
#include "framework/Window.h"

namespace hopvox {

// Single-line text box.
class TEdit : public TWindow {
 public:
  TEdit(TWindow* parent, int left, int top, int width, int height, bool password = false);
  std::function<void()> OnChange;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
