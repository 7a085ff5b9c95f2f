// The tray icon's mouse messages and the options the main window leaves
// off: what each click does, what the mouse events carry, minimising from
// the taskbar, and the requests a hint change makes.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ChromeTestWindow.h"
#include "chrome/FormTrayIcon.h"
#include "framework/Application.h"
#include "framework/Form.h"

namespace hopvox {
namespace {

std::string Tip(const TrayRecord& r) {
  std::string s(reinterpret_cast<const char*>(r.data() + tray::kTip), tray::kTipSize);
  return s.substr(0, s.find('\0'));
}

// Holds the given keys down for this thread's GetKeyState, then lets go.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    memcpy(state, saved_, sizeof state);
    for (int k : keys) state[k] |= 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

class TrayEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>("Tray events", 300, 200, WS_OVERLAPPED | WS_CAPTION);
    Application().SetMainForm(form_.get());
    ShowWindow(Application().Handle(), SW_SHOWNORMAL);
    ShowWindow(form_->Handle(), SW_SHOW);
    TMenuItem item;
    item.Name = item.Caption = "Default1";
    item.Default = true;
    item.OnClick = [this] { ++defaultRuns_; };
    menu_.Items.push_back(item);
    tray_ = std::make_unique<TFormTrayIcon>(*form_);
    tray_->SetHint("Hopvox");
    tray_->OnClick = [this](TCustomCaptionButton&) { events_.push_back("click"); };
    tray_->OnPopupMenu = [this](TFormTrayIcon&) { events_.push_back("menu"); };
    tray_->OnMouseDown = [this](TFormTrayIcon&, TMouseButton b, TShiftState s, int x, int y) {
      events_.push_back("down" + Describe(b, s, x, y));
    };
    tray_->OnMouseUp = [this](TFormTrayIcon&, TMouseButton b, TShiftState s, int x, int y) {
      events_.push_back("up" + Describe(b, s, x, y));
    };
    tray_->OnMouseMove = [this](TFormTrayIcon&, TShiftState s, int x, int y) {
      events_.push_back("move" + Describe(TMouseButton::mbLeft, s, x, y).substr(1));
    };
    tray_->Loaded();
  }
  void TearDown() override {
    tray_.reset();
    Application().SetMainForm(nullptr);
    form_.reset();
    test::PumpPending();
  }
  static std::string Describe(TMouseButton b, TShiftState s, int x, int y) {
    std::string out = b == TMouseButton::mbLeft ? "L" : b == TMouseButton::mbRight ? "R" : "M";
    if (s & MK_LBUTTON) out += " left";
    if (s & MK_RBUTTON) out += " right";
    if (s & MK_MBUTTON) out += " middle";
    if (s & MK_SHIFT) out += " shift";
    if (s & MK_CONTROL) out += " ctrl";
    if (s & kTrayShiftAlt) out += " alt";
    return out + " " + std::to_string(x) + "," + std::to_string(y);
  }
  void Callback(UINT mouse) {
    SendMessageA(tray_->MessageWindow(), kTrayCallbackMessage, 0, static_cast<LPARAM>(mouse));
  }
  bool Shown() const { return IsWindowVisible(form_->Handle()) != 0; }

  std::unique_ptr<TForm> form_;
  TPopupMenu menu_;
  std::unique_ptr<TFormTrayIcon> tray_;
  std::vector<std::string> events_;
  int defaultRuns_ = 0;
};

TEST_F(TrayEvents, MouseEventsCarryTheButtonTheKeysAndThePointer) {
  SetCursorPos(123, 45);
  {
    HeldKeys keys{VK_SHIFT, VK_CONTROL};
    Callback(WM_LBUTTONDOWN);
    Callback(WM_LBUTTONUP);
  }
  {
    HeldKeys keys{VK_MENU};
    Callback(WM_MOUSEMOVE);
    Callback(WM_RBUTTONDOWN);
  }
  Callback(WM_MBUTTONDOWN);
  Callback(WM_MBUTTONUP);
  Callback(WM_LBUTTONUP);  // no press before it: no click
  EXPECT_EQ(events_, (std::vector<std::string>{
                         "downL left shift ctrl 123,45", "upL left shift ctrl 123,45", "click",
                         "move alt 123,45", "downR right alt 123,45", "downM middle 123,45",
                         "upM middle 123,45", "upL left 123,45"}));
  EXPECT_TRUE(Shown()) << "a click while shown restores nothing";
}

// Closes the popup menu once it is open.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu)) EndMenu();
}

TEST_F(TrayEvents, ShowMenuOnLeftClickOpensItAndKeepsDoubleClicksForRestoring) {
  tray_->SetPopupMenu(&menu_);
  tray_->SetOptions(oShowMenuOnLeftClick | oDblClickRestore | oHideOnRestore);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseMenu);
  Callback(WM_LBUTTONDOWN);
  Callback(WM_LBUTTONUP);
  KillTimer(nullptr, timer);
  ASSERT_GE(events_.size(), 2u);
  EXPECT_EQ(events_[events_.size() - 2], "click");
  EXPECT_EQ(events_.back(), "menu") << "a left click opens the menu";

  tray_->MinimizeToTray();
  ASSERT_FALSE(Shown());
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(defaultRuns_, 0) << "the default item is not for double clicks now";
  EXPECT_TRUE(Shown()) << "restored by the double click itself";
  EXPECT_FALSE(tray_->Visible());
}

TEST_F(TrayEvents, DoubleClickWithoutAMenuRestoresOrMinimises) {
  tray_->SetOptions(oDblClickRestore);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(Shown());
  EXPECT_FALSE(tray_->Visible()) << "shown and no minimising: nothing to do";

  tray_->SetOptions(oDblClickRestore | oMinimizeToTray | oHideOnRestore);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_FALSE(Shown()) << "a shown window goes to the tray";
  EXPECT_TRUE(tray_->Visible());
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(Shown());
  EXPECT_FALSE(tray_->Visible());

  // With a menu, the double click is the default item's.
  tray_->SetPopupMenu(&menu_);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(defaultRuns_, 1);
  EXPECT_TRUE(Shown());
  menu_.AutoPopup = false;  // a menu that never opens leaves it to the option
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(defaultRuns_, 1);
  EXPECT_FALSE(Shown());
  tray_->RestoreFromTray();
}

TEST_F(TrayEvents, MinimisingTheApplicationGoesToTheTrayOnlyWhenAsked) {
  HWND app = Application().Handle();
  tray_->SetOptions(oHideOnRestore);
  ShowWindow(app, SW_MINIMIZE);
  EXPECT_FALSE(tray_->Visible());
  ShowWindow(app, SW_RESTORE);
  ShowWindow(form_->Handle(), SW_SHOW);

  tray_->SetOptions(oHideOnRestore | oMinimizeToTray);
  ShowWindow(app, SW_MINIMIZE);
  EXPECT_TRUE(tray_->Visible());
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(IsWindowVisible(app)) << "no taskbar button left";
  tray_->RestoreFromTray();
  EXPECT_TRUE(Shown());
}

TEST_F(TrayEvents, HintChangesAreSentAtOnce) {
  tray_->MinimizeToTray();
  tray_->SetHint("Channel 3");
  EXPECT_EQ(Tip(tray_->LastRecord()), "Channel 3");
  EXPECT_EQ(ReadTrayU32(tray_->LastRecord(), tray::kCbSize), kTrayRecordSizeOld)
      << "a modify request";
  tray_->SetShowHint(false);
  for (int i = 0; i < tray::kTipSize; ++i)
    ASSERT_EQ(tray_->LastRecord()[tray::kTip + i], 0) << "tip byte " << i;
  tray_->SetShowHint(true);
  EXPECT_EQ(Tip(tray_->LastRecord()), "Channel 3");
  tray_->RestoreFromTray();
}

}  // namespace
}  // namespace hopvox
