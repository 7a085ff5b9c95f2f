#pragma once
#include "framework/Window.h"

namespace hopvox {

// Horizontal track bar. OnChange runs whenever the position changes, by the
// user or from code.
class TTrackBar : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    int min = 0, max = 10, position = 0;
    int lineSize = 1, pageSize = 1;  // keyboard steps: arrow keys, page keys
    int frequency = 1;               // a tick mark every `frequency` positions
  };
  explicit TTrackBar(const Args& args);
  int Position() const;
  void SetPosition(int position);
  std::function<void()> OnChange;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  int last_;
};

}  // namespace hopvox
