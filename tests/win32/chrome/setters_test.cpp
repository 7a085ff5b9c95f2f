// The setters of the title-bar components: each stores a changed value and
// carries it out at once (repaint, region, hint, tray request, timer).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "../PixelBlock.h"
#include "OneCaptionButton.h"
#include "framework/Handles.h"
#include "chrome/FormRoller.h"
#include "chrome/FormTrayIcon.h"
#include "framework/Application.h"
#include "framework/Form.h"

namespace hopvox {
namespace {

// The window's top rows as drawn, row by row, read back from the window's
// own surface.
using Shot = std::vector<COLORREF>;

Shot TitleBar(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  WindowDC dc(w);
  return test::PixelBlock(dc.get(), 0, 0, r.right - r.left,
                          GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 4)
      .All();
}

class ButtonLooks : public test::OneCaptionButton {
 protected:
  void Prepare(TCaptionButton& button) override { button.SetSign('R'); }
  void SetUp() override { Make(); }
  // The setter changed the look at once: what shows differs from before and
  // is what a fresh paint gives.
  void ExpectRepainted(Shot& before, const char* what) {
    const Shot now = TitleBar(window_);
    EXPECT_NE(now, before) << what;
    button_->Repaint();
    EXPECT_EQ(TitleBar(window_), now) << what;
    before = now;
  }
};

TEST_F(ButtonLooks, LookSettersRepaintAtOnce) {
  Shot shown = TitleBar(window_);
  button_->SetSignLeft(3);
  ExpectRepainted(shown, "SignLeft");
  button_->SetSignTop(2);
  ExpectRepainted(shown, "SignTop");

  // A white glyph: white is its top-left colour, drawn as the face or not.
  HDC screen = GetDC(nullptr);
  HBITMAP glyph = CreateCompatibleBitmap(screen, 12, 11);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, glyph);
  PatBlt(mem, 0, 0, 12, 11, WHITENESS);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  button_->SetGlyph(glyph);
  DeleteObject(glyph);
  ExpectRepainted(shown, "Glyph");
  button_->SetGlyphTransparent(false);
  ExpectRepainted(shown, "GlyphTransparent");
}

// The tooltip's hot area of a button: empty while it shows no tip.
RECT ToolRect(HWND w, const TCustomCaptionButton& b) {
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  ti.hwnd = w;
  ti.uId = b.ToolId();
  SendMessageA(CaptionTooltipWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
  return ti.rect;
}

TEST(ButtonSetters, PlacementAndTooltipFollowAtOnce) {
  HWND w = test::MakeWindow();
  {
    auto owner = [w] { return w; };
    TCaptionButton right(owner), left(owner);
    right.SetHint("Tip");
    right.Loaded();
    left.Loaded();
    const int s = GetSystemMetrics(SM_CXSIZE);
    EXPECT_EQ(right.LayoutOffset(), s);
    EXPECT_EQ(left.LayoutOffset(), 2 * s - 2);
    right.SetSeparatorWidth(5);
    EXPECT_EQ(right.LayoutOffset(), s + 5);
    EXPECT_EQ(left.LayoutOffset(), 2 * s + 3) << "the buttons to the left move along";

    right.Repaint();  // places the button, so its tip has an area
    right.UpdateTool();
    RECT r = ToolRect(w, right);
    ASSERT_FALSE(IsRectEmpty(&r));
    right.SetShowHint(false);
    r = ToolRect(w, right);
    EXPECT_TRUE(IsRectEmpty(&r)) << "no tip without ShowHint";
    right.SetShowHint(true);
    r = ToolRect(w, right);
    EXPECT_FALSE(IsRectEmpty(&r));

    right.SetVisible(false);
    EXPECT_EQ(left.LayoutOffset(), s) << "a hidden button leaves its slot";
    r = ToolRect(w, right);
    EXPECT_TRUE(IsRectEmpty(&r)) << "and shows no tip";
  }
  DestroyWindow(w);
}

TEST(RollerSetters, HintsFollowTheStateAndRemainHeightReclipsWhileRolledUp) {
  HWND w = test::MakeWindow(WS_OVERLAPPEDWINDOW, 300, 200);
  {
    TFormRoller roller([w] { return w; });
    roller.SystemMenu().SetApplyToMenu(true);
    roller.Loaded();
    roller.SetAnimate(false);  // only the region changes
    auto menuText = [&] {
      char text[64] = {};
      GetMenuStringA(GetSystemMenu(w, FALSE), roller.CommandId(), text, sizeof text, MF_BYCOMMAND);
      return std::string(text);
    };
    roller.SetHintRollUp("Fold up");
    roller.SetHintRollDown("Fold down");  // not shown while unrolled
    EXPECT_EQ(roller.Hint(), "Fold up");
    EXPECT_EQ(menuText(), "Fold up");
    roller.SetRemainHeight(30);
    RECT box{};
    EXPECT_EQ(GetWindowRgnBox(w, &box), ERROR) << "no clip while unrolled";

    roller.SetRollUp(true);
    EXPECT_EQ(roller.Hint(), "Fold down");
    roller.SetHintRollUp("Up again");  // not shown while rolled up
    EXPECT_EQ(roller.Hint(), "Fold down");
    roller.SetHintRollDown("Down again");
    EXPECT_EQ(roller.Hint(), "Down again");
    EXPECT_EQ(menuText(), "Down again");

    ASSERT_EQ(GetWindowRgnBox(w, &box), SIMPLEREGION);
    const int rolled = box.bottom;
    roller.SetRemainHeight(50);
    GetWindowRgnBox(w, &box);
    EXPECT_EQ(box.bottom, rolled + 20);
    EXPECT_EQ(box.bottom, roller.RolledHeightNow());
    roller.SetRollUp(false);
    EXPECT_EQ(roller.Hint(), "Up again");
  }
  DestroyWindow(w);
}

class TraySetters : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>("Tray setters", 300, 200, WS_OVERLAPPED | WS_CAPTION);
    Application().SetMainForm(form_.get());
    ShowWindow(form_->Handle(), SW_SHOW);
    for (const char* name : {"Maximise1", "Minimise1"}) {
      TMenuItem item;
      item.Name = item.Caption = name;
      item.OnClick = [this, name] { own_.push_back(name); };
      menu_.Items.push_back(item);
    }
    tray_ = std::make_unique<TFormTrayIcon>(*form_);
    tray_->SetPopupMenu(&menu_);
    tray_->Loaded();
    for (int i : {0, 1, 2}) frames_.push_back(LoadIcon(nullptr, MAKEINTRESOURCE(32513 + i)));
  }
  void TearDown() override {
    tray_.reset();
    Application().SetMainForm(nullptr);
    form_.reset();
    test::PumpPending();
  }
  std::uint32_t RecordIcon() const { return ReadTrayU32(tray_->LastRecord(), tray::kIcon); }
  std::uint32_t Handle(HICON i) const {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(i));
  }
  // Whether the animation timer runs; asking stops it.
  bool TimerRan() const { return KillTimer(tray_->MessageWindow(), 1) != 0; }

  std::unique_ptr<TForm> form_;
  TPopupMenu menu_;
  std::vector<std::string> own_;  // the items' own handlers that ran
  std::vector<HICON> frames_;
  std::unique_ptr<TFormTrayIcon> tray_;
};

TEST_F(TraySetters, IconImageListAndIntervalShowAndAnimate) {
  tray_->SetIcon(LoadIcon(nullptr, IDI_WARNING));
  ASSERT_NE(tray_->DisplayedIcon(), nullptr);
  EXPECT_EQ(RecordIcon(), Handle(tray_->DisplayedIcon())) << "a modify request carries it";
  tray_->SetIcon(nullptr);
  EXPECT_EQ(tray_->DisplayedIcon(), nullptr) << "no fall-back to the application's icon";
  tray_->SetIcon(LoadIcon(nullptr, IDI_WARNING));
  tray_->SetImageList(&frames_);
  tray_->SetAnimate(true);
  EXPECT_TRUE(TimerRan());
  tray_->SetAnimateInterval(0);
  EXPECT_EQ(tray_->AnimateInterval(), 0);
  EXPECT_FALSE(TimerRan()) << "no interval, no animation";
  tray_->SetAnimateInterval(30);
  EXPECT_TRUE(TimerRan());

  SendMessageA(tray_->MessageWindow(), WM_TIMER, 1, 0);
  SendMessageA(tray_->MessageWindow(), WM_TIMER, 1, 0);
  EXPECT_EQ(tray_->ImageIndex(), 2);
  SendMessageA(tray_->MessageWindow(), WM_TIMER, 1, 0);
  EXPECT_EQ(tray_->ImageIndex(), 0) << "wraps after the last image";

  tray_->SetImageList(nullptr);  // back to Icon, animation off
  EXPECT_FALSE(tray_->Animate());
  EXPECT_FALSE(TimerRan());
  ASSERT_NE(tray_->DisplayedIcon(), nullptr);
  EXPECT_EQ(RecordIcon(), Handle(tray_->DisplayedIcon()));
  tray_->SetIcon(LoadIcon(nullptr, IDI_ERROR));
  tray_->SetImageList(&frames_);
  const HICON shown = tray_->DisplayedIcon();
  tray_->SetIcon(LoadIcon(nullptr, IDI_WARNING));  // kept for later, the list still shows
  EXPECT_EQ(tray_->DisplayedIcon(), shown);
}

TEST_F(TraySetters, MinimiseAndRestoreItemsRunTheirOwnHandlerFirst) {
  TMenuItem* maximise = menu_.Find("Maximise1");
  TMenuItem* minimise = menu_.Find("Minimise1");
  tray_->SetOptions(tray_->Options() | oHideOnRestore);
  tray_->SetPopupMenuRestoreItem(maximise);
  tray_->SetPopupMenuTrayMinimizeItem(minimise);
  tray_->SetPopupMenuTrayMinimizeItem(minimise);  // the same item: taken over once

  minimise->OnClick();
  EXPECT_EQ(own_, std::vector<std::string>{"Minimise1"});
  EXPECT_TRUE(tray_->Visible());
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(minimise->Enabled);
  EXPECT_TRUE(maximise->Default);

  maximise->OnClick();
  EXPECT_EQ(own_, (std::vector<std::string>{"Minimise1", "Maximise1"}));
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(tray_->Visible());
  EXPECT_TRUE(minimise->Enabled);
  EXPECT_TRUE(minimise->Default);

  // Replaced or left behind, an item gets its own handler back.
  tray_->SetPopupMenuTrayMinimizeItem(nullptr);
  minimise->OnClick();
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  tray_.reset();
  maximise->OnClick();
  EXPECT_EQ(own_, (std::vector<std::string>{"Minimise1", "Maximise1", "Minimise1", "Maximise1"}));
}

// While the window definition is read, a tray icon whose restore hides it
// stays out of the tray whatever Visible is set to.
TEST(TrayLoading, VisibleWaitsForTheLoadOnlyWhenRestoreHidesTheIcon) {
  TForm form("Tray loading", 300, 200, WS_OVERLAPPED | WS_CAPTION);
  ShowWindow(form.Handle(), SW_SHOW);
  {
    TFormTrayIcon hiding(form);
    hiding.SetOptions(oHideOnRestore);
    hiding.SetVisible(true);
    EXPECT_FALSE(hiding.Visible());
    hiding.Loaded();
    hiding.SetVisible(true);
    EXPECT_TRUE(hiding.Visible());
  }
  {
    TFormTrayIcon plain(form);
    plain.SetVisible(true);
    EXPECT_TRUE(plain.Visible());
  }
  test::PumpPending();
}

TEST(SystemMenuSubmenu, ShowsThePopupItemsAsTheyAreWhenItOpens) {
  HWND w = test::MakeWindow();
  {
    TPopupMenu popup;
    for (const char* caption : {"First", "Second"}) {
      TMenuItem item;
      item.Caption = caption;
      popup.Items.push_back(item);
    }
    TCaptionButton button([w] { return w; });
    button.SetHint("Menu");
    button.SetPopupMenu(&popup);
    button.SystemMenu().SetApplyToMenu(true);
    button.Loaded();
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoA(GetSystemMenu(w, FALSE), button.CommandId(), FALSE, &mi));
    HMENU sub = mi.hSubMenu;
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_FALSE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);

    popup.Items[0].Checked = true;
    popup.Items[1].Enabled = false;
    popup.Items[1].Caption = "Later";
    // What the system sends the window as the submenu opens.
    SendMessageA(w, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(0, FALSE));
    EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_GRAYED);
    char text[32] = {};
    GetMenuStringA(sub, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Later");
    EXPECT_EQ(GetMenuItemCount(sub), 2);
  }
  DestroyWindow(w);
}

}  // namespace
}  // namespace hopvox
