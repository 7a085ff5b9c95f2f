#include "chrome/FormTrayIcon.h"

#include <shellapi.h>

#include <cstddef>

#include "framework/Application.h"
#include "services/VrSystem.h"

namespace hopvox {

// The record matches the shell's structure of this build.
static_assert(tray::kHwnd == offsetof(NOTIFYICONDATAA, hWnd) &&
              tray::kId == offsetof(NOTIFYICONDATAA, uID) &&
              tray::kFlags == offsetof(NOTIFYICONDATAA, uFlags) &&
              tray::kCallback == offsetof(NOTIFYICONDATAA, uCallbackMessage) &&
              tray::kIcon == offsetof(NOTIFYICONDATAA, hIcon) &&
              tray::kTip == offsetof(NOTIFYICONDATAA, szTip) &&
              tray::kInfo == offsetof(NOTIFYICONDATAA, szInfo) &&
              tray::kTimeout == offsetof(NOTIFYICONDATAA, uTimeout) &&
              tray::kInfoTitle == offsetof(NOTIFYICONDATAA, szInfoTitle) &&
              tray::kInfoFlags == offsetof(NOTIFYICONDATAA, dwInfoFlags) &&
              kTrayRecordSizeOld == NOTIFYICONDATAA_V1_SIZE &&
              kTrayRecordSizeBalloon == NOTIFYICONDATAA_V2_SIZE);

namespace {
constexpr UINT_PTR kAnimationTimer = 1;

bool Windows2000OrLater() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  if (!GetVersionExA(&v)) return false;
  return v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion > 4;
}

TShiftState ShiftNow() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) s |= MK_CONTROL;
  if (GetKeyState(VK_MENU) < 0) s |= kTrayShiftAlt;
  return s;
}
}  // namespace

TFormTrayIcon::TFormTrayIcon(OwnerHandle owner) : TCustomCaptionButton(std::move(owner)) {
  UniqueBitmap glyph(LoadGlyph("CB_MINIMIZETOTRAY"));
  SetGlyph(glyph.get());
  TCustomCaptionButton::SetHint("Minimize to System Tray");
  Repaint();
  // The shell announces a restart of the taskbar with this broadcast.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  appWindow_ = Application().Handle();
  appHook_.Attach(appWindow_, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Application().Guard([&] { result = AppWndProc(msg, wParam, lParam); });
    return result;
  });
}

TFormTrayIcon::~TFormTrayIcon() {
  destroying_ = true;
  SetVisible(false);
  // The menu may outlive us: its items must not call into a freed component.
  SetPopupMenuRestoreItem(nullptr);
  SetPopupMenuTrayMinimizeItem(nullptr);
  appHook_.Detach();
  if (MessageWindow()) KillTimer(MessageWindow(), kAnimationTimer);
}

HWND TFormTrayIcon::AppWindow() const { return appWindow_; }

bool TFormTrayIcon::OwnerIsMainForm() const {
  TWindow* main = Application().MainForm();
  return main && main->Handle() == HookedWindow();
}

void TFormTrayIcon::Loaded() {
  TCustomCaptionButton::Loaded();
  if (!imageList_) {
    HICON source =
        icon_ ? icon_.get()
              : reinterpret_cast<HICON>(GetClassLongPtrA(Application().Handle(), GCLP_HICON));
    displayed_.reset(source ? CopyIcon(source) : nullptr);
    ShellRequest(Request::kModify);
  }
  if (balloon_.Enabled) ShellRequest(Request::kBalloon);
}

void TFormTrayIcon::ShellRequest(Request r) {
  TrayRecordInput in;
  in.balloonWanted = r == Request::kBalloon || (r == Request::kAdd && balloon_.Enabled);
  in.win2kOrLater = Windows2000OrLater();
  in.window = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(MessageWindow()));
  in.icon = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(displayed_.get()));
  in.visible = trayVisible_;
  in.showHint = trayShowHint_;
  in.hint = trayHint_;
  in.balloonText = balloon_.Text;
  in.balloonTitle = balloon_.Title;
  in.balloonTimeout = balloon_.Timeout;
  in.balloonIcon = balloon_.Icon;
  record_ = FillTrayRecord(in);
  const DWORD msg = r == Request::kAdd || r == Request::kReAdd ? NIM_ADD
                    : r == Request::kDelete                    ? NIM_DELETE
                                                               : NIM_MODIFY;
  // The record is laid out byte for byte as the shell's ANSI structure.
  Shell_NotifyIconA(msg, reinterpret_cast<PNOTIFYICONDATAA>(record_.data()));
}

void TFormTrayIcon::ShowBalloon() { ShellRequest(Request::kBalloon); }

void TFormTrayIcon::SetVisible(bool v) {
  if (((options_ & oHideOnRestore) && Loading()) || v == trayVisible_) return;
  trayVisible_ = v;
  if (v) {
    ShellRequest(Request::kAdd);
    if (OnShow) OnShow(*this);
  } else {
    ShellRequest(Request::kDelete);
    if (OnHide) OnHide(*this);
    // Never leave the window hidden without an icon to bring it back.
    HWND owner = HookedWindow();
    if (owner && IsWindow(owner) && !IsWindowVisible(owner)) RestoreFromTray();
  }
}

void TFormTrayIcon::MinimizeToTray() {
  SetVisible(true);
  if (Application().Terminated()) return;
  HWND owner = HookedWindow();
  if (AppWindow() && OwnerIsMainForm())
    ShowWindow(AppWindow(), SW_HIDE);  // takes the taskbar button away
  else
    ShowWindow(owner, SW_HIDE);
  ShowWindow(owner, SW_HIDE);
  if (minimizeItem_) {
    minimizeItem_->Default = false;
    minimizeItem_->Enabled = false;
  }
  if (restoreItem_) {
    restoreItem_->Default = true;
    restoreItem_->Enabled = true;
  }
  if (OnMinimize) OnMinimize(*this);
}

void TFormTrayIcon::RestoreFromTray() {
  if (Application().Terminated()) return;
  HWND owner = HookedWindow();
  if (AppWindow() && OwnerIsMainForm()) {
    ShowWindow(AppWindow(), SW_SHOWNORMAL);
    SetForegroundWindow(AppWindow());
  } else {
    ShowWindow(owner, SW_RESTORE);
    SetForegroundWindow(owner);
  }
  ShowWindow(owner, SW_SHOW);
  if (options_ & oHideOnRestore) SetVisible(false);
  if (restoreItem_) {
    restoreItem_->Default = false;
    restoreItem_->Enabled = false;
  }
  if (minimizeItem_) {
    minimizeItem_->Default = true;
    minimizeItem_->Enabled = true;
  }
  if (OnRestore) OnRestore(*this);
}

void TFormTrayIcon::Click() {
  TCustomCaptionButton::Click();
  MinimizeToTray();
}

void TFormTrayIcon::ShowPopupMenu() {
  if (!trayMenu_ || !trayMenu_->AutoPopup) return;
  POINT pt{};
  GetCursorPos(&pt);
  Application().ProcessMessages();
  SetForegroundWindow(HookedWindow());
  // Popup also posts WM_NULL to the owner so the menu closes on a click elsewhere.
  trayMenu_->Popup(HookedWindow(), pt.x, pt.y);
  if (OnPopupMenu) OnPopupMenu(*this);
}

void TFormTrayIcon::TrayCallback(UINT mouse) {
  POINT pt{};
  GetCursorPos(&pt);
  const TShiftState shift = ShiftNow();
  HWND owner = HookedWindow();
  switch (mouse) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(*this, shift, pt.x, pt.y);
      break;
    case WM_LBUTTONDOWN:
      leftDown_ = true;
      if (OnMouseDown) OnMouseDown(*this, TMouseButton::mbLeft, shift | MK_LBUTTON, pt.x, pt.y);
      break;
    case WM_LBUTTONUP:
      SetForegroundWindow(AppWindow());
      if (OnMouseUp) OnMouseUp(*this, TMouseButton::mbLeft, shift | MK_LBUTTON, pt.x, pt.y);
      if (leftDown_) {
        if (OnClick) OnClick(*this);
        if (options_ & oShowMenuOnLeftClick) ShowPopupMenu();
        if ((options_ & oOneClickRestore) && !IsWindowVisible(owner)) RestoreFromTray();
      }
      leftDown_ = false;
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      if (trayMenu_ && trayMenu_->AutoPopup && !(options_ & oShowMenuOnLeftClick)) {
        for (auto& item : trayMenu_->Items)
          if (item.Default) {
            if (item.OnClick) item.OnClick();
            break;
          }
        break;
      }
      if (options_ & oDblClickRestore) {
        if (IsWindowVisible(owner) && (options_ & oMinimizeToTray))
          MinimizeToTray();
        else
          RestoreFromTray();
      }
      break;
    case WM_RBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(*this, TMouseButton::mbRight, shift | MK_RBUTTON, pt.x, pt.y);
      break;
    case WM_RBUTTONUP:
      SetForegroundWindow(AppWindow());
      if (OnMouseUp) OnMouseUp(*this, TMouseButton::mbRight, shift | MK_RBUTTON, pt.x, pt.y);
      ShowPopupMenu();
      break;
    case WM_MBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(*this, TMouseButton::mbMiddle, shift | MK_MBUTTON, pt.x, pt.y);
      break;
    case WM_MBUTTONUP:
      SetForegroundWindow(AppWindow());
      if (OnMouseUp) OnMouseUp(*this, TMouseButton::mbMiddle, shift | MK_MBUTTON, pt.x, pt.y);
      break;
  }
}

void TFormTrayIcon::MessageWindowProc(TcbMessage& m) {
  TCustomCaptionButton::MessageWindowProc(m);
  if (m.msg == kTrayCallbackMessage) {
    TrayCallback(static_cast<UINT>(m.lParam));
  } else if (m.msg == WM_QUERYENDSESSION) {
    SetVisible(false);
  } else if (m.msg == WM_TIMER && m.wParam == kAnimationTimer) {
    if (imageList_ && !imageList_->empty())
      SetImageIndex((imageIndex_ + 1) % static_cast<int>(imageList_->size()));
  } else if (taskbarCreated_ && m.msg == taskbarCreated_ && trayVisible_) {
    // The new taskbar has forgotten our icon; the user has seen the balloon.
    ShellRequest(Request::kReAdd);
  }
}

LRESULT TFormTrayIcon::AppWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == ShowInstanceMessage() && OwnerIsMainForm()) {
    // A later start asks for the window: out of the tray as a click on the
    // icon brings it, up from the taskbar or to the top, and the later copy
    // may then show its notice in front.
    HWND owner = HookedWindow();
    if (!owner) return 0;
    // Here and now, before the later copy's notice: done from there, the
    // window came up after the notice, and over it.
    if (IsIconic(AppWindow())) {
      ShowWindow(AppWindow(), SW_RESTORE);
    } else if (!IsWindowVisible(owner) && trayVisible_) {
      RestoreFromTray();
    } else {
      // Up without its activation: the application window taking the
      // keyboard from the window reads as a click on the active button.
      SetWindowPos(AppWindow(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // The keyboard to the window now, not by a message still queued that
    // would take the foreground back from the notice.
    SetForegroundWindow(owner);
    AllowSetForegroundWindow(static_cast<DWORD>(wParam));
    return 1;
  }
  if (msg == WM_SIZE && wParam == SIZE_MINIMIZED && (options_ & oMinimizeToTray) &&
      OwnerIsMainForm())
    MinimizeToTray();
  return appHook_.CallNext(msg, wParam, lParam);
}

void TFormTrayIcon::TakeOverItem(TMenuItem*& slot, std::function<void()>& previous, TMenuItem* item,
                                 void (TFormTrayIcon::*action)()) {
  if (item == slot) return;
  if (slot) slot->OnClick = std::move(previous);
  previous = nullptr;
  slot = item;
  if (!item) return;
  previous = item->OnClick;
  item->OnClick = [this, &previous, action] {
    if (previous) previous();
    (this->*action)();
  };
}

void TFormTrayIcon::SetPopupMenuRestoreItem(TMenuItem* item) {
  TakeOverItem(restoreItem_, restorePrevious_, item, &TFormTrayIcon::RestoreFromTray);
}

void TFormTrayIcon::SetPopupMenuTrayMinimizeItem(TMenuItem* item) {
  TakeOverItem(minimizeItem_, minimizePrevious_, item, &TFormTrayIcon::MinimizeToTray);
}

void TFormTrayIcon::SetHint(const std::string& v) {
  if (v == trayHint_) return;
  trayHint_ = v;
  ShellRequest(Request::kModify);
}

void TFormTrayIcon::SetShowHint(bool v) {
  if (v == trayShowHint_) return;
  trayShowHint_ = v;
  ShellRequest(Request::kModify);
}

void TFormTrayIcon::RestartAnimation() {
  if (!MessageWindow()) return;
  KillTimer(MessageWindow(), kAnimationTimer);
  if (animate_ && animateInterval_ != 0 && imageList_) {
    SetImageIndex(0);
    if (!SetTimer(MessageWindow(), kAnimationTimer, animateInterval_, nullptr))
      throw std::runtime_error("No timers");
  }
}

void TFormTrayIcon::SetAnimate(bool v) {
  if (v == animate_) return;
  animate_ = v;
  RestartAnimation();
}

void TFormTrayIcon::SetAnimateInterval(std::uint16_t v) {
  if (v == animateInterval_) return;
  animateInterval_ = v;
  RestartAnimation();
}

void TFormTrayIcon::SetIcon(HICON v) {
  if (v == icon_.get()) return;
  icon_.reset(v ? CopyIcon(v) : nullptr);
  if (imageList_) return;
  // Shown as given: no fall-back to the application's icon here.
  displayed_.reset(icon_ ? CopyIcon(icon_.get()) : nullptr);
  ShellRequest(Request::kModify);
}

void TFormTrayIcon::SetImageList(const std::vector<HICON>* v) {
  if (v == imageList_) return;
  imageList_ = v;
  if (v) {
    ShowImage();
  } else {
    displayed_.reset(icon_ ? CopyIcon(icon_.get()) : nullptr);
    ShellRequest(Request::kModify);
    animate_ = false;
  }
  RestartAnimation();
}

void TFormTrayIcon::ShowImage() {
  if (!imageList_ || imageIndex_ < 0 || imageIndex_ >= static_cast<int>(imageList_->size())) return;
  displayed_.reset(CopyIcon((*imageList_)[imageIndex_]));
  ShellRequest(Request::kModify);
}

void TFormTrayIcon::SetImageIndex(int v) {
  if (v == imageIndex_ && displayed_) return;
  imageIndex_ = v;
  ShowImage();
}

}  // namespace hopvox
