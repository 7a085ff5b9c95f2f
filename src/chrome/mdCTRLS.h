#pragma once
// Page controls whose pages paint the theme's tab-body texture when visual
// styles are on, and the guard component that marks a form as themed.
#include <stdexcept>

#include "framework/Form.h"
#include "framework/PageControl.h"

namespace hopvox {

class TXPThemeAPI {
 public:
  // Throws when the owner is not a form or already has one.
  explicit TXPThemeAPI(TWindow* owner);
  ~TXPThemeAPI();
  TXPThemeAPI(const TXPThemeAPI&) = delete;
  TXPThemeAPI& operator=(const TXPThemeAPI&) = delete;

 private:
  TWindow* owner_;
};

class TXPPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;
};

class TXPTabSheet : public TTabSheet {
 public:
  using TTabSheet::TTabSheet;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void PaintBackground(HDC dc) override;
};

// Draws the theme's tab body over the window's client area; false (nothing
// drawn) when themes are off or the theme has no tab class.
bool DrawThemedTabBody(HWND window, HDC dc);

}  // namespace hopvox
