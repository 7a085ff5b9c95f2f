#pragma once
// The one way this program sits on another window's procedure. Every subclass
// of a window is a link in one chain kept on that window: the newest link sees
// a message first and hands it down with CallNext; below the oldest link lies
// the procedure the window had before the chain came (its class procedure, or
// whatever a third party put there). Links leave in any order and the others
// stay connected; when the last one leaves, the window gets its procedure back,
// unless someone else has since subclassed it on top of the chain, in which
// case the empty chain stays as a pass-through until the window is destroyed.
// The chain dissolves by itself after WM_NCDESTROY, so a link may outlive its
// window. Only the thread that owns the window may add or remove links.
#include <windows.h>

#include <functional>

namespace hopvox {

class TSubclass {
 public:
  // A link's procedure. It must not throw: guard it with Application().Guard.
  using TProc = std::function<LRESULT(UINT msg, WPARAM wp, LPARAM lp)>;

  TSubclass() = default;
  // Puts a link on top of `wnd`'s chain.
  TSubclass(HWND wnd, TProc proc) { Attach(wnd, std::move(proc)); }
  ~TSubclass() { Detach(); }
  TSubclass(const TSubclass&) = delete;
  TSubclass& operator=(const TSubclass&) = delete;

  void Attach(HWND wnd, TProc proc);
  void Detach();
  // The subclassed window; null once detached or after the window was destroyed.
  HWND Window() const { return window_; }

  // Hands a message to the next link down, or to the window's own procedure.
  LRESULT CallNext(UINT msg, WPARAM wp, LPARAM lp) const;

 private:
  friend struct TSubclassChain;
  HWND window_ = nullptr;
  HWND lastWindow_ = nullptr;
  WNDPROC original_ = nullptr;
  TProc proc_;
};

}  // namespace hopvox
