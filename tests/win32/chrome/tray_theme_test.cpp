#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChromeTestWindow.h"
#include "chrome/FormTrayIcon.h"
#include "chrome/mdCTRLS.h"
#include "chrome/mdTHEMES.h"
#include "framework/Application.h"
#include "framework/Form.h"

namespace hopvox {
namespace {

std::string Field(const TrayRecord& r, int offset, int size) {
  std::string s(reinterpret_cast<const char*>(r.data() + offset), size);
  return s.substr(0, s.find('\0'));
}

class Tray : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>("Tray test", 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    Application().SetMainForm(form_.get());
    ShowWindow(Application().Handle(), SW_SHOWNORMAL);
    ShowWindow(form_->Handle(), SW_SHOW);
    for (auto [name, caption] :
         {std::pair{"Maximise1", "Maximise"}, {"Enabled1", "Enabled"}, {"Quit1", "Exit"}}) {
      TMenuItem item;
      item.Name = name;
      item.Caption = caption;
      menu_.Items.push_back(item);
    }
    tray_ = std::make_unique<TFormTrayIcon>(*form_);
    tray_->SetHint("Hopvox");
    tray_->SetOptions(oOneClickRestore | oShowAtDesignTime);
    tray_->SetPopupMenu(&menu_);
    tray_->SetPopupMenuRestoreItem(menu_.Find("Maximise1"));
    tray_->Win2kInfoBalloon().Enabled = true;
    tray_->Win2kInfoBalloon().Text = "Hopvox";
    tray_->Win2kInfoBalloon().Icon = TWin2kInfoIcon::iiInfo;
    tray_->Loaded();
    tray_->SetOptions(tray_->Options() | oHideOnRestore);
  }
  void TearDown() override {
    tray_.reset();
    Application().SetMainForm(nullptr);
    form_.reset();
    test::PumpPending();
  }
  void Callback(UINT mouse) {
    SendMessageA(tray_->MessageWindow(), kTrayCallbackMessage, 0, static_cast<LPARAM>(mouse));
  }
  std::unique_ptr<TForm> form_;
  TPopupMenu menu_;
  std::unique_ptr<TFormTrayIcon> tray_;
};

TEST_F(Tray, MinimizeAddsTheIconWithBalloonAndAClickRestores) {
  tray_->MinimizeToTray();
  EXPECT_TRUE(tray_->Visible());
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
  const TrayRecord& add = tray_->LastRecord();
  EXPECT_EQ(ReadTrayU32(add, tray::kCbSize), kTrayRecordSizeBalloon);  // an NT 5+ system
  EXPECT_EQ(ReadTrayU32(add, tray::kFlags), 0x17u);
  EXPECT_EQ(ReadTrayU32(add, tray::kHwnd),
            static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(tray_->MessageWindow())));
  EXPECT_EQ(Field(add, tray::kInfo, 256), "Hopvox");
  EXPECT_EQ(Field(add, tray::kTip, 128), "Hopvox");
  EXPECT_EQ(ReadTrayU32(add, tray::kInfoFlags), 1u);
  EXPECT_NE(tray_->DisplayedIcon(), nullptr) << "falls back to the application's icon";
  EXPECT_TRUE(menu_.Find("Maximise1")->Default);
  EXPECT_TRUE(menu_.Find("Maximise1")->Enabled);

  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
  EXPECT_FALSE(tray_->Visible());
  EXPECT_EQ(ReadTrayU32(tray_->LastRecord(), tray::kCbSize), kTrayRecordSizeOld)
      << "delete request";
  EXPECT_FALSE(menu_.Find("Maximise1")->Enabled);
}

TEST_F(Tray, DoubleClickRunsTheDefaultItemOnlyInTheTray) {
  int clicks = 0;
  tray_->OnClick = [&](TCustomCaptionButton&) { ++clicks; };
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(tray_->Visible());

  tray_->MinimizeToTray();
  Callback(WM_LBUTTONDBLCLK);  // "Maximise" is default now
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(tray_->Visible());
}

TEST_F(Tray, ShellRestartAndEndOfSession) {
  tray_->MinimizeToTray();
  tray_->SetHint("changed");
  tray_->ShowBalloon();  // the last record carries the balloon, unlike the one expected next
  ASSERT_EQ(ReadTrayU32(tray_->LastRecord(), tray::kFlags) & tray::kNifInfo, tray::kNifInfo);
  SendMessageA(tray_->MessageWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  // Added again, with its tip, but the balloon does not pop up a second time.
  EXPECT_EQ(ReadTrayU32(tray_->LastRecord(), tray::kCbSize), kTrayRecordSizeOld);
  EXPECT_EQ(ReadTrayU32(tray_->LastRecord(), tray::kFlags) & tray::kNifInfo, 0u);
  EXPECT_EQ(Field(tray_->LastRecord(), tray::kTip, 128), "changed");

  EXPECT_EQ(SendMessageA(tray_->MessageWindow(), WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_FALSE(tray_->Visible());
  EXPECT_TRUE(IsWindowVisible(form_->Handle())) << "never hidden without an icon";
}

// Renders into a 50x50 memory bitmap and reads one pixel.
template <class Paint>
COLORREF PixelOf(Paint paint) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 50, 50);
  HGDIOBJ old = SelectObject(mem, bmp);
  paint(mem);
  const COLORREF c = GetPixel(mem, 25, 25);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return c;
}

TEST(Themes, PagesPaintTheTabBodyWhenThemedElseTheFaceColour) {
  const ThemeLibrary& lib = ThemeLibraryStart();
  ASSERT_TRUE(lib.loaded);  // Wine ships uxtheme.dll
  ASSERT_NE(lib.OpenThemeData, nullptr);
  ASSERT_NE(lib.IsThemeActive, nullptr);

  TForm form("Theme test", 200, 150, WS_OVERLAPPED | WS_CAPTION);
  TXPPageControl pages({.parent = &form, .bounds = {0, 0, 200, 150}});
  TXPTabSheet sheet(&pages, "0-3");
  const COLORREF page = PixelOf([&](HDC dc) {
    SendMessageA(sheet.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  const COLORREF expected = PixelOf([&](HDC dc) {
    RECT rc{};
    GetClientRect(sheet.Handle(), &rc);
    HANDLE theme = ThemesActive() ? lib.OpenThemeData(nullptr, L"Tab") : nullptr;
    if (theme) {
      lib.DrawThemeBackground(theme, dc, 10, 0, &rc, nullptr);
      lib.CloseThemeData(theme);
    } else {
      FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    }
  });
  EXPECT_EQ(page, expected) << "themes " << (ThemesActive() ? "on" : "off");
}

// Wine has a theme on, and its common controls hold the theme library, so
// the plain pages are seen in a second run of this program, only this test,
// that lets the library go first: what a system without one leaves us.
TEST(Themes, WithoutTheLibraryPagesPaintTheFaceColour) {
  constexpr const char* kChild = "HOPVOX_THEMES_CHILD";
  if (GetEnvironmentVariableA(kChild, nullptr, 0)) {
    ThemeLibraryStart();
    ThemeLibraryEnd();
    EXPECT_FALSE(ThemesActive());
    TForm form("No themes", 200, 150, WS_OVERLAPPED | WS_CAPTION);
    TXPPageControl pages({.parent = &form, .bounds = {0, 0, 200, 150}});
    TXPTabSheet sheet(&pages, "0-3");
    EXPECT_EQ(PixelOf([&](HDC dc) {
                SendMessageA(sheet.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                             PRF_CLIENT);
              }),
              GetSysColor(COLOR_BTNFACE));
    return;
  }
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  SetEnvironmentVariableA(kChild, "1");
  std::string command = std::string("\"") + self +
                        "\" --gtest_filter=Themes.WithoutTheLibraryPagesPaintTheFaceColour";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &si, &pi);
  SetEnvironmentVariableA(kChild, nullptr);
  ASSERT_TRUE(started);
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_EQ(code, 0u) << "the run without the theme library failed (its output is above)";
}

TEST(Themes, OneGuardPerFormAndOnlyOnForms) {
  TForm form("Guard test", 100, 100, WS_OVERLAPPED | WS_CAPTION);
  TXPThemeAPI first(&form);
  try {
    TXPThemeAPI second(&form);
    FAIL() << "a second guard was accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "TXPThemeAPI: Drop one instance only on form!");
  }
  TXPPageControl pages({.parent = &form, .bounds = {0, 0, 100, 100}});
  try {
    TXPThemeAPI onPages(&pages);
    FAIL() << "a guard on a page control was accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "TXPThemeAPI: Control parent must be a form!");
  }
}

}  // namespace
}  // namespace hopvox
