#include "chrome/FormRoller.h"

#include "chrome/logic/RollSteps.h"
#include "framework/Application.h"

namespace hopvox {

TFormRoller::TFormRoller(OwnerHandle owner) : TCustomCaptionButton(std::move(owner)) {
  rollUpGlyph_.reset(LoadGlyph("CB_ROLLER_UP"));
  rollDownGlyph_.reset(LoadGlyph("CB_ROLLER_DOWN"));
  SetGlyph(rollUpGlyph_.get());
  TCustomCaptionButton::SetHint("Roll up");
  SystemMenu().SetCaption("Roll up");
  if (HMENU menu = GetSystemMenuHandle())
    SystemMenu().SetPosition(static_cast<std::uint16_t>(GetMenuItemCount(menu)));
  SystemMenu().SetSeparators(seBefore);
  Repaint();
}

TFormRoller::~TFormRoller() {
  destroying_ = true;
  // The window keeps no clip of ours once we are gone.
  if (rollUp_ && HookedWindow() && IsWindow(HookedWindow()))
    SetWindowRgn(HookedWindow(), nullptr, TRUE);
}

int TFormRoller::RolledHeightNow() const {
  const LONG style = HookedWindow() ? GetWindowLongA(HookedWindow(), GWL_STYLE) : 0;
  const bool hasBorder = (style & (WS_BORDER | WS_DLGFRAME)) != 0;
  const bool single = hasBorder && !(style & WS_THICKFRAME);
  return RolledHeight(GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYDLGFRAME),
                      GetSystemMetrics(SM_CYFRAME), single, remainHeight_);
}

void TFormRoller::SetRolledRegion() {
  HWND hwnd = HookedWindow();
  if (!hwnd) return;
  RECT r{};
  GetWindowRect(hwnd, &r);
  // The window owns a region once it is set and frees the one it replaces.
  SetWindowRgn(hwnd, CreateRectRgn(0, 0, r.right - r.left, RolledHeightNow()), TRUE);
}

int TFormRoller::ClientHeight() const {
  RECT c{};
  GetClientRect(HookedWindow(), &c);
  return c.bottom;
}

void TFormRoller::SetClientHeight(int h) {
  HWND hwnd = HookedWindow();
  RECT w{};
  GetWindowRect(hwnd, &w);
  const int frame = (w.bottom - w.top) - ClientHeight();
  SetWindowPos(hwnd, nullptr, 0, 0, w.right - w.left, h + frame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormRoller::SetRollUp(bool v) {
  if (v == rollUp_ || busy_) return;
  HWND hwnd = HookedWindow();
  if (!hwnd) return;
  busy_ = true;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{busy_};

  if (!v) {
    rollUp_ = false;
    RECT r{};
    GetWindowRect(hwnd, &r);
    SetWindowRgn(hwnd, CreateRectRgn(0, 0, r.right - r.left, RolledHeightNow() - 3), TRUE);
    SetWindowRgn(hwnd, nullptr, TRUE);
  }
  if (animate_) {
    auto step = [&](int h) {
      SetClientHeight(h);
      Application().ProcessMessages();
      Sleep(animateSpeed_);
    };
    if (v) {
      savedClientHeight_ = ClientHeight();
      for (int h : RollUpHeights(savedClientHeight_, remainHeight_, animateSpeed_)) step(h);
      remainHeight_ = static_cast<std::uint16_t>(ClientHeight());
    } else {
      savedClientHeight_ = std::max<int>(savedClientHeight_, remainHeight_);
      for (int h : UnrollHeights(savedClientHeight_, remainHeight_, animateSpeed_)) step(h);
    }
  }
  if (v) {
    rollUp_ = true;
    SetRolledRegion();
  }
  SetGlyph(rollUp_ ? rollDownGlyph_.get() : rollUpGlyph_.get());
  ShowRollHint();
  if (OnRollerChanged) OnRollerChanged(*this, v);
}

void TFormRoller::ShowRollHint() {
  const std::string& hint = rollUp_ ? hintRollDown_ : hintRollUp_;
  TCustomCaptionButton::SetHint(hint);
  SystemMenu().SetCaption(hint);
}

void TFormRoller::SetHintRollUp(const std::string& v) {
  if (v == hintRollUp_) return;
  hintRollUp_ = v;
  if (!rollUp_) ShowRollHint();
}

void TFormRoller::SetHintRollDown(const std::string& v) {
  if (v == hintRollDown_) return;
  hintRollDown_ = v;
  if (rollUp_) ShowRollHint();
}

void TFormRoller::SetRemainHeight(std::uint16_t v) {
  if (v == remainHeight_) return;
  remainHeight_ = v;
  if (rollUp_) SetRolledRegion();
}

void TFormRoller::Click() {
  TCustomCaptionButton::Click();
  SetRollUp(!rollUp_);
}

void TFormRoller::PaintRolledEdge() {
  HWND hwnd = HookedWindow();
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  RECT w{};
  GetWindowRect(hwnd, &w);
  const int width = w.right - w.left, rolled = RolledHeightNow();
  {
    UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)));
    ScopedSelectObject sp(dc, pen.get());
    MoveToEx(dc, 1, rolled - 3, nullptr);
    LineTo(dc, width - 1, rolled - 3);
  }
  RECT edge{0, 0, width, rolled};
  DrawEdge(dc, &edge, EDGE_RAISED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
  ReleaseDC(hwnd, dc);
}

void TFormRoller::AfterMessage(TcbMessage& m) {
  TCustomCaptionButton::AfterMessage(m);
  if (!rollUp_) return;
  switch (m.msg) {
    case WM_SIZE:
      SetRolledRegion();
      break;
    case WM_PAINT:
    case WM_NCPAINT:
      PaintRolledEdge();
      break;
    case WM_NCHITTEST:
      m.result = RolledHitTest(static_cast<int>(m.result));
      break;
  }
}

void TFormRoller::Rehooked() {
  TCustomCaptionButton::Rehooked();
  if (rollUp_) SetRolledRegion();
}

}  // namespace hopvox
