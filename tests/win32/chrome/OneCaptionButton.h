#pragma once
// A test window with one title-bar button, shown and drawn with it before a
// test looks; `Prepare` sets the button up before it is loaded.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "ChromeTestWindow.h"
#include "chrome/CaptionButton.h"

namespace hopvox::test {

class OneCaptionButton : public ::testing::Test {
 protected:
  virtual void Prepare(TCaptionButton&) {}
  void Make(DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, DWORD exStyle = 0) {
    window_ = MakeWindow(style, 400, 300, exStyle);
    button_ = std::make_unique<TCaptionButton>([this] { return window_; });
    Prepare(*button_);
    button_->Loaded();
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    button_->Repaint();
  }
  void TearDown() override {
    button_.reset();
    if (window_) DestroyWindow(window_);
    PumpPending();
  }

  HWND window_ = nullptr;
  std::unique_ptr<TCaptionButton> button_;
};

}  // namespace hopvox::test
