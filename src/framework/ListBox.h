#pragma once
#include <vector>

#include "framework/Window.h"

namespace hopvox {

// List box with sorted items and extended (multiple) selection, or one
// selected item at a time when `multiSelect` is false.
class TListBox : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    bool sorted = true;
    bool multiSelect = true;
  };
  explicit TListBox(const Args& args);
  int Count() const;
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void SetItems(const std::vector<std::string>& items);
  int Add(const std::string& item);
  void Remove(int index);
  void Clear();
  int IndexOf(const std::string& item) const;  // exact text, -1 when absent
  bool Selected(int index) const;
  int SelCount() const;
  int ItemIndex() const;              // the item with the caret, -1 when empty
  int ItemAtPos(int x, int y) const;  // -1 when the point is on no item

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace hopvox
