#include "framework/Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "framework/Application.h"
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/logic/QueryProtocol.h"

namespace hopvox {

namespace {

constexpr char kWindowProp[] = "HopvoxWindow";

// Global atoms outlive the process: each one we add must be deleted with its window.
void ReleaseNameAtom(HWND wnd) {
  if (auto atom =
          static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropA(wnd, query::kNameProperty))))
    GlobalDeleteAtom(atom);
}

TWindow* ChildWrapper(HWND child) { return child ? TWindow::FromHandle(child) : nullptr; }

unsigned NextCreationOrder() {
  static unsigned made = 0;
  return ++made;
}

TShiftState ShiftOf(WPARAM wp) {
  TShiftState s = static_cast<TShiftState>(wp);
  if (GetKeyState(VK_MENU) < 0) s |= 0x1000;  // Alt is not in the MK_* bits
  return s;
}

}  // namespace

TWindow::~TWindow() {
  for (TGraphicControl* g : std::vector<TGraphicControl*>(graphics_)) g->SetParent(nullptr);
  if (handle_) {
    HWND wnd = handle_;
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    RemovePropA(wnd, kWindowProp);
    subclass_.Detach();
    // With the user data gone, WM_NCDESTROY no longer reaches Dispatch.
    ReleaseNameAtom(wnd);
    handle_ = nullptr;
    DestroyWindow(wnd);
  }
}

TWindow* TWindow::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  // The property marks the windows that carry a TWindow; other windows may
  // keep anything in their user data.
  return static_cast<TWindow*>(GetPropA(wnd, kWindowProp));
}

void TWindow::RegisterOwnClass(const char* className, UINT classStyle, HBRUSH background) {
  WNDCLASSA wc{};
  if (GetClassInfoA(Application().Instance(), className, &wc)) return;
  wc.style = classStyle;
  wc.lpfnWndProc = OwnProc;
  wc.hInstance = Application().Instance();
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
  if (!RegisterClassA(&wc))
    throw std::runtime_error(std::string("Cannot register the window class ") + className);
}

void TWindow::CreateOwn(const char* className, const char* text, DWORD style, DWORD exStyle,
                        TWindow* parent, int left, int top, int width, int height) {
  ownClass_ = true;
  parent_ = parent;
  RegisterOwnClass(className);
  HWND parentWnd = parent ? parent->Handle() : nullptr;
  if (!CreateWindowExA(exStyle, className, text, style, left, top, width, height, parentWnd,
                       nullptr, Application().Instance(), this))
    throw std::runtime_error(std::string("Cannot create a window of class ") + className);
  InheritFont();
}

void TWindow::CreateStandard(const char* className, const char* text, DWORD style, DWORD exStyle,
                             TWindow* parent, int left, int top, int width, int height) {
  parent_ = parent;
  HWND wnd = CreateWindowExA(exStyle, className, text, style, left, top, width, height,
                             parent ? parent->Handle() : nullptr, nullptr, Application().Instance(),
                             nullptr);
  if (!wnd) throw std::runtime_error(std::string("Cannot create a window of class ") + className);
  Attach(wnd);
  subclass_.Attach(wnd,
                   [this](UINT msg, WPARAM wp, LPARAM lp) { return Dispatch(this, msg, wp, lp); });
  InheritFont();
}

void TWindow::InheritFont() {
  if (handle_ && parent_ && parentFont_)
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(parent_->Font()), FALSE);
}

void TWindow::FontChanged() {
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (TWindow* c = FromHandle(child); c && c->parentFont_)
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  for (TGraphicControl* g : graphics_) g->ParentFontChanged();
}

void TWindow::Attach(HWND wnd) {
  handle_ = wnd;
  creationOrder_ = NextCreationOrder();
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropA(wnd, kWindowProp, this);
}

LRESULT CALLBACK TWindow::OwnProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    if (auto* self = static_cast<TWindow*>(cs->lpCreateParams)) self->Attach(wnd);
  }
  auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, wp, lp);
  return Dispatch(self, msg, wp, lp);
}

LRESULT TWindow::Dispatch(TWindow* self, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  Application().Guard([&] { result = self->WndProc(msg, wp, lp); });
  if (msg == WM_NCDESTROY) {
    RemovePropA(self->handle_, kWindowProp);
    ReleaseNameAtom(self->handle_);
    self->handle_ = nullptr;
  }
  return result;
}

LRESULT TWindow::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (subclass_.Window()) return subclass_.CallNext(msg, wp, lp);
  return DefWindowProcA(handle_, msg, wp, lp);
}

bool TWindow::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && OnClick) {
    OnClick();
    return true;
  }
  return false;
}

LRESULT TWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  bool handled = false;
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      handled = ForwardToChild(msg, wp, lp, result);
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_ERASEBKGND:
      handled = PaintMessage(msg, wp, result);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      handled = KeyMessage(msg, wp);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return FocusMessage(msg, wp, lp);
    case WM_GETFONT:
    case WM_SETFONT:
      handled = FontMessage(msg, wp, lp, result);
      break;
    case WM_SYSCOLORCHANGE:
      SysColorMessage(wp, lp);
      break;
    case WM_SETCURSOR:
      handled = SetCursorMessage(wp, lp, result);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSELEAVE:
      handled = MouseMessage(msg, wp, lp);
      break;
    default:
      break;
  }
  return handled ? result : DefaultProc(msg, wp, lp);
}

bool TWindow::ForwardToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND from = reinterpret_cast<HWND>(lp);
  if (msg == WM_NOTIFY) {
    from = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
    if (from == handle_) return false;
  } else if (msg == WM_DRAWITEM) {
    from = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
  }
  TWindow* child = ChildWrapper(from);
  return child && child->Notify(msg, wp, lp, result);
}

bool TWindow::PaintMessage(UINT msg, WPARAM wp, LRESULT& result) {
  if (!ownClass_) return false;
  if (msg == WM_ERASEBKGND) {
    result = 1;  // painted whole, through a bitmap
  } else if (msg == WM_PRINTCLIENT) {
    PaintTo(reinterpret_cast<HDC>(wp));
  } else {
    PaintDC paint(handle_);
    RECT rc = ClientRect();
    UniqueDC mem(CreateCompatibleDC(paint.get()));
    UniqueBitmap bmp(CreateCompatibleBitmap(paint.get(), std::max<LONG>(rc.right, 1),
                                            std::max<LONG>(rc.bottom, 1)));
    ScopedSelectObject sel(mem.get(), bmp.get());
    PaintTo(mem.get());
    BitBlt(paint.get(), 0, 0, rc.right, rc.bottom, mem.get(), 0, 0, SRCCOPY);
  }
  return true;
}

bool TWindow::KeyMessage(UINT msg, WPARAM& wp) {
  if (msg == WM_CHAR) {
    if (!OnKeyPress) return false;
    char key = static_cast<char>(wp);
    OnKeyPress(key);
    wp = static_cast<unsigned char>(key);
    return !key;  // the handler took the key
  }
  auto& handler = msg == WM_KEYDOWN ? OnKeyDown : OnKeyUp;
  if (!handler) return false;
  WORD key = static_cast<WORD>(wp);
  handler(key, ShiftOf((GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) |
                       (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0)));
  wp = key;
  return !key;  // the handler took the key
}

LRESULT TWindow::FocusMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETFOCUS) {
    if (OnEnter) OnEnter();
    return DefaultProc(msg, wp, lp);
  }
  // Only a focus move inside our own window counts as leaving the control;
  // a message box or another program taking the focus does not.
  HWND to = reinterpret_cast<HWND>(wp);
  const LRESULT result = DefaultProc(msg, wp, lp);
  if (OnExit && to && GetAncestor(to, GA_ROOT) == GetAncestor(handle_, GA_ROOT)) OnExit();
  return result;
}

bool TWindow::FontMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_GETFONT) {
    result = reinterpret_cast<LRESULT>(font_);
    return ownClass_;
  }
  font_ = reinterpret_cast<HFONT>(wp);
  FontChanged();
  if (ownClass_ && LOWORD(lp)) InvalidateRect(handle_, nullptr, FALSE);
  return false;  // the control keeps the font too
}

void TWindow::SysColorMessage(WPARAM wp, LPARAM lp) {
  // Only top-level windows hear of it: pass it down to every child window
  // and let the graphic children rebuild what they drew from the old colours.
  for (TGraphicControl* g : graphics_) {
    g->SysColorChanged();
    g->Invalidate();
  }
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageA(child, WM_SYSCOLORCHANGE, wp, lp);
}

bool TWindow::SetCursorMessage(WPARAM wp, LPARAM lp, LRESULT& result) {
  if (LOWORD(lp) != HTCLIENT || reinterpret_cast<HWND>(wp) != handle_) return false;
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(handle_, &pt);
  TGraphicControl* g = GraphicAt(pt.x, pt.y);
  HCURSOR c = g && g->Cursor() ? g->Cursor() : cursor_;
  if (!c) return false;
  ::SetCursor(c);
  result = TRUE;
  return true;
}

bool TWindow::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (RouteMouse(msg, wp, lp)) return true;
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(ShiftOf(wp), x, y);
      break;
    case WM_LBUTTONDOWN:
      clickPressed_ = true;
      if (OnMouseDown) OnMouseDown(TMouseButton::mbLeft, ShiftOf(wp), x, y);
      break;
    case WM_LBUTTONDBLCLK:
      clickPressed_ = false;
      if (OnDblClick) OnDblClick();
      if (OnMouseDown) OnMouseDown(TMouseButton::mbLeft, ShiftOf(wp), x, y);
      break;
    case WM_RBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(TMouseButton::mbRight, ShiftOf(wp), x, y);
      break;
    case WM_MBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(TMouseButton::mbMiddle, ShiftOf(wp), x, y);
      break;
    case WM_LBUTTONUP:
      if (OnMouseUp) OnMouseUp(TMouseButton::mbLeft, ShiftOf(wp), x, y);
      if (ownClass_ && OnClick && std::exchange(clickPressed_, false)) {
        RECT rc = ClientRect();
        POINT pt{x, y};
        if (PtInRect(&rc, pt)) OnClick();
      }
      break;
    case WM_RBUTTONUP:
      if (OnMouseUp) OnMouseUp(TMouseButton::mbRight, ShiftOf(wp), x, y);
      break;
    case WM_MBUTTONUP:
      if (OnMouseUp) OnMouseUp(TMouseButton::mbMiddle, ShiftOf(wp), x, y);
      break;
    default:
      break;
  }
  return false;
}

TGraphicControl* TWindow::GraphicAt(int x, int y) const {
  // Later children lie above earlier ones.
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
    TGraphicControl* g = *it;
    if (g->Visible() && g->HitTest(x - g->Left(), y - g->Top())) return g;
  }
  return nullptr;
}

bool TWindow::RouteMouse(UINT msg, WPARAM wp, LPARAM lp) {
  if (graphics_.empty()) return false;
  RelayHintEvent(handle_, msg, wp, lp);  // the graphic children's hints
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  if (msg == WM_MOUSELEAVE) {
    if (hovered_) hovered_->MouseLeave();
    hovered_ = nullptr;
    return false;
  }
  TGraphicControl* target = captured_ ? captured_ : GraphicAt(x, y);
  if (msg == WM_MOUSEMOVE) {
    TGraphicControl* under = GraphicAt(x, y);
    if (under != hovered_) {
      if (hovered_) hovered_->MouseLeave();
      hovered_ = under;
      if (hovered_) {
        hovered_->MouseEnter();
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
        TrackMouseEvent(&tme);
      }
    }
  }
  if (!target || !target->Enabled()) return false;
  const int cx = x - target->Left(), cy = y - target->Top();
  switch (msg) {
    case WM_MOUSEMOVE:
      target->MouseMove(ShiftOf(wp), cx, cy);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      captured_ = target;
      SetCapture(handle_);
      target->MouseDown(TMouseButton::mbLeft, ShiftOf(wp), cx, cy);
      return true;
    case WM_RBUTTONDOWN:
      target->MouseDown(TMouseButton::mbRight, ShiftOf(wp), cx, cy);
      return true;
    case WM_MBUTTONDOWN:
      target->MouseDown(TMouseButton::mbMiddle, ShiftOf(wp), cx, cy);
      return true;
    case WM_LBUTTONUP:
      captured_ = nullptr;
      if (GetCapture() == handle_) ReleaseCapture();
      target->MouseUp(TMouseButton::mbLeft, ShiftOf(wp), cx, cy);
      return true;
    case WM_RBUTTONUP:
      target->MouseUp(TMouseButton::mbRight, ShiftOf(wp), cx, cy);
      return true;
    case WM_MBUTTONUP:
      target->MouseUp(TMouseButton::mbMiddle, ShiftOf(wp), cx, cy);
      return true;
    default:
      return false;
  }
}

void TWindow::PaintBackground(HDC dc) {
  RECT rc = ClientRect();
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
}

void TWindow::PaintTo(HDC dc) {
  PaintBackground(dc);
  for (TGraphicControl* g : graphics_) {
    if (!g->Visible()) continue;
    ScopedSaveDC save(dc);
    IntersectClipRect(dc, g->Left(), g->Top(), g->Left() + g->Width(), g->Top() + g->Height());
    POINT old;
    OffsetViewportOrgEx(dc, g->Left(), g->Top(), &old);
    g->Paint(dc);
  }
}

void TWindow::AddGraphic(TGraphicControl* control) {
  if (std::find(graphics_.begin(), graphics_.end(), control) == graphics_.end())
    graphics_.push_back(control);
}

void TWindow::RemoveGraphic(TGraphicControl* control) {
  std::erase(graphics_, control);
  if (captured_ == control) captured_ = nullptr;
  if (hovered_ == control) hovered_ = nullptr;
}

void TWindow::SetName(const std::string& name) {
  name_ = name;
  if (!handle_) return;
  ReleaseNameAtom(handle_);
  SetPropA(handle_, query::kNameProperty,
           reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(GlobalAddAtomA(name.c_str()))));
}

void TWindow::SetBounds(int left, int top, int width, int height) {
  if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

RECT TWindow::BoundsRect() const {
  RECT r{};
  if (!handle_) return r;
  GetWindowRect(handle_, &r);
  HWND parent = GetParent(handle_);
  if (parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

int TWindow::Width() const {
  RECT r = BoundsRect();
  return r.right - r.left;
}

int TWindow::Height() const {
  RECT r = BoundsRect();
  return r.bottom - r.top;
}

RECT TWindow::ClientRect() const {
  RECT r{};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

bool TWindow::Enabled() const { return handle_ && IsWindowEnabled(handle_); }
void TWindow::SetEnabled(bool on) {
  if (!handle_) return;
  if (!on) {
    // The system would drop the focus into nowhere, and the control's exit
    // handler would never run: the edit in progress would be lost.
    HWND focus = GetFocus();
    if (focus && (focus == handle_ || IsChild(handle_, focus)))
      ::SetFocus(GetAncestor(handle_, GA_ROOT));
  }
  EnableWindow(handle_, on);
}
bool TWindow::Visible() const {
  return handle_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE);
}
void TWindow::SetVisible(bool on) {
  if (handle_) ShowWindow(handle_, on ? SW_SHOW : SW_HIDE);
}
void TWindow::BringToFront() {
  if (handle_) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

std::string TWindow::Text() const {
  if (!handle_) return {};
  int n = GetWindowTextLengthA(handle_);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  n = GetWindowTextA(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(n, 0)));
  return s;
}

void TWindow::SetText(const std::string& text) {
  if (handle_) SetWindowTextA(handle_, text.c_str());
}

void TWindow::SetFont(HFONT font) {
  parentFont_ = false;
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TWindow::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

bool TWindow::Focused() const { return handle_ && GetFocus() == handle_; }

void TWindow::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateHintTool();
}

void TWindow::SetShowHint(bool on) {
  showHint_ = on;
  UpdateHintTool();
}

void TWindow::UpdateHintTool() {
  if (!handle_) return;
  HWND tip = Application().HintWindow();
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = handle_;
  ti.uId = reinterpret_cast<UINT_PTR>(handle_);
  ti.lpszText = const_cast<char*>(hint_.c_str());
  const bool want = showHint_ && !hint_.empty();
  if (want && !hintTool_) {
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    hintTool_ = true;
  } else if (want) {
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
  } else if (hintTool_) {
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    hintTool_ = false;
  }
}

}  // namespace hopvox
