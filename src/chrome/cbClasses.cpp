#include "chrome/cbClasses.h"

#include "framework/Application.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace hopvox {

namespace {
std::unique_ptr<TcbHookList>& ListSlot() {
  static std::unique_ptr<TcbHookList> list;
  return list;
}

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }
}  // namespace

HWND CreateChromeHelperWindow(const char* className, WNDPROC proc, void* self) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(ModuleInstance(), className, &wc)) {
    wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc))
      throw std::runtime_error(std::string("Cannot register the window class ") + className);
  }
  // A hidden top-level window, not a message-only one: the shell's broadcasts
  // (TaskbarCreated, end of session) reach only top-level windows.
  HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, ModuleInstance(), self);
  if (!wnd) throw std::runtime_error(std::string("Cannot create a window of class ") + className);
  return wnd;
}

// ---- TcbHookList ----

TcbHookList* TcbHookList::Instance() { return ListSlot().get(); }

TcbHookList& TcbHookList::Acquire() {
  auto& slot = ListSlot();
  if (!slot) slot.reset(new TcbHookList());
  return *slot;
}

void TcbHookList::ReleaseIfEmpty() {
  auto& slot = ListSlot();
  if (slot && slot->items_.empty()) slot.reset();
}

TcbHookList::TcbHookList() {
  window_ = CreateChromeHelperWindow("HopvoxHookListWindow", ListWindowProc, this);
}

TcbHookList::~TcbHookList() {
  if (window_) DestroyWindow(window_);
}

void TcbHookList::Append(TcbFormHookComponent* c) {
  if (!Contains(c)) items_.push_back(c);
}

bool TcbHookList::Contains(const TcbFormHookComponent* c) const {
  return std::find(items_.begin(), items_.end(), c) != items_.end();
}

bool TcbHookList::FirstOfChain(const TcbFormHookComponent* c) const {
  for (auto* other : items_)
    if (other->hooked_ && other->hookedWindow_ == c->hookedWindow_) return other == c;
  return false;
}

// A component hooked onto a window always comes after the ones already there
// (at creation it is the newest of the list; a rehook goes in list order), so
// the window's chain is in list order: newest on top, the window's own
// procedure at the bottom.
void TcbHookList::Hook(TcbFormHookComponent* c) {
  HWND hwnd = c->GetHookedWindow();
  if (!hwnd || !IsWindow(hwnd)) return;
  c->hookedWindow_ = hwnd;
  c->hooked_ = true;
  c->hook_.Attach(hwnd, [c](UINT msg, WPARAM wParam, LPARAM lParam) {
    return c->Dispatch(msg, wParam, lParam);
  });
}

void TcbHookList::Unhook(TcbFormHookComponent* c) {
  items_.erase(std::remove(items_.begin(), items_.end(), c), items_.end());
  c->hooked_ = false;
  // The others keep their places; with none left the window has its own
  // procedure back.
  c->hook_.Detach();
}

void TcbHookList::Rehook(HWND hwnd) {
  std::vector<TcbFormHookComponent*> mine;
  for (auto* c : items_)
    if (c->hookedWindow_ == hwnd) mine.push_back(c);
  // The old window is gone, and its chain with it.
  for (auto it = mine.rbegin(); it != mine.rend(); ++it) {
    (*it)->hook_.Detach();
    (*it)->hooked_ = false;
  }
  for (auto* c : mine) {
    if (!Contains(c)) continue;  // left the list during an earlier Rehooked
    Hook(c);
    if (c->hooked_) c->Rehooked();
  }
}

LRESULT CALLBACK TcbHookList::ListWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kRehookRequestMessage) {
    Application().Guard([lParam] {
      if (auto* list = Instance()) list->Rehook(reinterpret_cast<HWND>(lParam));
    });
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// ---- TcbFormHookComponent ----

TcbFormHookComponent::TcbFormHookComponent(OwnerHandle owner) : owner_(std::move(owner)) {
  auto& list = TcbHookList::Acquire();
  list.Append(this);
  list.Hook(this);
  messageWindow_ = CreateChromeHelperWindow("HopvoxChromeMessageWindow", MessageWindowThunk, this);
}

TcbFormHookComponent::~TcbFormHookComponent() {
  destroying_ = true;
  if (messageWindow_) {
    SetWindowLongPtrA(messageWindow_, GWLP_USERDATA, 0);
    DestroyWindow(messageWindow_);
  }
  if (auto* list = TcbHookList::Instance()) list->Unhook(this);
  TcbHookList::ReleaseIfEmpty();
}

LRESULT TcbFormHookComponent::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  TcbMessage m{msg, wParam, lParam, 0};
  Application().Guard([&] {
    auto* list = TcbHookList::Instance();
    if (msg == WM_DESTROY && !destroying_ && list && list->FirstOfChain(this))
      PostMessageA(list->Window(), kRehookRequestMessage, 0,
                   reinterpret_cast<LPARAM>(hookedWindow_));
    if (msg == kTopmostNotifyMessage) SetTopmost(wParam != 0);
    bool handled = false;
    BeforeMessage(m, handled);
    if (!handled) m.result = hook_.CallNext(m.msg, m.wParam, m.lParam);
    list = TcbHookList::Instance();
    if (list && list->Contains(this)) AfterMessage(m);
  });
  return m.result;
}

LRESULT CALLBACK TcbFormHookComponent::MessageWindowThunk(HWND hwnd, UINT msg, WPARAM wParam,
                                                          LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TcbFormHookComponent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self || !self->messageWindow_) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TcbMessage m{msg, wParam, lParam, 0};
  Application().Guard([&] { self->MessageWindowProc(m); });
  return m.result;
}

void TcbFormHookComponent::MessageWindowProc(TcbMessage& m) {
  if (m.msg == WM_QUERYENDSESSION)
    m.result = 1;
  else
    m.result = DefWindowProcA(messageWindow_, m.msg, m.wParam, m.lParam);
}

HWND TcbFormHookComponent::GetHookedWindow() { return owner_ ? owner_() : nullptr; }

HMENU TcbFormHookComponent::GetSystemMenuHandle() {
  return hookedWindow_ ? GetSystemMenu(hookedWindow_, FALSE) : nullptr;
}

void TcbFormHookComponent::RefreshFrame() {
  if (hookedWindow_ && IsWindow(hookedWindow_))
    SetWindowPos(hookedWindow_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TcbFormHookComponent::Topmost() const {
  if (!hookedWindow_) return stayOnTop_;
  return (GetWindowLongPtrA(hookedWindow_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void TcbFormHookComponent::SetTopmost(bool value) {
  stayOnTop_ = value;
  if (value == Topmost()) return;
  // A window is never below its owner's band: leaving it takes the owner
  // (the application window, which the system may have lifted with it) along.
  if (HWND owner = GetWindow(hookedWindow_, GW_OWNER); owner && !value)
    SetWindowPos(owner, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(hookedWindow_, value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  // Only a change the system made is news for the other components; each of
  // them would otherwise ask again on hearing it, without end.
  if (Topmost() == value) SendMessageA(hookedWindow_, kTopmostNotifyMessage, value ? 1 : 0, 0);
}

}  // namespace hopvox
