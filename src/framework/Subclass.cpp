#include "framework/Subclass.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace hopvox {

namespace {
constexpr char kChainProp[] = "HopvoxSubclassChain";
}  // namespace

// Kept on the window as a property. Nothing holds a pointer to it across a
// call into a link: a link may leave, or the window die, during any message.
struct TSubclassChain {
  WNDPROC original = nullptr;
  std::vector<TSubclass*> links;  // oldest first

  static TSubclassChain* Of(HWND wnd) {
    return static_cast<TSubclassChain*>(GetPropA(wnd, kChainProp));
  }

  static TSubclassChain& Install(HWND wnd) {
    if (TSubclassChain* chain = Of(wnd)) return *chain;
    auto chain = std::make_unique<TSubclassChain>();
    SetPropA(wnd, kChainProp, chain.get());
    chain->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    return *chain.release();
  }

  // Gives the window its procedure back, if nobody has subclassed it on top
  // of us since; otherwise the empty chain passes everything on.
  static void RemoveIfEmpty(HWND wnd, bool destroyed) {
    TSubclassChain* chain = Of(wnd);
    if (!chain || (!chain->links.empty() && !destroyed)) return;
    if (GetWindowLongPtrA(wnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Proc)) {
      if (!destroyed) return;
    } else {
      SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
    }
    for (TSubclass* link : chain->links) link->window_ = nullptr;
    RemovePropA(wnd, kChainProp);
    delete chain;
  }

  // Runs the part of the chain below position `below` (a count of links).
  static LRESULT CallBelow(HWND wnd, std::size_t below, UINT msg, WPARAM wp, LPARAM lp) {
    TSubclassChain* chain = Of(wnd);
    if (!chain) return DefWindowProcA(wnd, msg, wp, lp);
    if (below == 0) return CallWindowProcA(chain->original, wnd, msg, wp, lp);
    return chain->links[below - 1]->proc_(msg, wp, lp);
  }

  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TSubclassChain* chain = Of(wnd);
    const LRESULT result = CallBelow(wnd, chain ? chain->links.size() : 0, msg, wp, lp);
    // The window is gone after this one: free the chain, and let every link
    // know it has nothing to leave any more.
    if (msg == WM_NCDESTROY) RemoveIfEmpty(wnd, true);
    return result;
  }
};

void TSubclass::Attach(HWND wnd, TProc proc) {
  Detach();
  if (!wnd || !IsWindow(wnd)) return;
  proc_ = std::move(proc);
  TSubclassChain& chain = TSubclassChain::Install(wnd);
  chain.links.push_back(this);
  window_ = lastWindow_ = wnd;
  original_ = chain.original;
}

void TSubclass::Detach() {
  if (!window_) return;
  HWND wnd = window_;
  window_ = nullptr;
  if (TSubclassChain* chain = TSubclassChain::Of(wnd)) {
    std::erase(chain->links, this);
    TSubclassChain::RemoveIfEmpty(wnd, false);
  }
}

LRESULT TSubclass::CallNext(UINT msg, WPARAM wp, LPARAM lp) const {
  // Left the chain while handling this message: the links below are out of
  // reach, but the window still gets its own handling.
  if (!window_)
    return IsWindow(lastWindow_) ? CallWindowProcA(original_, lastWindow_, msg, wp, lp) : 0;
  TSubclassChain* chain = TSubclassChain::Of(window_);
  if (!chain) return DefWindowProcA(window_, msg, wp, lp);
  const auto at = std::find(chain->links.begin(), chain->links.end(), this);
  return TSubclassChain::CallBelow(window_, static_cast<std::size_t>(at - chain->links.begin()),
                                   msg, wp, lp);
}

}  // namespace hopvox
