// The order of a title-bar button's click: BeforeButtonClick sees the press
// before Down changes, Down changes through its setter, and the button is
// painted up only after the click events.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ChromeTestWindow.h"
#include "chrome/CaptionButton.h"

namespace hopvox {
namespace {

class RecordingButton : public TCaptionButton {
 public:
  using TCaptionButton::TCaptionButton;
  std::vector<std::string> events;
  std::string State(const char* what) {
    return std::string(what) + " down=" + std::to_string(Down()) +
           " drawn=" + std::to_string(DrawnPressed());
  }

 protected:
  void BeforeButtonClick() override { events.push_back(State("before")); }
};

class PressOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeWindow();
    button_ = std::make_unique<RecordingButton>([this] { return window_; });
    button_->SetBtnOrder(0);
    button_->OnPressed = [this](TCustomCaptionButton&) {
      button_->events.push_back(button_->State("pressed"));
    };
    button_->OnReleased = [this](TCustomCaptionButton&) {
      button_->events.push_back(button_->State("released"));
    };
    button_->OnButtonClick = [this](TCustomCaptionButton&) {
      button_->events.push_back(button_->State("click"));
    };
    button_->Loaded();
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    test::PumpPending();
  }
  void TearDown() override {
    button_.reset();
    DestroyWindow(window_);
    test::PumpPending();
  }
  void Press() {
    button_->Repaint();
    POINT pt{button_->ButtonRect().left + 4, -4};
    ClientToScreen(window_, &pt);
    const LPARAM at = test::ScreenPoint(pt.x, pt.y);
    ASSERT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, at), button_->CommandId());
    SendMessageA(window_, WM_NCLBUTTONDOWN, button_->CommandId(), at);
  }
  void Release() { SendMessageA(window_, WM_LBUTTONUP, 0, 0); }
  void Click() {
    Press();
    Release();
  }
  HWND window_ = nullptr;
  std::unique_ptr<RecordingButton> button_;
};

TEST_F(PressOrder, APlainButtonIsPaintedUpAfterItsClick) {
  Click();
  EXPECT_EQ(button_->events,
            (std::vector<std::string>{"before down=0 drawn=1", "click down=0 drawn=1"}));
  EXPECT_FALSE(button_->DrawnPressed());
}

TEST_F(PressOrder, AToggleFlipsDownAfterBeforeButtonClick) {
  button_->SetAllowPress(true);
  button_->SetDown(true);
  Click();
  EXPECT_EQ(button_->events,
            (std::vector<std::string>{"before down=1 drawn=1", "released down=0 drawn=0",
                                      "click down=0 drawn=0"}));
  button_->events.clear();
  Click();
  EXPECT_EQ(button_->events,
            (std::vector<std::string>{"before down=0 drawn=1", "pressed down=1 drawn=1",
                                      "click down=1 drawn=1"}));
}

TEST_F(PressOrder, ARepaintBetweenPressAndReleaseKeepsTheClick) {
  Press();
  // What the caption paint of an activated window asks for mid-press.
  SendMessageA(button_->MessageWindow(), kRepaintRequestMessage, 0, 0);
  EXPECT_TRUE(button_->DrawnPressed());
  Release();
  EXPECT_EQ(button_->events,
            (std::vector<std::string>{"before down=0 drawn=1", "click down=0 drawn=1"}));
}

TEST_F(PressOrder, ACaptureTakenByAnotherWindowEndsThePressWithoutAClick) {
  Press();
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  SetCapture(other);
  EXPECT_FALSE(button_->DrawnPressed());
  ReleaseCapture();
  DestroyWindow(other);
  Release();
  EXPECT_TRUE(button_->events.empty());
}

TEST_F(PressOrder, TurningAllowPressOffLiftsTheButtonAndItsCheckMark) {
  button_->SystemMenu().SetApplyToMenu(true);
  button_->SetAllowPress(true);
  button_->SetDown(true);
  HMENU menu = GetSystemMenu(window_, FALSE);
  ASSERT_TRUE(GetMenuState(menu, button_->CommandId(), MF_BYCOMMAND) & MF_CHECKED);
  button_->SetAllowPress(false);
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(button_->DrawnPressed());
  EXPECT_FALSE(GetMenuState(menu, button_->CommandId(), MF_BYCOMMAND) & MF_CHECKED);
}

}  // namespace
}  // namespace hopvox
