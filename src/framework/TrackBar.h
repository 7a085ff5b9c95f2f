#pragma once
#include "framework/Window.h"

namespace hopvox {

// Horizontal track bar. OnChange runs whenever the position changes, by the
// user or from code.
class TTrackBar : public TWindow {
 public:
  TTrackBar(TWindow* parent, int left, int top, int width, int height, int min, int max,
            int position, int lineSize, int pageSize, int frequency);
  int Position() const;
  void SetPosition(int position);
  std::function<void()> OnChange;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  int last_;
};

}  // namespace hopvox
