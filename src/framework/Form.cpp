#include "framework/Form.h"

#include "framework/Application.h"

namespace hopvox {

TForm::TForm(const std::string& caption, int clientWidth, int clientHeight, DWORD style,
             DWORD exStyle) {
  RECT rc{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&rc, style, FALSE, exStyle);
  CreateOwn("HopvoxForm", caption.c_str(), style | WS_CLIPCHILDREN, exStyle, nullptr, CW_USEDEFAULT,
            CW_USEDEFAULT, rc.right - rc.left, rc.bottom - rc.top);
  // Owned by the application window: the taskbar button is the application's.
  SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Application().Handle()));
}

void TForm::SetFont(UniqueFont font) {
  // Every control drawing with the window's font gets the new one before the
  // old one is deleted.
  UniqueFont old = std::move(font_);
  font_ = std::move(font);
  TWindow::SetFont(font_.get());
}

void TForm::SetFontSize(int points) {
  LOGFONTA lf{};
  if (!GetObjectA(font_.get(), sizeof lf, &lf)) return;
  ClientDC screen(nullptr);
  lf.lfHeight = -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  lf.lfWidth = 0;
  SetFont(UniqueFont(CreateFontIndirectA(&lf)));
}

void TForm::SetActiveControl(TWindow* control) {
  if (control && control->Handle()) ::SetFocus(control->Handle());
}

void TForm::Close() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

void TForm::CompleteEdit() {
  // The control with the focus, or the one that had it when the user left the
  // window (for another program, the tray): its edit is still in progress.
  const HWND focus = GetFocus();
  const HWND control = focus && IsChild(Handle(), focus) ? focus : lastFocus_;
  if (!control || !IsChild(Handle(), control)) return;
  if (TWindow* window = FromHandle(control); window && window->OnExit) window->OnExit();
}

void TForm::CenterOnScreen() {
  RECT r = BoundsRect();
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE: {
      // What is being typed is kept, as if the user had moved on; a failure
      // to keep it is shown and does not keep the window open.
      Application().Guard([&] { CompleteEdit(); });
      bool canClose = true;
      // A close query that fails keeps the window open.
      if (OnCloseQuery && !Application().Guard([&] { OnCloseQuery(canClose); })) canClose = false;
      if (canClose) DestroyWindow(Handle());
      return 0;
    }
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      // The process may end without a close: the edit in progress is
      // completed now. No error box: nobody is left to close it, and it
      // would hold up the log-off.
      if (msg == WM_QUERYENDSESSION || wp)
        Application().Guard([&] { CompleteEdit(); }, TErrorPolicy::epDrop);
      if (msg == WM_ENDSESSION && wp && OnEndSession)
        Application().Guard([&] { OnEndSession(); }, TErrorPolicy::epDrop);
      return msg == WM_QUERYENDSESSION ? TWindow::WndProc(msg, wp, lp) : 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        // Already gone when another thread's window took it, or on the bare
        // window (the tray's menu activates it hidden): keep what we had.
        if (HWND focus = GetFocus(); IsChild(Handle(), focus)) lastFocus_ = focus;
      } else if (!HIWORD(wp) && lastFocus_ && IsChild(Handle(), lastFocus_) &&
                 IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        // Back where the user left off: the edit there is still in progress, and
        // its exit handler runs when the user moves on, not never.
        ::SetFocus(lastFocus_);
        return 0;
      }
      return TWindow::WndProc(msg, wp, lp);
    case WM_DESTROY:
      if (OnDestroy) OnDestroy();
      if (Application().MainForm() == this) Application().Terminate();
      return 0;
    default:
      return TWindow::WndProc(msg, wp, lp);
  }
}

}  // namespace hopvox
