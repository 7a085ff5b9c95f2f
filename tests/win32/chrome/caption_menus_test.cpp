// What hangs on a title-bar button: its popup menu, its system-menu entry
// and its tooltip.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "OneCaptionButton.h"

namespace hopvox {
namespace {

class CaptionMenus : public test::OneCaptionButton {
 protected:
  void Prepare(TCaptionButton& button) override {
    button.SetHint("Tip");
    button.SetSeparatorWidth(2);
  }
  void SetUp() override { Make(); }
  LPARAM PointOn() {
    POINT pt{button_->ButtonRect().left + 4, -4};
    ClientToScreen(window_, &pt);
    return test::ScreenPoint(pt.x, pt.y);
  }
  void Press() {
    const LPARAM at = PointOn();
    ASSERT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, at), button_->CommandId());
    SendMessageA(window_, WM_NCLBUTTONDOWN, button_->CommandId(), at);
  }
  std::string Tool(RECT* rect = nullptr) {
    return test::ToolText(CaptionTooltipWindow(), window_, button_->ToolId(), rect);
  }
  bool ToolShows() {
    RECT r{};
    const std::string text = Tool(&r);
    return !text.empty() && !IsRectEmpty(&r);
  }
  // Registered, but with no area to show in.
  bool ToolHidden() {
    RECT r{1, 1, 2, 2};
    Tool(&r);
    return IsRectEmpty(&r);
  }
};

// While the popup menu is open, the thread timer looks at it and closes it.
struct OpenMenu {
  static inline OpenMenu* current = nullptr;
  RECT rect{};
  bool seen = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!current || !menu || !IsWindowVisible(menu)) return;
    if (!current->seen) {
      current->seen = true;
      GetWindowRect(menu, &current->rect);
    }
    EndMenu();
  }
};

TEST_F(CaptionMenus, PopupMenuOpensUnderTheButtonAndItsItemsWorkFromTheSystemMenu) {
  std::vector<int> ran;
  TPopupMenu popup;
  for (int i : {1, 2}) {
    TMenuItem item;
    item.Caption = "Item " + std::to_string(i);
    item.OnClick = [&ran, i] { ran.push_back(i); };
    popup.Items.push_back(item);
  }
  int clicks = 0, menuClicks = 0;
  button_->OnButtonClick = [&](TCustomCaptionButton&) { ++clicks; };
  button_->OnMenuClick = [&](TCustomCaptionButton&) { ++menuClicks; };
  button_->SetPopupMenu(&popup);

  OpenMenu open;
  OpenMenu::current = &open;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, OpenMenu::Tick);
  Press();
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);  // opens the menu and returns once it closed
  KillTimer(nullptr, timer);
  OpenMenu::current = nullptr;
  ASSERT_TRUE(open.seen);
  EXPECT_EQ(clicks, 1);
  POINT anchor{button_->ButtonRect().left + 2, -2};
  ClientToScreen(window_, &anchor);
  EXPECT_EQ(open.rect.left, anchor.x);
  EXPECT_EQ(open.rect.top, anchor.y);
  EXPECT_TRUE(ran.empty());

  // Once closed, the button takes presses again.
  Press();
  EXPECT_TRUE(button_->DrawnPressed());
  button_->SetPopupMenu(nullptr);
  SendMessageA(window_, WM_NCLBUTTONUP, HTCAPTION, 0);
  button_->SetPopupMenu(&popup);

  // The items' commands through the system menu run the items, and the
  // button's own command does nothing more.
  SendMessageA(window_, WM_SYSCOMMAND, 2, 0);
  EXPECT_EQ(ran, std::vector<int>{2});
  SendMessageA(window_, WM_SYSCOMMAND, button_->CommandId(), 0);
  EXPECT_EQ(menuClicks, 0);
  button_->SetPopupMenu(nullptr);
}

TEST_F(CaptionMenus, PointerOverTheButtonAndWhilePressed) {
  const HCURSOR hand = LoadCursor(nullptr, IDC_HAND), cross = LoadCursor(nullptr, IDC_CROSS);
  button_->SetCursor(hand);
  button_->SetCursorDown(cross);
  const LPARAM over = MAKELPARAM(button_->CommandId(), WM_MOUSEMOVE);
  const WPARAM self = reinterpret_cast<WPARAM>(window_);
  SetCursor(nullptr);
  EXPECT_TRUE(SendMessageA(window_, WM_SETCURSOR, self, over));
  EXPECT_EQ(GetCursor(), hand);
  Press();
  EXPECT_EQ(GetCursor(), cross) << "on the press";
  SetCursor(nullptr);
  SendMessageA(window_, WM_SETCURSOR, self, over);
  EXPECT_EQ(GetCursor(), cross) << "while drawn pressed";
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  SendMessageA(window_, WM_SETCURSOR, self, over);
  EXPECT_EQ(GetCursor(), hand);
}

TEST_F(CaptionMenus, SystemMenuSeparatorsAndAPositionPastTheEnd) {
  HMENU menu = GetSystemMenu(window_, FALSE);
  const UINT c = static_cast<UINT>(button_->CommandId());
  auto at = [&](int i) { return GetMenuItemID(menu, i); };
  auto separator = [&](UINT id) {
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    return GetMenuItemInfoA(menu, id, FALSE, &mi) && (mi.fType & MFT_SEPARATOR);
  };
  const int n = GetMenuItemCount(menu);
  button_->SystemMenu().SetPosition(2);
  button_->SystemMenu().SetSeparators(seBefore | seAfter);
  button_->SystemMenu().SetApplyToMenu(true);
  EXPECT_EQ(at(2), c + 1000);
  EXPECT_EQ(at(3), c);
  EXPECT_EQ(at(4), c + 2000);
  EXPECT_TRUE(separator(c + 1000));
  EXPECT_TRUE(separator(c + 2000));
  char text[32] = {};
  GetMenuStringA(menu, c, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Tip") << "no caption: the hint";

  button_->SystemMenu().SetSeparators(seAfter);
  EXPECT_EQ(at(2), c);
  EXPECT_EQ(at(3), c + 2000);
  EXPECT_EQ(GetMenuItemCount(menu), n + 2);

  button_->SystemMenu().SetPosition(500);
  EXPECT_EQ(at(n), c) << "past the end: appended";
  EXPECT_EQ(at(n + 1), c + 2000);

  button_->SystemMenu().SetApplyToMenu(false);
  EXPECT_EQ(GetMenuItemCount(menu), n);
}

TEST_F(CaptionMenus, TooltipHiddenWithoutHintAndAddedAgainOnRehook) {
  ASSERT_TRUE(ToolShows());
  button_->SetShowHint(false);
  EXPECT_TRUE(ToolHidden()) << "hints off";
  button_->SetShowHint(true);
  ASSERT_TRUE(ToolShows());
  button_->SetHint("");
  EXPECT_TRUE(ToolHidden()) << "empty hint";
  button_->SetHint("Tip");
  ASSERT_TRUE(ToolShows());
  button_->SetVisible(false);
  EXPECT_TRUE(ToolHidden()) << "invisible";
  button_->SetVisible(true);
  button_->Repaint();
  ASSERT_TRUE(ToolShows());

  // A new handle for the window: the tool comes back on it.
  HWND old = window_;
  const unsigned oldId = button_->ToolId();
  window_ = test::MakeWindow();
  DestroyWindow(old);
  test::PumpPending();  // the rehook request
  ASSERT_EQ(button_->HookedWindow(), window_);
  EXPECT_TRUE(button_->ToolAdded());
  EXPECT_NE(button_->ToolId(), oldId);
  EXPECT_EQ(test::ToolText(CaptionTooltipWindow(), old, oldId), "")
      << "the old handle's tool stays";
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  test::PumpPending();
  EXPECT_TRUE(ToolShows()) << "on the new handle";
}

}  // namespace
}  // namespace hopvox
