#include "widgets/DFWFoldPanel.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Application.h"
#include "framework/Font.h"
#include "framework/ScreenScale.h"

namespace hopvox {

// ---- TDFWPaneles ------------------------------------------------------------

void TDFWPaneles::CreatePanel(TWindow* parent, const TBounds& bounds) {
  Create(parent, bounds, TBevel::bvNone);
}

void TDFWPaneles::SetBevels(TPanelBevel inner, TPanelBevel outer, int width) {
  bevelInner_ = inner;
  bevelOuter_ = outer;
  bevelWidth_ = width < 1 ? 1 : width;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWPaneles::SetBorderWidth(int width) {
  if (width < 0) width = 0;
  if (width == borderWidth_) return;
  borderWidth_ = width;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWPaneles::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWPaneles::PaintBackground(HDC dc) {
  RECT client = ClientRect();
  TRect r{client.left, client.top, client.right, client.bottom};
  std::vector<BevelFrame> frames;
  auto bevel = [&](TPanelBevel b) {
    if (b == TPanelBevel::bvNone) return;
    TColor a = b == TPanelBevel::bvRaised    ? clBtnHighlight
               : b == TPanelBevel::bvLowered ? clBtnShadow
                                             : color_;
    TColor z = b == TPanelBevel::bvRaised    ? clBtnShadow
               : b == TPanelBevel::bvLowered ? clBtnHighlight
                                             : color_;
    for (int i = 0; i < bevelWidth_; ++i) {
      frames.push_back({r, a, z});
      r.Inflate(-1);
    }
  };
  bevel(bevelOuter_);
  for (int i = 0; i < borderWidth_; ++i) {
    frames.push_back({r, color_, color_});
    r.Inflate(-1);
  }
  bevel(bevelInner_);
  DrawFrames(dc, frames);
  FillSolid(dc, ToRECT(r), ToColorRef(color_));
}

// ---- TDFWFoldPanelClient ------------------------------------------------------

TDFWFoldPanelClient::TDFWFoldPanelClient(TDFWFoldPanel& owner) : owner_(owner) {
  SetBevels(TPanelBevel::bvNone, TPanelBevel::bvNone, 1);
  CreatePanel(&owner, {});
}

// ---- shared hover timer -------------------------------------------------------

// One 300 ms timer for all fold panels: it takes the highlight off the glyph
// of the panel the pointer has left, which the panel's own mouse messages
// cannot tell when the pointer moves straight onto another window.
struct FoldHover {
  static inline UINT_PTR timer = 0;
  static inline TDFWFoldPanel* panel = nullptr;
  static inline int living = 0;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Application().Guard([] {
      if (panel && !panel->HoverCheck()) Stop();
    });
  }
  static void Stop() {
    if (timer) KillTimer(nullptr, timer);
    timer = 0;
    panel = nullptr;
  }
  static void Start(TDFWFoldPanel* p) {
    // The previous panel gets its check at once, so it never stays lit.
    if (panel && panel != p && !panel->HoverCheck()) panel = nullptr;
    if (timer) KillTimer(nullptr, timer);
    panel = p;
    timer = SetTimer(nullptr, 0, 300, Tick);
  }
  static void Forget(TDFWFoldPanel* p) {
    if (panel == p) Stop();
  }
};

// ---- TDFWFoldPanel ------------------------------------------------------------

TDFWFoldPanel::TDFWFoldPanel(const Args& a) {
  // The caption's font is in points: on a finer screen its bar grows with it.
  cfg_.LeastFolded = ScaleToScreen(cfg_.LeastFolded);
  SetBevels(cfg_.BevelInner, cfg_.BevelOuter, cfg_.BevelWidth);
  CreatePanel(a.parent, a.bounds);
  client_ = std::make_unique<TDFWFoldPanelClient>(*this);
  // The client's events are the panel's, in the panel's coordinates.
  auto toPanel = [this](int& x, int& y) {
    POINT pt{x, y};
    MapWindowPoints(client_->Handle(), Handle(), &pt, 1);
    x = pt.x;
    y = pt.y;
  };
  client_->OnClick = [this] {
    if (OnClick) OnClick();
  };
  client_->OnMouseMove = [this, toPanel](TShiftState s, int x, int y) {
    toPanel(x, y);
    if (OnMouseMove) OnMouseMove(s, x, y);
  };
  client_->OnMouseDown = [this, toPanel](TMouseButton b, TShiftState s, int x, int y) {
    toPanel(x, y);
    if (OnMouseDown) OnMouseDown(b, s, x, y);
  };
  client_->OnMouseUp = [this, toPanel](TMouseButton b, TShiftState s, int x, int y) {
    toPanel(x, y);
    if (OnMouseUp) OnMouseUp(b, s, x, y);
  };
  client_->OnDblClick = [this] {
    if (OnDblClick) OnDblClick();
  };
  client_->OnKeyDown = [this](WORD& key, TShiftState s) {
    if (OnKeyDown) OnKeyDown(key, s);
  };
  client_->OnKeyPress = [this](char& key) {
    if (OnKeyPress) OnKeyPress(key);
  };
  client_->OnKeyUp = [this](WORD& key, TShiftState s) {
    if (OnKeyUp) OnKeyUp(key, s);
  };
  client_->OnEnter = [this] {
    if (OnEnter) OnEnter();
  };
  client_->OnExit = [this] {
    if (OnExit) OnExit();
  };
  // Without a handler of the panel's, the client takes no drops.
  client_->OnDragOver = [this, toPanel](TWindow& source, int x, int y, bool& accept) {
    toPanel(x, y);
    if (OnDragOver)
      OnDragOver(source, x, y, accept);
    else
      accept = false;
  };
  client_->OnDragDrop = [this, toPanel](TWindow& source, int x, int y) {
    toPanel(x, y);
    if (OnDragDrop) OnDragDrop(source, x, y);
  };
  client_->OnStartDrag = [this] {
    if (OnStartDrag) OnStartDrag();
  };
  client_->OnEndDrag = [this, toPanel](TWindow* target, int x, int y) {
    toPanel(x, y);
    if (OnEndDrag) OnEndDrag(target, x, y);
  };
  captionFont_ = MakeFont("Small Fonts", 7);
  LoadDefaultGlyph(Glyph::Expand);
  LoadDefaultGlyph(Glyph::Collaps);
  savedSize_ = a.bounds.height;
  ++FoldHover::living;
  status_ = TFoldStatus::fsCollapsed;  // so the expand below runs in full
  Expand();
}

TDFWFoldPanel::~TDFWFoldPanel() {
  FoldHover::Forget(this);
  if (--FoldHover::living == 0) FoldHover::Stop();
  client_.reset();
}

TRect TDFWFoldPanel::Bounds() const {
  RECT b = BoundsRect();
  return {b.left, b.top, b.right, b.bottom};
}

void TDFWFoldPanel::SetOwnBounds(const TRect& r) {
  // The lock holds off everyone's size changes but the panel's own.
  const bool held = sizeLock_;
  sizeLock_ = false;
  SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  sizeLock_ = held;
}

TSize TDFWFoldPanel::GlyphSize(HBITMAP bmp) const {
  SIZE s = BitmapSize(bmp);
  return {s.cx, s.cy};
}

int TDFWFoldPanel::CollapsedHeight() const {
  return hopvox::CollapsedHeight(cfg_, GlyphSize(expand_.get()), Height());
}

int TDFWFoldPanel::CollapsedWidth() const {
  return hopvox::CollapsedWidth(cfg_, GlyphSize(expand_.get()), Width());
}

void TDFWFoldPanel::SetFoldStatus(TFoldStatus s) {
  if (s == status_) return;
  if (s == TFoldStatus::fsCollapsed)
    Collapse();
  else
    Expand();
}

void TDFWFoldPanel::Collapse() {
  if (!cfg_.Folding) return;
  if (BeforeCollaps) BeforeCollaps();
  status_ = TFoldStatus::fsCollapsed;
  client_->SetVisible(false);
  TRect b = Bounds();
  SetOwnBounds(ResizeFolded(cfg_, b, FoldedSize(cfg_, GlyphSize(expand_.get()), b)));
  sizeLock_ = true;
  UpdateGlyphRect();
  InvalidateRect(Handle(), nullptr, FALSE);
  if (AfterCollaps) AfterCollaps();
}

void TDFWFoldPanel::Expand() {
  if (BeforeExpand) BeforeExpand();
  status_ = TFoldStatus::fsExpanded;
  sizeLock_ = false;
  SetOwnBounds(ResizeFolded(cfg_, Bounds(), savedSize_));
  LayoutClient();
  client_->SetVisible(true);
  UpdateGlyphRect();
  InvalidateRect(Handle(), nullptr, FALSE);
  if (AfterExpand) AfterExpand();
}

HBITMAP TDFWFoldPanel::CurrentGlyph() const {
  bool collapsed = status_ == TFoldStatus::fsCollapsed;
  if (hot_) return collapsed ? expandHi_.get() : collapsHi_.get();
  return collapsed ? expand_.get() : collaps_.get();
}

void TDFWFoldPanel::UpdateGlyphRect() {
  RECT c = ClientRect();
  glyphRect_ = FoldGlyphRect(cfg_, GlyphSize(CurrentGlyph()), c.right, c.bottom);
}

void TDFWFoldPanel::Relayout() {
  LayoutClient();
  UpdateGlyphRect();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWFoldPanel::InvalidateGlyph() {
  RECT r = ToRECT(glyphRect_);
  InvalidateRect(Handle(), &r, FALSE);
}

void TDFWFoldPanel::LayoutClient() {
  if (!client_) return;
  int offset = FoldClientOffset(cfg_, GlyphSize(CurrentGlyph()));
  RECT c = ClientRect();
  TRect aligned{c.left, c.top, c.right, c.bottom};
  aligned.Inflate(-FoldAlignInset(cfg_));
  TRect r = FoldClientBounds(cfg_, aligned, offset, !cfg_.Folding);
  MoveWindow(client_->Handle(), r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0),
             TRUE);
}

void TDFWFoldPanel::SetGlyph(Glyph which, HBITMAP bmp) {
  if (!bmp) {
    LoadDefaultGlyph(which);
  } else {
    (which == Glyph::Expand ? expand_ : collaps_) = CopyBitmap(bmp);
    (which == Glyph::Expand ? customExpand_ : customCollaps_) = true;
    // The highlight under the pointer must be of the glyph that is shown.
    RebuildHighlights();
  }
  GlyphChanged();
}

void TDFWFoldPanel::LoadDefaultGlyph(Glyph which) {
  bool vertical = cfg_.Orientation == TFoldOrientation::foVertical;
  if (which == Glyph::Expand) {
    expand_ = LoadResourceBitmap(vertical ? "EXPAND_V" : "EXPAND_H");
    customExpand_ = false;
  } else {
    collaps_ = LoadResourceBitmap(vertical ? "COLLAPS_V" : "COLLAPS_H");
    customCollaps_ = false;
  }
  RebuildHighlights();
}

void TDFWFoldPanel::RebuildHighlights() {
  auto highlight = [this](HBITMAP glyph) {
    UniqueBitmap copy = CopyBitmap(glyph);
    SIZE s = BitmapSize(copy.get());
    if (!copy) return copy;
    ClientDC screen(nullptr);
    UniqueDC dc(CreateCompatibleDC(screen.get())), fill(CreateCompatibleDC(screen.get()));
    UniqueBitmap solid(CreateCompatibleBitmap(screen.get(), s.cx, s.cy));
    ScopedSelectObject a(dc.get(), copy.get()), b(fill.get(), solid.get());
    FillSolid(fill.get(), {0, 0, s.cx, s.cy}, ToColorRef(foldActiveColor_));
    BitBlt(dc.get(), 0, 0, s.cx, s.cy, fill.get(), 0, 0, SRCAND);
    return copy;
  };
  expandHi_ = highlight(expand_.get());
  collapsHi_ = highlight(collaps_.get());
}

void TDFWFoldPanel::GlyphChanged() {
  if (!expand_) LoadDefaultGlyph(Glyph::Expand);
  if (!collaps_) LoadDefaultGlyph(Glyph::Collaps);
  Relayout();
}

void TDFWFoldPanel::SetFolding(bool on) {
  if (on == cfg_.Folding) return;
  if (!on && status_ == TFoldStatus::fsCollapsed) Expand();
  cfg_.Folding = on;
  Relayout();
}

void TDFWFoldPanel::SetOrientation(TFoldOrientation o) {
  if (o == cfg_.Orientation) return;
  bool wasCollapsed = status_ == TFoldStatus::fsCollapsed;
  if (wasCollapsed) Expand();
  savedSize_ = o == TFoldOrientation::foHorizontal ? Width() : Height();
  cfg_.Orientation = o;
  if (!customExpand_) LoadDefaultGlyph(Glyph::Expand);
  if (!customCollaps_) LoadDefaultGlyph(Glyph::Collaps);
  if (wasCollapsed) Collapse();
  Relayout();
}

void TDFWFoldPanel::SetFoldPosition(TFoldPosition p) {
  if (p == cfg_.Position) return;
  cfg_.Position = p;
  if (cfg_.Folding) Relayout();
}

void TDFWFoldPanel::SetFoldActiveColor(TColor c) {
  if (c == foldActiveColor_) return;
  foldActiveColor_ = c;
  RebuildHighlights();
  if (hot_) InvalidateGlyph();
}

void TDFWFoldPanel::SetSeperated(bool on) {
  if (on == cfg_.Seperated) return;
  cfg_.Seperated = on;
  // The band beside the glyph is 2 pixels wider with the line: the client
  // moves with it.
  if (cfg_.Folding) Relayout();
}

void TDFWFoldPanel::SetSeperatorLineStyle(TSeparatorStyle s) {
  if (s == cfg_.SeperatorLineStyle) return;
  cfg_.SeperatorLineStyle = s;
  if (cfg_.Folding) InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWFoldPanel::SetBorderStyle(TBorderStyle s) {
  const bool single = s == TBorderStyle::bsSingle;
  if (single == cfg_.BorderSingle) return;
  cfg_.BorderSingle = single;
  LONG style = GetWindowLongA(Handle(), GWL_STYLE);
  SetWindowLongA(Handle(), GWL_STYLE, single ? style | WS_BORDER : style & ~WS_BORDER);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  // The frame takes its pixels from the inside: a bar keeps room for its glyph.
  if (status_ == TFoldStatus::fsCollapsed)
    SetOwnBounds(
        ResizeFolded(cfg_, Bounds(), FoldedSize(cfg_, GlyphSize(expand_.get()), Bounds())));
  Relayout();
}

void TDFWFoldPanel::SetBorderWidth(int width) {
  if (width < 0) width = 0;
  if (width == cfg_.BorderWidth) return;
  cfg_.BorderWidth = width;
  TDFWPaneles::SetBorderWidth(width);
  Relayout();
}

void TDFWFoldPanel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWFoldPanel::SetCaptionFont(HFONT font) {
  LOGFONTA lf{};
  if (!GetObjectA(font, sizeof lf, &lf)) return;
  captionFont_.reset(CreateFontIndirectA(&lf));
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TDFWFoldPanel::SetPanelBevels(TPanelBevel inner, TPanelBevel outer, int width) {
  if (width < 1) width = 1;
  if (inner == cfg_.BevelInner && outer == cfg_.BevelOuter && width == cfg_.BevelWidth) return;
  cfg_.BevelInner = inner;
  cfg_.BevelOuter = outer;
  cfg_.BevelWidth = width;
  SetBevels(inner, outer, width);
  Relayout();
}

void TDFWFoldPanel::SetClientBevels(TPanelBevel inner, TPanelBevel outer, int width) {
  client_->SetBevels(inner, outer, width);
}

void TDFWFoldPanel::PaintTo(HDC dc) {
  TDFWPaneles::PaintTo(dc);
  if (!cfg_.Folding) return;
  const bool collapsed = status_ == TFoldStatus::fsCollapsed;
  const RECT client = ClientRect();
  const int w = client.right, h = client.bottom;
  if (collapsed && cfg_.BevelInner == TPanelBevel::bvNone && cfg_.BevelOuter == TPanelBevel::bvNone)
    DrawFrames(dc, {BevelFrame{{0, 0, w, h}, clBtnHighlight, clBtnShadow}});

  HBITMAP glyph = CurrentGlyph();
  TSize size = GlyphSize(glyph);
  TRect dest = FoldGlyphRect(cfg_, size, w, h);
  DrawTransparent(dc, dest.Left, dest.Top, size.Width, size.Height, glyph, 0, 0,
                  BottomLeftColor(glyph));
  if (cfg_.Seperated)
    for (const FoldLine& line : FoldSeparator(cfg_, dest, w, h)) {
      int x1 = line.To.X == line.From.X ? line.From.X + 1 : line.To.X;
      int y1 = line.To.Y == line.From.Y ? line.From.Y + 1 : line.To.Y;
      FillSolid(dc, {line.From.X, line.From.Y, x1, y1}, ToColorRef(line.Color));
    }
  glyphRect_ = dest;

  if (collapsed && !caption_.empty()) {
    ScopedSelectObject font(dc, captionFont_.get());
    SIZE text{};
    GetTextExtentPoint32A(dc, caption_.c_str(), int(caption_.size()), &text);
    FoldCaptionPlace place = FoldCaption(cfg_, dest, text.cx, text.cy);
    UniqueFont rotated;
    if (place.Escapement != 0) {
      LOGFONTA lf{};
      GetObjectA(captionFont_.get(), sizeof lf, &lf);
      lf.lfEscapement = lf.lfOrientation = place.Escapement;
      lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
      rotated.reset(CreateFontIndirectA(&lf));
    }
    ScopedSelectObject rot(dc, rotated.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, place.X, place.Y, caption_.c_str(), int(caption_.size()));
  }

  if (clicks_.PressedLook()) {
    const TRect& g = glyphRect_;
    UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    ScopedSelectObject p(dc, pen.get()), b(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, g.Left + 2, g.Top + 2, g.Right - 1, g.Bottom - 1);
    DrawFrames(
        dc, {BevelFrame{
                {g.Left + 1, g.Top + 1, g.Right - 1, g.Bottom - 1}, clBtnShadow, clBtnHighlight}});
  }
}

bool TDFWFoldPanel::HoverCheck() {
  POINT pt;
  GetCursorPos(&pt);
  HWND parent = GetParent(Handle());
  POINT inParent = pt;
  ScreenToClient(parent, &inParent);
  // Disabled windows count too, so no WindowFromPoint.
  bool over = ChildWindowFromPointEx(parent, inParent, CWP_SKIPINVISIBLE) == Handle();
  if (over) {
    POINT inPanel = pt;
    ScreenToClient(Handle(), &inPanel);
    over = ChildWindowFromPointEx(Handle(), inPanel, CWP_SKIPINVISIBLE) == Handle();
  }
  if (over) return true;
  if (hot_) {
    hot_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  return false;
}

void TDFWFoldPanel::FoldClick() {
  bool doFold = true;
  if (OnFoldClick) OnFoldClick(*this, status_, doFold);
  if (!doFold) return;
  SetFoldStatus(status_ == TFoldStatus::fsExpanded ? TFoldStatus::fsCollapsed
                                                   : TFoldStatus::fsExpanded);
}

void TDFWFoldPanel::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
  const TPoint pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  const TShiftState shift = TShiftState(wp);
  switch (msg) {
    case WM_MOUSEMOVE: {
      if (!tracking_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&tme) != FALSE;
      }
      if (cfg_.Folding) {
        bool in = glyphRect_.Contains(pt);
        if (in) FoldHover::Start(this);
        if (in != hot_) {
          hot_ = in;
          InvalidateGlyph();
        }
      }
      if (OnMouseMove) OnMouseMove(shift, pt.X, pt.Y);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(Handle());
      // The second press of a double click is a double click, not another
      // click: it neither folds nor clicks when it is released.
      pressedHere_ = msg == WM_LBUTTONDOWN;
      if (clicks_.Down(pt, glyphRect_)) InvalidateGlyph();
      if (msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick();
      if (OnMouseDown) OnMouseDown(TMouseButton::mbLeft, shift, pt.X, pt.Y);
      break;
    case WM_LBUTTONUP: {
      if (GetCapture() == Handle()) ReleaseCapture();
      if (cfg_.Folding && clicks_.Up(pt, glyphRect_)) InvalidateGlyph();
      if (OnMouseUp) OnMouseUp(TMouseButton::mbLeft, shift, pt.X, pt.Y);
      RECT c = ClientRect();
      bool click = pressedHere_ && PtInRect(&c, POINT{pt.X, pt.Y});
      pressedHere_ = false;
      bool fold = clicks_.TakeFoldClick();
      if (!click) break;
      if (fold)
        FoldClick();
      else if (OnClick)
        OnClick();
      break;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (cfg_.Folding && hot_) {
        hot_ = false;
        InvalidateGlyph();
      }
      break;
    default:
      break;
  }
}

LRESULT TDFWFoldPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
      OnMouse(msg, wp, lp);
      return 0;
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      if (sizeLock_ && !(pos->flags & SWP_NOSIZE)) {
        TRect kept = LockFolded(cfg_, TRect::Bounds(pos->x, pos->y, pos->cx, pos->cy), Bounds());
        pos->cx = kept.Width();
        pos->cy = kept.Height();
      }
      break;
    }
    case WM_SIZE:
      if (status_ == TFoldStatus::fsExpanded && !sizeLock_)
        savedSize_ = FoldedDimension(cfg_, Bounds());
      Relayout();
      if (OnResize) OnResize();
      break;
    case WM_PARENTNOTIFY:
      // Controls belong in the client, whoever created them on the panel.
      if (LOWORD(wp) == WM_CREATE && client_) {
        HWND child = reinterpret_cast<HWND>(lp);
        if (child != client_->Handle()) SetParent(child, client_->Handle());
      }
      break;
    default:
      break;
  }
  return TDFWPaneles::WndProc(msg, wp, lp);
}

}  // namespace hopvox
