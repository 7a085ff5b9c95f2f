#include "framework/DragDrop.h"

#include <windowsx.h>

#include "framework/Application.h"

namespace hopvox {

namespace {
constexpr char kDragProp[] = "HopvoxDragSource";
}

TDragSource::TDragSource(TWindow& source) : source_(source) {
  HWND wnd = source_.Handle();
  SetPropA(wnd, kDragProp, this);
  previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

TDragSource::~TDragSource() {
  HWND wnd = source_.Handle();
  if (!wnd) return;
  // Only unhook when nobody chained in after us; otherwise leave the prop
  // gone so our procedure passes everything on.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)) == Proc)
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropA(wnd, kDragProp);
}

void TDragSource::AddTarget(TWindow& target, TDragOverEvent onDragOver, TDragDropEvent onDragDrop) {
  targets_.push_back({&target, std::move(onDragOver), std::move(onDragDrop)});
}

LRESULT CALLBACK TDragSource::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<TDragSource*>(GetPropA(wnd, kDragProp));
  if (!self) return DefWindowProcA(wnd, msg, wp, lp);
  // The control's own press handling runs first: the list selects the entry
  // (and its selection handler runs) before a drag can begin.
  LRESULT result = CallWindowProcA(self->previous_, wnd, msg, wp, lp);
  if (msg == WM_LBUTTONDOWN && !self->dragging_) {
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(wnd, &pt);
    try {
      self->AfterPress(pt);
    } catch (const std::exception& e) {
      Application().HandleException(e);
    }
  }
  return result;
}

void TDragSource::AfterPress(POINT screen) {
  HWND wnd = source_.Handle();
  // End the control's own mouse tracking at the press point, so the release
  // that the drag detection swallows leaves it in no half-pressed state.
  POINT client = screen;
  ScreenToClient(wnd, &client);
  CallWindowProcA(previous_, wnd, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  if (GetCapture() == wnd) ReleaseCapture();
  if (!DragDetect(wnd, screen)) return;
  RunDrag();
}

const TDragSource::Target* TDragSource::Accepting(POINT screen) const {
  HWND under = WindowFromPoint(screen);
  for (HWND w = under; w; w = GetParent(w)) {
    for (const Target& t : targets_) {
      if (t.window->Handle() != w) continue;
      if (!IsWindowEnabled(w) || !IsWindowVisible(w)) return nullptr;
      return t.over && t.over(source_) ? &t : nullptr;
    }
  }
  return nullptr;
}

void TDragSource::RunDrag() {
  HWND wnd = source_.Handle();
  dragging_ = true;
  SetCapture(wnd);
  HCURSOR yes = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  HCURSOR no = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO));
  const Target* dropOn = nullptr;
  bool done = false;
  while (!done) {
    MSG msg;
    if (GetCapture() != wnd) break;  // another window took the mouse
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
      continue;
    }
    switch (msg.message) {
      case WM_MOUSEMOVE: {
        POINT pt;
        GetCursorPos(&pt);
        ::SetCursor(Accepting(pt) ? yes : no);
        break;
      }
      case WM_LBUTTONUP: {
        POINT pt;
        GetCursorPos(&pt);
        dropOn = Accepting(pt);
        done = true;
        break;
      }
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) done = true;
        break;
      case WM_RBUTTONDOWN:
        done = true;
        break;
      case WM_QUIT:
        PostQuitMessage(static_cast<int>(msg.wParam));
        done = true;
        break;
      default:
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        break;
    }
  }
  if (GetCapture() == wnd) ReleaseCapture();
  dragging_ = false;
  if (dropOn && dropOn->drop) dropOn->drop(source_);
}

}  // namespace hopvox
