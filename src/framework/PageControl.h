#pragma once
#include <vector>

#include "framework/Window.h"

namespace hopvox {

class TPageControl;

// One page of a page control: a container shown while its tab is selected.
class TTabSheet : public TWindow {
 public:
  TTabSheet(TPageControl* pages, const std::string& caption);
  const std::string& Caption() const { return caption_; }
  TPageControl* PageControl() const { return pages_; }
  // Runs when the page becomes the visible one.
  std::function<void()> OnShow;

 protected:
  TPageControl* pages_;
  std::string caption_;
};

// A tab control with its pages.
class TPageControl : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    bool multiLine = false;  // the tabs wrap into further rows instead of scrolling
  };
  explicit TPageControl(const Args& args);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const;
  int ActivePageIndex() const;
  // Shows the page; runs its OnShow only when it was not already shown.
  void SetActivePage(TTabSheet* page);
  RECT DisplayRect() const;

 protected:
  bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  std::vector<TTabSheet*> pages_;
  int active_ = -1;
};

}  // namespace hopvox
