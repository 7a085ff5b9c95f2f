#include "framework/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "framework/KeyNavigation.h"
#include "framework/SystemLibrary.h"
#include "framework/Window.h"

namespace hopvox {

namespace {
constexpr UINT kSyncMessage = WM_APP + 0x100;
// Posted to the application window when it got the keyboard.
constexpr UINT kPassFocusMessage = WM_APP + 0x101;
constexpr char kAppClass[] = "HopvoxApplication";
}  // namespace

TApplication& Application() {
  static TApplication app;
  return app;
}

TApplication::TApplication()
    : mainThreadId_(GetCurrentThreadId()),
      syncEvent_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  InitCommonControlClasses(ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS |
                           ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);
}

TApplication::~TApplication() {
  CloseSynchronize();
  if (hintWindow_) DestroyWindow(hintWindow_);
  if (handle_) DestroyWindow(handle_);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_, title_.c_str());
}

HWND TApplication::Handle() {
  if (handle_) return handle_;
  WNDCLASSA wc{};
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = Instance();
  wc.lpszClassName = kAppClass;
  wc.hIcon = LoadIconA(Instance(), "MAINICON");
  if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error(std::string("Cannot register the window class ") + kAppClass);
  // Zero-sized: its taskbar button stands for the program, the main window
  // it owns has none of its own.
  handle_ = CreateWindowExA(0, kAppClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, Instance(), this);
  if (!handle_) throw std::runtime_error("Cannot create the application window");
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return handle_;
}

namespace {

// Whether `owner` owns `w`, at any depth. The owner chain itself:
// GA_ROOTOWNER stops at a window without WS_POPUP.
bool OwnedBy(HWND w, HWND owner) {
  while ((w = GetWindow(w, GW_OWNER)) != nullptr)
    if (w == owner) return true;
  return false;
}

// The window above all others among those the application window owns, at
// any depth, that can take the keyboard: the main form, or a box it shows.
HWND TopOwnedWindow(HWND app) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (OwnedBy(w, app) && IsWindowVisible(w) && IsWindowEnabled(w) &&
        !(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
      return w;
  }
  return nullptr;
}

}  // namespace

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (app) {
    switch (msg) {
      case kSyncMessage:
        app->CheckSynchronize();
        return 0;
      case WM_ACTIVATE: {
        // A click on the taskbar button activates this zero-sized window. The
        // keyboard belongs to the window the user was in, the main form or a
        // box it shows: passed on once the activation is through, when the
        // user came from elsewhere. From a window of ours nothing is passed
        // (a hand-over between our own windows must not start a round of
        // passes); only the shell's click on the active button is told.
        if (LOWORD(wp) == WA_INACTIVE) break;
        HWND from = reinterpret_cast<HWND>(lp);
        DWORD process = 0;
        if (from) GetWindowThreadProcessId(from, &process);
        if (process != GetCurrentProcessId())
          PostMessageA(wnd, kPassFocusMessage, FALSE, 0);
        else if (IsWindowVisible(from) && OwnedBy(from, wnd))
          PostMessageA(wnd, kPassFocusMessage, TRUE, 0);
        break;
      }
      case kPassFocusMessage:
        // Still here once the activation is through, so nothing of ours took
        // the keyboard on. Straight from a window of ours that is still up:
        // a shell that brings the button's window forward even when the
        // program is the active one, where Windows minimises the program.
        if (GetFocus() == wnd) {
          if (wp)
            SendMessageA(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
          else if (HWND top = TopOwnedWindow(wnd))
            SetActiveWindow(top);
        }
        return 0;
      case WM_CLOSE:
        // Closing the taskbar button closes the main window.
        if (app->mainForm_) PostMessageA(app->mainForm_->Handle(), WM_CLOSE, 0, 0);
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

void TApplication::ShowMainForm() {
  // The button comes with the window, not after a first trip to the tray.
  // Shown in its place in the window order: an owner just below its window
  // would keep that window above every other program.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (mainForm_) ShowWindow(mainForm_->Handle(), SW_SHOW);
}

int TApplication::Run() {
  MSG msg;
  while (!terminated_) {
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0 || r == -1) {
      terminated_ = true;
      break;
    }
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  CloseSynchronize();
  return 0;
}

void TApplication::CloseSynchronize() {
  TCriticalSection::Lock lock(syncLock_);
  syncClosed_ = true;
  // Nobody will run these any more: let their threads go on.
  while (SyncCall* call = syncQueue_.Pop()) SetEvent(call->done);
}

bool TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      return false;
    }
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return !terminated_;
}

bool TApplication::PreTranslate(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      Guard([&] { RelayDisabledHint(msg); });
      return false;
    case WM_KEYDOWN: {
      TWindow* top = msg.hwnd ? TWindow::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
      bool used = false;
      if (top) Guard([&] { used = NavigateByKey(*top, msg.wParam); });
      return used;
    }
    default:
      return false;
  }
}

HWND TApplication::DisabledHintControlAt(HWND window, POINT screen) {
  for (HWND wnd = window; wnd;) {
    if (!IsWindowEnabled(wnd)) {
      const TWindow* control = TWindow::FromHandle(wnd);
      return wnd != window && control && control->ShowHint() && !control->Hint().empty() ? wnd
                                                                                         : nullptr;
    }
    POINT pt = screen;
    ScreenToClient(wnd, &pt);
    HWND child = ChildWindowFromPointEx(wnd, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    wnd = child == wnd ? nullptr : child;
  }
  return nullptr;
}

void TApplication::RelayDisabledHint(const MSG& msg) {
  if (!hintWindow_ || !msg.hwnd) return;
  HWND control = DisabledHintControlAt(msg.hwnd, msg.pt);
  if (!control) return;
  // As if the control itself had seen the pointer: its tool is its window.
  POINT pt = msg.pt;
  ScreenToClient(control, &pt);
  MSG relayed{control, msg.message, msg.wParam, MAKELPARAM(pt.x, pt.y), msg.time, msg.pt};
  SendMessageA(hintWindow_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::SetShowHint(bool on) {
  showHint_ = on;
  if (hintWindow_) SendMessageA(hintWindow_, TTM_ACTIVATE, on, 0);
}

void TApplication::SetHintHidePause(int ms) {
  hintHidePause_ = ms;
  if (hintWindow_) SendMessageA(hintWindow_, TTM_SETDELAYTIME, TTDT_AUTOPOP, ms);
}

HWND TApplication::HintWindow() {
  if (hintWindow_) return hintWindow_;
  // Owned by the application window, as a shell gives an unowned window a
  // taskbar button of its own.
  hintWindow_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                Handle(), nullptr, Instance(), nullptr);
  if (!hintWindow_) throw std::runtime_error("Cannot create the hint window");
  SendMessageA(hintWindow_, TTM_SETMAXTIPWIDTH, 0, 300);
  SendMessageA(hintWindow_, TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHidePause_);
  SendMessageA(hintWindow_, TTM_ACTIVATE, showHint_, 0);
  // A disabled window gets no mouse messages and the system's search for the
  // window under the pointer passes over it: the hint window asks us, so the
  // tip of a disabled (locked) control stays up while the pointer rests on it.
  hintFinder_.Attach(hintWindow_, [this](UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = hintFinder_.CallNext(msg, wp, lp);
    if (msg == TTM_WINDOWFROMPOINT && lp)
      Guard([&] {
        auto* under = reinterpret_cast<HWND>(result);
        if (HWND control = DisabledHintControlAt(under, *reinterpret_cast<POINT*>(lp)))
          result = reinterpret_cast<LRESULT>(control);
      });
    return result;
  });
  return hintWindow_;
}

void TApplication::ShowError(const std::string& message) {
  HWND owner = GetActiveWindow();
  MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::ShowCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      // The error box belongs to the main thread (where this runs at once).
      Synchronize([&e, this] { HandleException(e); });
    } catch (...) {
      Synchronize([this] { ShowError("Unexpected error"); });
    }
  } catch (...) {
    // Showing the error failed in turn (no memory left, shutting down): there
    // is nobody left to tell.
  }
}

bool TApplication::Synchronize(const std::function<void()>& fn, HANDLE done) {
  if (IsMainThread()) {
    fn();
    return true;
  }
  UniqueHandle ownDone;
  if (!done) {
    ownDone.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!ownDone) throw std::runtime_error("Cannot create the hand-over event");
    done = ownDone.get();
  }
  SyncCall call{&fn, nullptr, done};
  {
    TCriticalSection::Lock lock(syncLock_);
    if (syncClosed_) return false;
    syncQueue_.Push(call);
  }
  SetEvent(syncEvent_.get());
  if (handle_) PostMessageA(handle_, kSyncMessage, 0, 0);
  // Signalled exactly once per call, by whichever of CheckSynchronize and
  // CloseSynchronize takes it off the queue.
  WaitForSingleObject(done, INFINITE);
  if (call.error) std::rethrow_exception(call.error);
  return call.ran;
}

void TApplication::CheckSynchronize() {
  for (;;) {
    SyncCall* call;
    {
      TCriticalSection::Lock lock(syncLock_);
      call = syncQueue_.Pop();
      if (!call) return;
    }
    try {
      (*call->fn)();
    } catch (...) {
      call->error = std::current_exception();
    }
    call->ran = true;
    SetEvent(call->done);
  }
}

}  // namespace hopvox
