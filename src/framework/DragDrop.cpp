#include "framework/DragDrop.h"

#include <windowsx.h>

#include "framework/Application.h"

namespace hopvox {

TDragSource::TDragSource(TWindow& source) : source_(source) {
  subclass_.Attach(source_.Handle(),
                   [this](UINT msg, WPARAM wp, LPARAM lp) { return Proc(msg, wp, lp); });
}

void TDragSource::AddTarget(TWindow& target, TDragOverEvent onDragOver, TDragDropEvent onDragDrop) {
  targets_.push_back({&target, std::move(onDragOver), std::move(onDragDrop)});
}

LRESULT TDragSource::Proc(UINT msg, WPARAM wp, LPARAM lp) {
  // The control's own press handling runs first: the list selects the entry
  // (and its selection handler runs) before a drag can begin.
  const LRESULT result = subclass_.CallNext(msg, wp, lp);
  // A press that the system pairs with the one before into a double click is
  // still a press here: the list gives double clicks no meaning, and a user
  // who drags the same entry again at once means a second drag.
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && !dragging_) {
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ClientToScreen(source_.Handle(), &pt);
    Application().Guard([&] { AfterPress(pt); });
  }
  return result;
}

void TDragSource::AfterPress(POINT screen) {
  HWND wnd = source_.Handle();
  // End the control's own mouse tracking at the press point, so the release
  // that the drag detection swallows leaves it in no half-pressed state.
  POINT client = screen;
  ScreenToClient(wnd, &client);
  subclass_.CallNext(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  if (GetCapture() == wnd) ReleaseCapture();
  if (!DragDetect(wnd, screen)) return;
  RunDrag();
}

TDragSource::Drop TDragSource::Accepting(POINT screen) const {
  HWND under = WindowFromPoint(screen);
  for (HWND w = under; w; w = GetParent(w)) {
    TWindow* window = TWindow::FromHandle(w);
    const Target* target = nullptr;
    for (const Target& t : targets_)
      if (t.window->Handle() == w) target = &t;
    if (!target && !(window && window->OnDragOver)) continue;
    if (!IsWindowEnabled(w) || !IsWindowVisible(w)) return {};
    if (target)
      return target->over && target->over(source_) ? Drop{target->window, target} : Drop{};
    POINT pt = screen;
    ScreenToClient(w, &pt);
    bool accept = true;
    window->OnDragOver(source_, pt.x, pt.y, accept);
    return accept ? Drop{window, nullptr} : Drop{};
  }
  return {};
}

void TDragSource::RunDrag() {
  HWND wnd = source_.Handle();
  dragging_ = true;
  if (source_.OnStartDrag) source_.OnStartDrag();
  SetCapture(wnd);
  HCURSOR yes = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  HCURSOR no = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO));
  Drop dropOn;
  POINT at{};
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
        ::SetCursor(Accepting(pt).window ? yes : no);
        break;
      }
      case WM_LBUTTONUP:
        GetCursorPos(&at);
        dropOn = Accepting(at);
        done = true;
        break;
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
  POINT inTarget = at;
  if (dropOn.window) ScreenToClient(dropOn.window->Handle(), &inTarget);
  if (dropOn.target) {
    if (dropOn.target->drop) dropOn.target->drop(source_);
  } else if (dropOn.window && dropOn.window->OnDragDrop) {
    dropOn.window->OnDragDrop(source_, inTarget.x, inTarget.y);
  }
  if (source_.OnEndDrag) source_.OnEndDrag(dropOn.window, inTarget.x, inTarget.y);
}

}  // namespace hopvox
