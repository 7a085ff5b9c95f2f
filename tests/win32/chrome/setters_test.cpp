// The setters of the title-bar components: each stores a changed value and
// carries it out at once (repaint, region, hint, tray request, timer).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ChromeTestWindow.h"
#include "chrome/CaptionButton.h"
#include "chrome/FormRoller.h"
#include "chrome/FormTrayIcon.h"
#include "framework/Application.h"
#include "framework/Form.h"

namespace hopvox {
namespace {

// The window's top rows as drawn, read back from the window's own surface.
struct Shot {
  int width = 0, height = 0;
  std::vector<std::uint32_t> px;  // 0xRRGGBB, row by row
  std::uint32_t At(int x, int y) const { return px[static_cast<size_t>(y * width + x)]; }
  bool operator==(const Shot&) const = default;
};

Shot TitleBar(HWND w) {
  Shot s;
  RECT r{};
  GetWindowRect(w, &r);
  s.width = r.right - r.left;
  s.height = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) + 4;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), s.width, -s.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = GetWindowDC(w);
  HDC mem = CreateCompatibleDC(dc);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, s.width, s.height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  s.px.assign(p, p + s.width * s.height);
  for (auto& c : s.px) c &= 0xFFFFFF;
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(w, dc);
  return s;
}

std::uint32_t Rgb(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

bool Dark(std::uint32_t c) {
  return (c >> 16) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60;
}

// How far the dark pixels (the letter) moved from `a` to `b`, measured inside
// the box of the pixels that differ; {0, 0} when nothing changed.
std::pair<double, double> LetterMoved(const Shot& a, const Shot& b) {
  int left = a.width, top = a.height, right = -1, bottom = -1;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return {0, 0};
  auto centre = [&](const Shot& s) {
    double sx = 0, sy = 0, n = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (Dark(s.At(x, y))) sx += x, sy += y, ++n;
    return std::pair{sx / n, sy / n};
  };
  const auto [ax, ay] = centre(a);
  const auto [bx, by] = centre(b);
  return {bx - ax, by - ay};
}

class ButtonLooks : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = test::MakeWindow();
    button_ = std::make_unique<TCaptionButton>([this] { return window_; });
    button_->SetSign('R');
    button_->Loaded();
    test::Pump();
    button_->Repaint();
  }
  void TearDown() override {
    button_.reset();
    DestroyWindow(window_);
    test::Pump();
  }
  HWND window_ = nullptr;
  std::unique_ptr<TCaptionButton> button_;
};

TEST_F(ButtonLooks, SignOffsetsMoveTheLetterAtOnce) {
  const Shot home = TitleBar(window_);
  button_->SetSignLeft(3);
  const Shot right = TitleBar(window_);
  EXPECT_EQ(button_->SignLeft(), 3);
  const auto [dx, dy] = LetterMoved(home, right);
  EXPECT_NEAR(dx, 3, 0.01);
  EXPECT_NEAR(dy, 0, 0.01);

  button_->SetSignLeft(0);
  button_->SetSignTop(2);
  const auto [ex, ey] = LetterMoved(home, TitleBar(window_));
  EXPECT_NEAR(ex, 0, 0.01);
  EXPECT_NEAR(ey, 2, 0.01);
  button_->SetSignTop(0);
  EXPECT_EQ(TitleBar(window_), home);
}

TEST_F(ButtonLooks, GlyphTransparentShowsOrHidesTheCornerColour) {
  // A white glyph with a black middle: white is its top-left colour.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP glyph = CreateCompatibleBitmap(screen, 12, 11);
  HGDIOBJ old = SelectObject(mem, glyph);
  RECT all{0, 0, 12, 11}, middle{4, 3, 8, 8};
  FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FillRect(mem, &middle, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  button_->SetGlyph(glyph);
  DeleteObject(glyph);

  const Shot transparent = TitleBar(window_);
  button_->SetGlyphTransparent(false);
  EXPECT_FALSE(button_->GlyphTransparent());
  const Shot opaque = TitleBar(window_);
  const std::uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
  int changed = 0;
  for (size_t i = 0; i < opaque.px.size(); ++i) {
    if (opaque.px[i] == transparent.px[i]) continue;
    ++changed;
    EXPECT_EQ(transparent.px[i], face);
    EXPECT_EQ(opaque.px[i], 0xFFFFFFu);
  }
  EXPECT_GT(changed, 20);
  button_->SetGlyphTransparent(true);
  EXPECT_EQ(TitleBar(window_), transparent);
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
    test::Pump();
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

TEST_F(TraySetters, IconIsShownAsGivenWithoutAnImageList) {
  tray_->SetIcon(LoadIcon(nullptr, IDI_WARNING));
  ASSERT_NE(tray_->Icon(), nullptr);
  ASSERT_NE(tray_->DisplayedIcon(), nullptr);
  EXPECT_EQ(RecordIcon(), Handle(tray_->DisplayedIcon())) << "a modify request carries it";
  tray_->SetIcon(nullptr);
  EXPECT_EQ(tray_->DisplayedIcon(), nullptr) << "no fall-back to the application's icon";
  EXPECT_EQ(RecordIcon(), 0u);
}

TEST_F(TraySetters, ImageListAndIntervalRestartTheAnimation) {
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
