#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>

#include "../SwapImport.h"
#include "ChromeTestWindow.h"
#include "chrome/CaptionButton.h"
#include "chrome/FormRoller.h"
#include "chrome/FormTopmost.h"
#include "chrome/FormTrayIcon.h"

namespace hopvox {
namespace {

using test::Trace;

// The main window's five buttons, created in the main window's order.
class CaptionButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    Trace().clear();
    window_ = test::MakeWindow();
    auto owner = [this] { return window_; };
    roller_ = std::make_unique<TFormRoller>(owner);
    tray_ = std::make_unique<TFormTrayIcon>(owner);
    topmost_ = std::make_unique<TFormTopmost>(owner);
    lock_ = std::make_unique<TCaptionButton>(owner);
    run_ = std::make_unique<TCaptionButton>(owner);

    roller_->CaptionButton().SetBtnOrder(2);
    roller_->CaptionButton().SetSeparatorWidth(2);
    roller_->SetAnimateSpeed(10);
    tray_->CaptionButton().SetBtnOrder(3);
    tray_->CaptionButton().SetSeparatorWidth(2);
    tray_->CaptionButton().SetHint("Minimize to system tray");
    topmost_->CaptionButton().SetBtnOrder(1);
    topmost_->CaptionButton().SetSeparatorWidth(2);
    topmost_->CaptionButton().SetHint("Stay on top");
    topmost_->SystemMenu().SetPosition(7);
    lock_->SetAllowPress(true);
    lock_->SetBtnOrder(4);
    lock_->SetDown(true);
    lock_->SetHint("Locked, no editing");
    lock_->SetSeparatorWidth(2);
    lock_->OnPressed = [](TCustomCaptionButton& b) { b.SetHint("Locked, no editing"); };
    lock_->OnReleased = [](TCustomCaptionButton& b) { b.SetHint("Unlocked for editing"); };
    run_->SetBtnOrder(0);
    run_->SetSeparatorWidth(2);
    run_->SetHint("Run Roger Wilco");
    run_->SetSign('R');
    run_->SystemMenu().SetApplyToMenu(true);
    run_->SystemMenu().SetCaption("Run Roger Wilco");
    run_->SystemMenu().SetPosition(8);
    for (TCustomCaptionButton* b : All()) b->Loaded();
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    test::PumpPending();
  }
  void TearDown() override {
    run_.reset();
    lock_.reset();
    topmost_.reset();
    tray_.reset();
    roller_.reset();
    DestroyWindow(window_);
    test::PumpPending();
  }
  std::vector<TCustomCaptionButton*> All() {
    return {roller_.get(), tray_.get(), topmost_.get(), lock_.get(), run_.get()};
  }
  // Screen point inside a button's title-bar area, as WM_NC* messages carry it.
  LPARAM PointOn(TCustomCaptionButton& b) {
    b.Repaint();
    POINT pt{b.ButtonRect().left + 4, -4};
    ClientToScreen(window_, &pt);
    return test::ScreenPoint(pt.x, pt.y);
  }
  void Press(TCustomCaptionButton& b) {
    const LPARAM at = PointOn(b);
    ASSERT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, at), b.CommandId());
    SendMessageA(window_, WM_NCLBUTTONDOWN, b.CommandId(), at);
  }
  std::string ToolText(TCustomCaptionButton& b, RECT* rect = nullptr) {
    return test::ToolText(CaptionTooltipWindow(), window_, b.ToolId(), rect);
  }
  std::string MenuText(HMENU m, int index) {
    char buf[128] = {};
    GetMenuStringA(m, index, buf, sizeof buf, MF_BYPOSITION);
    return buf;
  }

  HWND window_ = nullptr;
  std::unique_ptr<TFormRoller> roller_;
  std::unique_ptr<TFormTrayIcon> tray_;
  std::unique_ptr<TFormTopmost> topmost_;
  std::unique_ptr<TCaptionButton> lock_, run_;
};

TEST_F(CaptionButtons, OrderIdsAndLayout) {
  const int first = roller_->CommandId();
  EXPECT_EQ(tray_->CommandId(), first + 1);
  EXPECT_EQ(topmost_->CommandId(), first + 2);
  EXPECT_EQ(lock_->CommandId(), first + 3);
  EXPECT_EQ(run_->CommandId(), first + 4);
  const int s = GetSystemMetrics(SM_CXSIZE);
  std::vector<TCustomCaptionButton*> byOrder{run_.get(), topmost_.get(), roller_.get(), tray_.get(),
                                             lock_.get()};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(byOrder[i]->BtnOrder(), i);
    EXPECT_EQ(byOrder[i]->LayoutOffset(), (i + 1) * s + 2) << i;
  }
  tray_->CaptionButton().SetVisible(false);  // its slot goes to the buttons left of it
  EXPECT_EQ(lock_->LayoutOffset(), 4 * s + 2);
  lock_->SetBtnOrder(0);
  EXPECT_EQ(lock_->BtnOrder(), 0);
  EXPECT_EQ(run_->BtnOrder(), 1);
}

TEST_F(CaptionButtons, ADestroyedButtonsSlotGoesToTheButtonsLeftOfIt) {
  run_.reset();
  const int s = GetSystemMetrics(SM_CXSIZE);
  std::vector<TCustomCaptionButton*> byOrder{topmost_.get(), roller_.get(), tray_.get(),
                                             lock_.get()};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(byOrder[i]->BtnOrder(), i);
    EXPECT_EQ(byOrder[i]->LayoutOffset(), (i + 1) * s + 2) << i;
  }
}

TEST_F(CaptionButtons, SystemMenuEndsWithTheTwoEntries) {
  HMENU menu = GetSystemMenu(window_, FALSE);
  // Wine appends its own "About Wine" item after a separator; look from Close on.
  int close = -1;
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == SC_CLOSE) close = i;
  ASSERT_EQ(close, 6) << "the standard seven entries";
  EXPECT_EQ(GetMenuItemID(menu, close + 1), static_cast<UINT>(topmost_->CommandId() + 1000));
  EXPECT_EQ(GetMenuItemID(menu, close + 2), static_cast<UINT>(run_->CommandId()));
  EXPECT_EQ(MenuText(menu, close + 2), "Run Roger Wilco");
  EXPECT_EQ(GetMenuItemID(menu, close + 3), static_cast<UINT>(topmost_->CommandId()));
  EXPECT_EQ(MenuText(menu, close + 3), "Always on &top");

  run_->SetEnabled(false);
  EXPECT_TRUE(GetMenuState(menu, run_->CommandId(), MF_BYCOMMAND) & MF_GRAYED);
  RECT r{};
  ToolText(*run_, &r);
  EXPECT_TRUE(IsRectEmpty(&r)) << "a disabled button shows no tooltip";
}

TEST_F(CaptionButtons, LockTogglesThroughTheTitleBarAndItsHintFollows) {
  EXPECT_EQ(ToolText(*lock_), "Locked, no editing");
  Press(*lock_);
  EXPECT_EQ(GetCapture(), window_);
  EXPECT_TRUE(lock_->DrawnPressed());
  // Sideways along the caption and release: still a click.
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(5, static_cast<WORD>(-3)));
  SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(5, static_cast<WORD>(-3)));
  EXPECT_FALSE(lock_->Down());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(lock_->Hint(), "Unlocked for editing");
  EXPECT_EQ(ToolText(*lock_), "Unlocked for editing");

  // A double click is a second press.
  const LPARAM at = PointOn(*lock_);
  SendMessageA(window_, WM_NCLBUTTONDBLCLK, lock_->CommandId(), at);
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(lock_->Down());
}

TEST_F(CaptionButtons, LeavingTheTitleBarCancelsAndRightClicksAreSwallowed) {
  int clicks = 0;
  run_->OnButtonClick = [&](TCustomCaptionButton&) { ++clicks; };
  Press(*run_);
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(20, 60));
  EXPECT_FALSE(run_->DrawnPressed());
  SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(20, 60));
  EXPECT_EQ(clicks, 0);
  Press(*run_);
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(clicks, 1);

  Trace().clear();
  SendMessageA(window_, WM_NCRBUTTONUP, run_->CommandId(), PointOn(*run_));
  EXPECT_TRUE(Trace().empty()) << "right click on a button reached the window";
  SendMessageA(window_, WM_NCRBUTTONUP, HTCAPTION, 0);
  EXPECT_EQ(Trace().size(), 1u);
}

TEST_F(CaptionButtons, RunEntryFiresMenuClickNotButtonClick) {
  int menu = 0, button = 0, click = 0;
  run_->OnMenuClick = [&](TCustomCaptionButton&) { ++menu; };
  run_->OnButtonClick = [&](TCustomCaptionButton&) { ++button; };
  run_->OnClick = [&](TCustomCaptionButton&) { ++click; };
  SendMessageA(window_, WM_SYSCOMMAND, run_->CommandId(), 0);
  EXPECT_EQ(menu, 1);
  EXPECT_EQ(click, 1);
  EXPECT_EQ(button, 0);
}

TEST_F(CaptionButtons, StayOnTopFromButtonAndMenu) {
  HMENU menu = GetSystemMenu(window_, FALSE);
  EXPECT_FALSE(topmost_->Down());
  Press(*topmost_);
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(topmost_->Down());
  EXPECT_TRUE(GetMenuState(menu, topmost_->CommandId(), MF_BYCOMMAND) & MF_CHECKED);

  SendMessageA(window_, WM_SYSCOMMAND, topmost_->CommandId(), 0);
  EXPECT_FALSE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(topmost_->Down());
  EXPECT_FALSE(GetMenuState(menu, topmost_->CommandId(), MF_BYCOMMAND) & MF_CHECKED);

  roller_->SetTopmost(true);  // any component: the button follows the window
  EXPECT_TRUE(topmost_->Down());
}

TEST_F(CaptionButtons, RollUpClipsToTheTitleBarAndBack) {
  RECT client{};
  GetClientRect(window_, &client);
  const int before = client.bottom;
  Press(*roller_);
  SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  ASSERT_TRUE(roller_->RollUp());
  GetClientRect(window_, &client);
  // The system may keep a minimum height; the roller takes what was reached.
  EXPECT_LE(client.bottom, 4);
  EXPECT_EQ(client.bottom, roller_->RemainHeight());
  RECT box{};
  ASSERT_EQ(GetWindowRgnBox(window_, &box), SIMPLEREGION);
  EXPECT_EQ(box.bottom, roller_->RolledHeightNow());
  EXPECT_EQ(roller_->CaptionButton().Hint(), "Roll down");

  roller_->SetRollUp(false);
  GetClientRect(window_, &client);
  EXPECT_EQ(client.bottom, before);
  EXPECT_EQ(GetWindowRgnBox(window_, &box), ERROR) << "region removed";
  EXPECT_EQ(roller_->CaptionButton().Hint(), "Roll up");
}

TEST(RollerSizing, RolledWindowRefusesSizingCodes) {
  HWND w = test::MakeWindow(WS_OVERLAPPEDWINDOW, 300, 200);
  {
    TFormRoller roller([w] { return w; });
    roller.Loaded();
    RECT r{};
    GetWindowRect(w, &r);
    const LPARAM rightEdge = test::ScreenPoint(r.right - 1, r.top + 8);
    const LRESULT sizing = SendMessageA(w, WM_NCHITTEST, 0, rightEdge);
    ASSERT_GE(sizing, HTLEFT);
    ASSERT_LE(sizing, HTBOTTOMRIGHT);
    roller.SetAnimate(false);  // only the region changes
    roller.SetRollUp(true);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, rightEdge), HTBORDER);
    roller.SetRollUp(false);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, rightEdge), sizing);
  }
  DestroyWindow(w);
}

// Where the desktop is composed, the window manager is asked to leave the
// frame to the window, once per handle of every window with buttons; a
// stand-in for the window manager's library sees the calls. Without the
// library (XP) nothing is asked.
struct FramePolicyCall {
  HWND window;
  DWORD attribute;
  int value;
  DWORD size;
};
std::vector<FramePolicyCall> g_frameCalls;

HRESULT WINAPI FakeSetWindowAttribute(HWND w, DWORD attribute, LPCVOID value, DWORD size) {
  g_frameCalls.push_back({w, attribute, *static_cast<const int*>(value), size});
  return S_OK;
}

TEST(FrameRendering, LeftToTheWindowForEachHandleWhereTheSystemComposes) {
  test::StandInLibrary windowManager(
      "dwmapi.dll", "DwmSetWindowAttribute",
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeSetWindowAttribute)));
  ASSERT_TRUE(windowManager.Swapped());
  g_frameCalls.clear();
  HWND window = test::MakeWindow();
  auto owner = [&window] { return window; };
  {
    TCaptionButton lock(owner), run(owner);
    ASSERT_EQ(g_frameCalls.size(), 1u);
    EXPECT_EQ(g_frameCalls[0].window, window);
    EXPECT_EQ(g_frameCalls[0].attribute, 2u);  // DWMWA_NCRENDERING_POLICY
    EXPECT_EQ(g_frameCalls[0].value, 1);       // DWMNCRP_DISABLED
    EXPECT_EQ(g_frameCalls[0].size, sizeof(int));

    HWND old = window;
    window = test::MakeWindow();  // the owner's new handle
    DestroyWindow(old);
    test::PumpPending();
    ASSERT_EQ(g_frameCalls.size(), 2u);
    EXPECT_EQ(g_frameCalls[1].window, window);
    EXPECT_EQ(g_frameCalls[1].value, 1);
  }
  DestroyWindow(window);

  windowManager.missing = true;
  window = test::MakeWindow();
  TCaptionButton{owner};  // made and gone at once
  DestroyWindow(window);
  test::PumpPending();
  EXPECT_EQ(g_frameCalls.size(), 2u);
}

}  // namespace
}  // namespace hopvox
