// Rolling a window up and down at run time, and stay-on-top taking over the
// window's real state.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "ChromeTestWindow.h"
#include "framework/Handles.h"
#include "chrome/FormRoller.h"
#include "chrome/FormTopmost.h"

namespace hopvox {
namespace {

// A white client area, so whatever the roller paints over it shows.
HWND MakeWhiteWindow(DWORD exStyle = 0) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HopvoxRollerTest";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(exStyle, "HopvoxRollerTest", "Roller test",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 60, 60, 300, 260, nullptr,
                           nullptr, wc.hInstance, nullptr);
  ShowWindow(w, SW_SHOW);
  return w;
}

COLORREF WindowPixel(HWND w, int x, int y) { return GetPixel(WindowDC(w).get(), x, y); }

int ClientHeight(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r.bottom;
}

RECT RegionBox(HWND w) {
  RECT box{-1, -1, -1, -1};
  if (GetWindowRgnBox(w, &box) != SIMPLEREGION) return {-1, -1, -1, -1};
  return box;
}

class Roller : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = MakeWhiteWindow();
    roller_ = std::make_unique<TFormRoller>([this] { return window_; });
    roller_->Loaded();
    roller_->OnRollerChanged = [this](TFormRoller&, bool up) { changes_.push_back(up); };
    test::PumpPending();
  }
  void TearDown() override {
    roller_.reset();
    DestroyWindow(window_);
    test::PumpPending();
  }
  HWND window_ = nullptr;
  std::unique_ptr<TFormRoller> roller_;
  std::vector<bool> changes_;
};

TEST_F(Roller, RolledWindowShowsARaisedEdgeAndKeepsItsClipOnSizeAndRehook) {
  roller_->SetAnimate(false);  // only the clip changes
  roller_->SetRollUp(true);
  test::PumpPending();  // the window paints what the new region uncovers
  const int rolled = roller_->RolledHeightNow();
  RECT w{};
  GetWindowRect(window_, &w);
  const int mid = (w.right - w.left) / 2;
  EXPECT_EQ(WindowPixel(window_, mid, rolled - 1), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(WindowPixel(window_, mid, rolled - 2), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(WindowPixel(window_, mid, rolled - 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(WindowPixel(window_, w.right - w.left - 1, rolled - 4), GetSysColor(COLOR_3DDKSHADOW));

  // Wider: the clip follows.
  SetWindowPos(window_, nullptr, 0, 0, 360, w.bottom - w.top, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(RegionBox(window_).right, 360);
  EXPECT_EQ(RegionBox(window_).bottom, rolled);

  // A new handle for the window: rolled up there too.
  HWND old = window_;
  window_ = MakeWhiteWindow();
  DestroyWindow(old);
  test::PumpPending();
  ASSERT_EQ(roller_->HookedWindow(), window_);
  EXPECT_EQ(RegionBox(window_).bottom, rolled);
  roller_->SetRollUp(false);
  EXPECT_EQ(RegionBox(window_).bottom, -1);
  EXPECT_EQ(changes_, (std::vector<bool>{true, false}));
}

TEST_F(Roller, KeepsRemainHeightAndIgnoresClicksWhileBusy) {
  roller_->SetAnimateSpeed(10);  // three steps
  roller_->SetRemainHeight(40);
  const int before = ClientHeight(window_);
  // A click that arrives during the animation (handled between its steps).
  PostMessageA(window_, WM_SYSCOMMAND, roller_->CommandId(), 0);
  roller_->SetRollUp(true);
  test::PumpPending();
  EXPECT_EQ(changes_, std::vector<bool>{true}) << "the click during the roll counted";
  EXPECT_TRUE(roller_->RollUp());
  EXPECT_EQ(ClientHeight(window_), 40);
  EXPECT_EQ(roller_->RemainHeight(), 40);
  EXPECT_EQ(RegionBox(window_).bottom,
            GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYDLGFRAME) + 3 + 40);

  PostMessageA(window_, WM_SYSCOMMAND, roller_->CommandId(), 0);
  roller_->SetRollUp(false);
  test::PumpPending();
  EXPECT_EQ(changes_, (std::vector<bool>{true, false}));
  EXPECT_FALSE(roller_->RollUp());
  EXPECT_EQ(ClientHeight(window_), before);
}

TEST(Topmost, TakesOverAWindowThatStartsOnTopAndReportsChanges) {
  HWND w = MakeWhiteWindow(WS_EX_TOPMOST);
  {
    TFormTopmost topmost([w] { return w; });
    TCaptionButton other([w] { return w; });
    std::vector<bool> changes;
    topmost.OnTopmostChanged = [&](TFormTopmost&, bool on) { changes.push_back(on); };
    topmost.Loaded();
    other.Loaded();
    HMENU menu = GetSystemMenu(w, FALSE);
    EXPECT_TRUE(topmost.Down());
    EXPECT_TRUE(GetMenuState(menu, topmost.CommandId(), MF_BYCOMMAND) & MF_CHECKED);

    SendMessageA(w, WM_SYSCOMMAND, topmost.CommandId(), 0);
    EXPECT_FALSE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    other.SetTopmost(true);
    EXPECT_TRUE(topmost.Down());
    EXPECT_EQ(changes, (std::vector<bool>{false, true}));
  }
  DestroyWindow(w);
}

}  // namespace
}  // namespace hopvox
