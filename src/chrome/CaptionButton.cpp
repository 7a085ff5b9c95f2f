#include "chrome/CaptionButton.h"

#include <windowsx.h>

#include <algorithm>

#include "chrome/FrameRendering.h"
#include "chrome/logic/ButtonOrder.h"
#include "framework/SystemColours.h"

namespace hopvox {

namespace {
// Every title-bar button takes the next id; it is both its system-menu
// command and the hit-test code of its area.
int g_nextCommandId = 5734;

std::unique_ptr<TacVirtualBtnList>& RegistrySlot() {
  static std::unique_ptr<TacVirtualBtnList> registry;
  return registry;
}

void Line(HDC dc, COLORREF color, std::initializer_list<POINT> pts) {
  UniquePen pen(CreatePen(PS_SOLID, 1, color));
  ScopedSelectObject s(dc, pen.get());
  auto it = pts.begin();
  MoveToEx(dc, it->x, it->y, nullptr);
  for (++it; it != pts.end(); ++it) LineTo(dc, it->x, it->y);
}

SIZE BitmapSize(HBITMAP b) {
  BITMAP bm{};
  GetObjectA(b, sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}
}  // namespace

CaptionMetrics ReadCaptionMetrics() {
  CaptionMetrics m;
  m.cxSize = GetSystemMetrics(SM_CXSIZE);
  m.cySize = GetSystemMetrics(SM_CYSIZE);
  m.cxSmSize = GetSystemMetrics(SM_CXSMSIZE);
  m.cySmSize = GetSystemMetrics(SM_CYSMSIZE);
  m.cyCaption = GetSystemMetrics(SM_CYCAPTION);
  m.cySmCaption = GetSystemMetrics(SM_CYSMCAPTION);
  m.cyMenu = GetSystemMetrics(SM_CYMENU);
  m.cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
  m.cyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME);
  m.cxFrame = GetSystemMetrics(SM_CXFRAME);
  m.cyFrame = GetSystemMetrics(SM_CYFRAME);
  return m;
}

// ---- registry ----

TacVirtualBtnList* TacVirtualBtnList::Instance() { return RegistrySlot().get(); }

TacVirtualBtnList& TacVirtualBtnList::Acquire() {
  auto& slot = RegistrySlot();
  if (!slot) slot = std::make_unique<TacVirtualBtnList>();
  return *slot;
}

TacRealButtonsList* TacVirtualBtnList::Find(HWND window, bool create) {
  for (auto& l : lists_)
    if (l->window == window) return l.get();
  if (!create) return nullptr;
  lists_.push_back(std::make_unique<TacRealButtonsList>());
  lists_.back()->window = window;
  if (window) LeaveFrameToWindow(window);
  return lists_.back().get();
}

TacRealButtonsList* TacVirtualBtnList::ListOf(const TCustomCaptionButton* b) {
  for (auto& l : lists_)
    if (std::find(l->buttons.begin(), l->buttons.end(), b) != l->buttons.end()) return l.get();
  return nullptr;
}

void TacVirtualBtnList::Remove(TCustomCaptionButton* b) {
  for (auto it = lists_.begin(); it != lists_.end(); ++it) {
    auto& v = (*it)->buttons;
    auto pos = std::find(v.begin(), v.end(), b);
    if (pos == v.end()) continue;
    v.erase(pos);
    if (v.empty()) lists_.erase(it);
    return;
  }
}

// ---- construction ----

TCustomCaptionButton::TCustomCaptionButton(OwnerHandle owner)
    : TcbFormHookComponent(std::move(owner)),
      cursor_(LoadCursor(nullptr, IDC_ARROW)),
      cursorDown_(LoadCursor(nullptr, IDC_ARROW)) {
  auto& registry = TacVirtualBtnList::Acquire();
  commandId_ = g_nextCommandId++;
  if (auto* list = registry.Find(HookedWindow(), true);
      std::find(list->buttons.begin(), list->buttons.end(), this) == list->buttons.end())
    list->buttons.push_back(this);
  LayoutWithFrameRefresh();
}

TCustomCaptionButton::~TCustomCaptionButton() {
  destroying_ = true;
  visible_ = false;
  if (auto* registry = TacVirtualBtnList::Instance()) {
    auto* list = registry->ListOf(this);
    auto others = list ? list->buttons : std::vector<TCustomCaptionButton*>{};
    registry->Remove(this);
    // The buttons to the left move into the freed slot.
    others.erase(std::remove(others.begin(), others.end(), this), others.end());
    if (!others.empty()) others.front()->LayoutWithFrameRefresh();
  }
  RemoveTool();
}

void TCustomCaptionButton::Loaded() {
  const bool wasLoading = loading_;
  loading_ = false;
  if (!wasLoading) return;
  if (auto* list = TacVirtualBtnList::Acquire().ListOf(this)) {
    if (SortByStoredOrder(list->buttons,
                          [](const TCustomCaptionButton* b) { return b->storedOrder_; }))
      LayoutWithFrameRefresh();
  }
  AddTool();
}

// ---- layout and painting ----

CaptionWindow TCustomCaptionButton::ReadWindow() const {
  CaptionWindow w;
  HWND h = HookedWindow();
  if (!h) return w;
  RECT r{};
  GetWindowRect(h, &r);
  const LONG style = GetWindowLongA(h, GWL_STYLE);
  const LONG ex = GetWindowLongA(h, GWL_EXSTYLE);
  w.width = r.right - r.left;
  w.toolWindow = (ex & WS_EX_TOOLWINDOW) != 0;
  w.contextHelp = (ex & WS_EX_CONTEXTHELP) != 0;
  w.minimizeBox = (style & WS_MINIMIZEBOX) != 0;
  w.maximizeBox = (style & WS_MAXIMIZEBOX) != 0;
  w.systemMenu = (style & WS_SYSMENU) != 0;
  w.iconic = IsIconic(h) != 0;
  w.thickFrame = (style & WS_THICKFRAME) != 0;
  w.hasMenu = GetMenu(h) != nullptr;
  return w;
}

void TCustomCaptionButton::LayoutWithFrameRefresh() {
  auto* registry = TacVirtualBtnList::Instance();
  auto* list = registry ? registry->ListOf(this) : nullptr;
  if (!list) return;
  std::vector<LayoutSlot> slots;
  for (auto* b : list->buttons)
    slots.push_back({b->visible_, b->separatorWidth_, b->layoutOffset_});
  LayoutCaptionButtons(slots, CaptionSlotWidth(ReadWindow(), ReadCaptionMetrics()));
  for (std::size_t i = 0; i < slots.size(); ++i) list->buttons[i]->layoutOffset_ = slots[i].offset;
  RefreshFrame();
}

int TCustomCaptionButton::BtnOrder() const {
  auto* registry = TacVirtualBtnList::Instance();
  auto* list = registry ? registry->ListOf(this) : nullptr;
  if (!list) return -1;
  return static_cast<int>(std::find(list->buttons.begin(), list->buttons.end(), this) -
                          list->buttons.begin());
}

void TCustomCaptionButton::SetBtnOrder(int v) {
  if (loading_) {
    storedOrder_ = v;
    return;
  }
  auto* registry = TacVirtualBtnList::Instance();
  auto* list = registry ? registry->ListOf(this) : nullptr;
  if (list && MoveToOrder(list->buttons, BtnOrder(), v)) LayoutWithFrameRefresh();
}

void TCustomCaptionButton::PaintButton(bool pressed) {
  press_.Painted(pressed);
  HWND hwnd = HookedWindow();
  if (!visible_ || !hwnd || !IsWindow(hwnd)) return;
  if ((GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return;

  const CaptionWindow win = ReadWindow();
  const CaptionMetrics metrics = ReadCaptionMetrics();
  const ButtonGeometry g = ComputeButtonGeometry(win, metrics, layoutOffset_);
  rect_ = g.hitRect;
  const int bw = win.toolWindow ? metrics.cxSmSize : metrics.cxSize;
  const int bh = win.toolWindow ? metrics.cySmSize : metrics.cySize;
  const int w = bw - 5, h = bh - 7;
  const int p = pressed ? 1 : 0;

  HDC windowDc = GetWindowDC(hwnd);
  if (!windowDc) return;
  struct Release {
    HWND w;
    HDC dc;
    ~Release() { ReleaseDC(w, dc); }
  } release{hwnd, windowDc};

  UniqueDC mem(CreateCompatibleDC(windowDc));
  UniqueBitmap image(CreateCompatibleBitmap(windowDc, g.imageWidth, g.imageHeight));
  ScopedSelectObject selImage(mem.get(), image.get());
  HDC dc = mem.get();

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  if (!pressed) {
    Line(dc, highlight, {{0, h + 1}, {0, 0}, {w + 3, 0}});
    Line(dc, RGB(0, 0, 0), {{0, h + 2}, {w + 2, h + 2}, {w + 2, -1}});
    Line(dc, RGB(0x80, 0x80, 0x80), {{w + 1, 1}, {w + 1, h + 1}, {0, h + 1}});
    Line(dc, GetSysColor(COLOR_3DLIGHT), {{1, h}, {1, 1}, {w + 1, 1}});
  } else {
    Line(dc, RGB(0, 0, 0), {{0, h + 1}, {0, 0}, {w + 3, 0}});
    Line(dc, highlight, {{0, h + 2}, {w + 2, h + 2}, {w + 2, -1}});
    Line(dc, RGB(0x80, 0x80, 0x80), {{w, 1}, {1, 1}, {1, h + 1}});
    Line(dc, RGB(0xC0, 0xC0, 0xC0), {{w + 1, 1}, {w + 1, h + 1}, {0, h + 1}});
  }
  {
    UniquePen pen(CreatePen(PS_SOLID, 1, face));
    UniqueBrush brush(CreateSolidBrush(face));
    ScopedSelectObject sp(dc, pen.get()), sb(dc, brush.get());
    Rectangle(dc, 2, 2, w + 1, h + 1);
  }

  if (!glyph_) {
    SetBkMode(dc, TRANSPARENT);
    UniqueFont font(CreateFontA(7 - GetSystemMetrics(SM_CYSIZE), 0, 0, 0,
                                signFont_.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                                0, 0, 0, signFont_.name.c_str()));
    ScopedSelectObject sf(dc, font.get());
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    const char text[1] = {sign_};
    auto draw = [&](COLORREF c, int d) {
      SetTextColor(dc, c);
      TextOutA(dc, d + bw / 2 - 1 + signLeft_ + p, d + signTop_ + p, text, 1);
    };
    if (press_.enabled) {
      draw(signFont_.color == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : signFont_.color, 0);
    } else {
      draw(RGB(255, 255, 255), 1);
      draw(RGB(0x80, 0x80, 0x80), 0);
    }
  } else {
    PaintGlyph(dc, pressed, w, h);
  }
  BitBlt(windowDc, g.imageX, g.imageY, g.imageWidth, g.imageHeight, dc, 0, 0, SRCCOPY);
}

namespace {

// Bits set where `src` (a glyph) is black: the strokes of a line picture.
UniqueBitmap BlackOf(HDC src, SIZE size, HDC maskDc) {
  UniqueBitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  const HGDIOBJ old = SelectObject(maskDc, mask.get());
  SetBkColor(src, RGB(0, 0, 0));
  BitBlt(maskDc, 0, 0, size.cx, size.cy, src, 0, 0, SRCCOPY);
  SelectObject(maskDc, old);
  return mask;
}

// Paints `colour` into `work` where the mask in `maskDc` has its bits set,
// shifted by `d`; the rest of `work` stays.
void Stamp(HDC work, HDC maskDc, SIZE size, COLORREF colour, int d) {
  constexpr DWORD kWhereSet = 0xE20746;  // DSPDxax: pattern where the source is 1
  SetTextColor(work, RGB(0, 0, 0));
  SetBkColor(work, RGB(255, 255, 255));
  UniqueBrush brush(CreateSolidBrush(colour));
  ScopedSelectObject sb(work, brush.get());
  BitBlt(work, d, d, size.cx, size.cy, maskDc, 0, 0, kWhereSet);
}

}  // namespace

void TCustomCaptionButton::PaintGlyph(HDC dc, bool pressed, int w, int h) {
  HBITMAP source = (pressed && glyphDown_) ? glyphDown_.get() : glyph_.get();
  const SIZE size = BitmapSize(source);
  UniqueDC src(CreateCompatibleDC(dc)), work(CreateCompatibleDC(dc)),
      maskDc(CreateCompatibleDC(dc));
  UniqueBitmap workBmp(CreateCompatibleBitmap(dc, size.cx, size.cy));
  ScopedSelectObject ss(src.get(), source), sw(work.get(), workBmp.get());
  const RECT all{0, 0, size.cx, size.cy};
  UniqueBrush faceBrush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  const COLORREF seeThrough = GetPixel(src.get(), 0, 0);

  if (!press_.enabled) {
    // Embossed look stamped from the glyph's black pixels.
    UniqueBitmap mask = BlackOf(src.get(), size, maskDc.get());
    ScopedSelectObject sm(maskDc.get(), mask.get());
    FillRect(work.get(), &all, faceBrush.get());
    Stamp(work.get(), maskDc.get(), size, GetSysColor(COLOR_BTNHIGHLIGHT), 1);
    Stamp(work.get(), maskDc.get(), size, GetSysColor(COLOR_BTNSHADOW), 0);
  } else {
    if (glyphTransparent_) {
      FillRect(work.get(), &all, faceBrush.get());
      // The system's own: the imaging library's TransparentBlt only leads to it.
      GdiTransparentBlt(work.get(), 0, 0, size.cx, size.cy, src.get(), 0, 0, size.cx, size.cy,
                        seeThrough);
    } else {
      BitBlt(work.get(), 0, 0, size.cx, size.cy, src.get(), 0, 0, SRCCOPY);
    }
    // On a dark face (high contrast) black strokes would vanish: they take
    // the button text colour, as the window's own black text does.
    if (UseSystemColours() && !(glyphTransparent_ && seeThrough == RGB(0, 0, 0))) {
      UniqueBitmap mask = BlackOf(src.get(), size, maskDc.get());
      ScopedSelectObject sm(maskDc.get(), mask.get());
      Stamp(work.get(), maskDc.get(), size, TextColour(RGB(0, 0, 0)), 0);
    }
  }
  const int p = pressed ? 1 : 0;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 2 + p, 2 + p, w - 1, h - 1, work.get(), 0, 0, size.cx, size.cy, SRCCOPY);
}

// ---- messages ----

void TCustomCaptionButton::Apply(const PressResult& r) {
  if (r.paint != PressResult::kNone) PaintButton(r.paint == PressResult::kPressed);
  if (r.capture) SetCapture(HookedWindow());
  if (r.releaseCapture) ReleaseCapture();
}

void TCustomCaptionButton::BeforeMessage(TcbMessage& m, bool& handled) {
  switch (m.msg) {
    case WM_SETCURSOR:
      if (LOWORD(m.lParam) == commandId_) {
        ::SetCursor(press_.DrawnPressed() ? cursorDown_
                                          : cursor_);  // the system's, not our property
        m.result = TRUE;
        handled = true;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<int>(m.wParam) == commandId_) m.msg = WM_NCLBUTTONDOWN;
      break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      handled = static_cast<int>(m.wParam) == commandId_;
      break;
    case WM_INITMENUPOPUP:
      // The popup menu in the system menu opens: show its items as they are now.
      if (reinterpret_cast<HMENU>(m.wParam) == systemMenu_.Submenu() && systemMenu_.Submenu())
        systemMenu_.RefreshSubmenu();
      break;
  }
}

void TCustomCaptionButton::AfterMessage(TcbMessage& m) {
  if (popupOpen_) {
    HWND capture = GetCapture();
    if (capture && capture != HookedWindow()) return;
    popupOpen_ = false;
  }
  switch (m.msg) {
    case WM_GETTEXT:
      PostMessageA(MessageWindow(), kRepaintRequestMessage, 0, 0);
      break;
    case WM_NCHITTEST: {
      bool over = false;
      if (m.result == HTCAPTION) {
        // Signed screen coordinates: monitors left of or above the primary
        // one have negative ones.
        POINT pt{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ScreenToClient(HookedWindow(), &pt);
        over = visible_ && CaptionButtonHit(rect_, pt.x, pt.y);
      }
      Apply(press_.HitTest(over));
      if (over) m.result = commandId_;
      break;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE:
      Repaint();
      UpdateTool();
      break;
    case WM_NCLBUTTONDOWN: {
      if (!press_.enabled) break;
      const bool onButton = static_cast<int>(m.wParam) == commandId_;
      Apply(press_.ButtonDown(onButton));
      if (onButton) ::SetCursor(cursorDown_);
      break;
    }
    case WM_NCMOUSEMOVE:
      // One relay per move: the button under the pointer makes it.
      if (static_cast<int>(m.wParam) == commandId_) RelayToTool(m.lParam);
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      if (press_.Captured()) EndPress();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.lParam) != HookedWindow()) Apply(press_.CaptureLost());
      break;
    case WM_MOUSEMOVE:
      if (press_.Captured())
        Apply(press_.MouseMove(PointerLeftCaptionBand(static_cast<std::uint32_t>(m.lParam),
                                                      ReadWindow(), ReadCaptionMetrics())));
      break;
    case WM_SYSCOMMAND:
      if (popupMenu_) {
        DispatchPopupCommand(*popupMenu_, LOWORD(m.wParam));
      } else if (static_cast<int>(m.wParam) == commandId_) {
        BeforeMenuClick();
        if (press_.allowPress) {
          SetDown(!press_.down);
          if (press_.down)
            DoPressed();
          else
            DoReleased();
        }
        DoMenuClick();
      }
      break;
    case kRepaintRequestMessage:
      Repaint();
      break;
  }
}

void TCustomCaptionButton::EndPress() {
  press_.hasPopup = popupMenu_ != nullptr;
  const PressResult r = press_.ButtonUp();
  if (r.releaseCapture) ReleaseCapture();
  if (r.clicked) {
    BeforeButtonClick();
    if (r.toggled) {
      SetDown(!press_.down);  // repaints and moves the menu check mark
      if (press_.down)
        DoPressed();
      else
        DoReleased();
    }
    DoButtonClick();
  }
  if (r.popup && popupMenu_) {
    const Point at =
        PopupMenuAnchor(rect_, GetMenu(HookedWindow()) != nullptr, ReadCaptionMetrics());
    POINT pt{at.x, at.y};
    ClientToScreen(HookedWindow(), &pt);
    popupOpen_ = true;
    popupMenu_->Popup(HookedWindow(), pt.x, pt.y);
  }
  if (r.paint == PressResult::kUp) PaintButton(false);
}

void TCustomCaptionButton::MessageWindowProc(TcbMessage& m) {
  TcbFormHookComponent::MessageWindowProc(m);
  if (m.msg == kRepaintRequestMessage) Repaint();
}

void TCustomCaptionButton::Rehooked() {
  // The first button of the window to hear of its new handle sets it up.
  if (auto* registry = TacVirtualBtnList::Instance())
    if (auto* list = registry->ListOf(this); list && list->window != HookedWindow()) {
      list->window = HookedWindow();
      LeaveFrameToWindow(list->window);
    }
  RemoveTool();
  AddTool();
  LayoutWithFrameRefresh();
  systemMenu_.Rebuild();
}

// ---- events ----

void TCustomCaptionButton::DoButtonClick() {
  if (OnButtonClick) OnButtonClick(*this);
  Click();
}
void TCustomCaptionButton::DoMenuClick() {
  if (OnMenuClick) OnMenuClick(*this);
  Click();
}
void TCustomCaptionButton::Click() {
  if (OnClick) OnClick(*this);
}
void TCustomCaptionButton::DoPressed() {
  if (OnPressed) OnPressed(*this);
}
void TCustomCaptionButton::DoReleased() {
  if (OnReleased) OnReleased(*this);
}

// ---- setters ----

void TCustomCaptionButton::SetAllowPress(bool v) {
  if (v == press_.allowPress) return;
  // Turned off: Down goes through its setter (repaint, menu check mark).
  if (!v && !press_.Captured()) SetDown(false);
  press_.allowPress = v;
}

void TCustomCaptionButton::SetDown(bool v) {
  if (!press_.allowPress) v = false;
  if (v == press_.down) return;
  press_.SetDown(v);
  if (systemMenu_.ApplyToMenu()) systemMenu_.SetCheck(press_.down);
  Repaint();
}

void TCustomCaptionButton::SetEnabled(bool v) {
  if (v == press_.enabled) return;
  press_.enabled = v;
  if (HMENU menu = GetSystemMenuHandle())
    EnableMenuItem(menu, commandId_, MF_BYCOMMAND | (v ? MF_ENABLED : MF_GRAYED));
  UpdateTool();
  Repaint();
}

HBITMAP TCustomCaptionButton::LoadGlyph(const char* resourceName) {
  return static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), resourceName, IMAGE_BITMAP, 0, 0, 0));
}

void TCustomCaptionButton::SetGlyph(HBITMAP v) {
  if (v == glyph_.get()) return;
  glyph_.reset(v ? static_cast<HBITMAP>(CopyImage(v, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
  Repaint();
}

void TCustomCaptionButton::SetGlyphDown(HBITMAP v) {
  if (v == glyphDown_.get()) return;
  glyphDown_.reset(v ? static_cast<HBITMAP>(CopyImage(v, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
  Repaint();
}

void TCustomCaptionButton::SetHint(const std::string& v) {
  if (v == hint_) return;
  hint_ = v;
  UpdateTool();
}

void TCustomCaptionButton::SetShowHint(bool v) {
  if (v == showHint_) return;
  showHint_ = v;
  UpdateTool();
}

void TCustomCaptionButton::SetPopupMenu(TPopupMenu* v) {
  if (v == popupMenu_) return;
  popupMenu_ = v;
  systemMenu_.Rebuild();
}

void TCustomCaptionButton::SetSeparatorWidth(std::uint8_t v) {
  if (v == separatorWidth_) return;
  separatorWidth_ = v;
  LayoutWithFrameRefresh();
}

void TCustomCaptionButton::SetSignFont(const TcbSignFont& v) {
  signFont_ = v;  // the height is always derived from the caption size
  Repaint();
}

void TCustomCaptionButton::SetGlyphTransparent(bool v) {
  if (v == glyphTransparent_) return;
  glyphTransparent_ = v;
  Repaint();
}

void TCustomCaptionButton::SetSignLeft(int v) {
  if (v == signLeft_) return;
  signLeft_ = v;
  Repaint();
}

void TCustomCaptionButton::SetSignTop(int v) {
  if (v == signTop_) return;
  signTop_ = v;
  Repaint();
}

void TCustomCaptionButton::SetSign(char v) {
  if (v == sign_) return;
  sign_ = v;
  Repaint();
}

void TCustomCaptionButton::SetVisible(bool v) {
  visible_ = v;  // always re-laid out: the frame may have changed meanwhile
  UpdateTool();
  LayoutWithFrameRefresh();
}

// ---- property group ----

int TACaptionButton::BtnOrder() const { return b_.BtnOrder(); }
void TACaptionButton::SetBtnOrder(int v) { b_.SetBtnOrder(v); }
HCURSOR TACaptionButton::Cursor() const { return b_.Cursor(); }
void TACaptionButton::SetCursor(HCURSOR v) { b_.SetCursor(v); }
HCURSOR TACaptionButton::CursorDown() const { return b_.CursorDown(); }
void TACaptionButton::SetCursorDown(HCURSOR v) { b_.SetCursorDown(v); }
bool TACaptionButton::Enabled() const { return b_.Enabled(); }
void TACaptionButton::SetEnabled(bool v) { b_.SetEnabled(v); }
const std::string& TACaptionButton::Hint() const { return b_.Hint(); }
void TACaptionButton::SetHint(const std::string& v) { b_.SetHint(v); }
std::int32_t TACaptionButton::SeparatorWidth() const { return b_.SeparatorWidth(); }
void TACaptionButton::SetSeparatorWidth(std::int32_t v) {
  b_.SetSeparatorWidth(static_cast<std::uint8_t>(std::clamp(v, 0, 255)));
}
bool TACaptionButton::ShowHint() const { return b_.ShowHint(); }
void TACaptionButton::SetShowHint(bool v) { b_.SetShowHint(v); }
bool TACaptionButton::Visible() const { return b_.Visible(); }
void TACaptionButton::SetVisible(bool v) { b_.SetVisible(v); }

}  // namespace hopvox
