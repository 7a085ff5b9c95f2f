#pragma once
#include <memory>
#include <vector>

#include "framework/Panel.h"
#include "framework/RadioButton.h"

namespace hopvox {

// A framed group of radio buttons with one selected item (or none, -1).
// Changing the selection, by a click or from code, runs OnClick.
class TRadioGroup : public TPanel {
 public:
  struct Args {
    TWindow* parent = nullptr;
    std::string caption{};
    TBounds bounds{};
    std::vector<std::string> items{};
  };
  explicit TRadioGroup(const Args& args);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  TRadioButton& Button(int index) { return *buttons_.at(static_cast<size_t>(index)); }

 protected:
  void PaintBackground(HDC dc) override;

 private:
  std::string caption_;
  std::vector<std::unique_ptr<TRadioButton>> buttons_;
  int itemIndex_ = -1;
};

}  // namespace hopvox
