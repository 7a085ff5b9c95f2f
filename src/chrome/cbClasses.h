#pragma once
// Hook components: objects that sit on the window procedure of their owner
// window and see each of its messages before and after the window's own
// handling. Several may hook one window; TcbHookList keeps them in one chain
// per window, newest first, and rebuilds the chain when the window's handle
// is recreated. Each component is one link of the window's subclass chain.
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/Subclass.h"
#include "framework/Window.h"

namespace hopvox {

inline constexpr UINT kRehookRequestMessage = 0x52D;
inline constexpr UINT kRepaintRequestMessage = 0x3A59;
inline constexpr UINT kTopmostNotifyMessage = 0x3A62;

struct TcbMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result;
};

class TcbFormHookComponent {
 public:
  // The owner's handle, created on the spot when the owner has none yet.
  using OwnerHandle = std::function<HWND()>;

  explicit TcbFormHookComponent(OwnerHandle owner);
  // The usual owner: a form of the framework.
  explicit TcbFormHookComponent(TWindow& owner)
      : TcbFormHookComponent([&owner] { return owner.Handle(); }) {}
  virtual ~TcbFormHookComponent();
  TcbFormHookComponent(const TcbFormHookComponent&) = delete;
  TcbFormHookComponent& operator=(const TcbFormHookComponent&) = delete;

  virtual void BeforeMessage(TcbMessage& /*m*/, bool& /*handled*/) {}
  virtual void AfterMessage(TcbMessage& /*m*/) {}
  virtual void Rehooked() {}
  virtual void MessageWindowProc(TcbMessage& m);
  virtual HWND GetHookedWindow();
  virtual HMENU GetSystemMenuHandle();

  bool Topmost() const;
  void SetTopmost(bool value);

  bool Hooked() const { return hooked_; }
  HWND HookedWindow() const { return hookedWindow_; }
  HWND MessageWindow() const { return messageWindow_; }

 protected:
  // SWP_FRAMECHANGED: the non-client area is measured and painted again.
  void RefreshFrame();
  // Set by derived destructors so a dying component does not ask for a rehook.
  bool destroying_ = false;

 private:
  friend class TcbHookList;
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MessageWindowThunk(HWND, UINT, WPARAM, LPARAM);

  bool hooked_ = false;
  bool stayOnTop_ = false;
  OwnerHandle owner_;
  HWND messageWindow_ = nullptr;
  HWND hookedWindow_ = nullptr;
  // Our place on the hooked window's procedure; what lies below it is the
  // component hooked before this one, or, for the first, the window's own
  // procedure.
  TSubclass hook_;
};

// One per process: the list of hook components of all windows plus a hidden
// window that receives rehook requests.
class TcbHookList {
 public:
  static TcbHookList* Instance();  // null when no component exists
  static TcbHookList& Acquire();   // the first component creates it
  static void ReleaseIfEmpty();

  void Append(TcbFormHookComponent* c);
  void Hook(TcbFormHookComponent* c);
  void Unhook(TcbFormHookComponent* c);
  bool Contains(const TcbFormHookComponent* c) const;
  HWND Window() const { return window_; }
  // Whether `c` is the oldest component hooked onto its window.
  bool FirstOfChain(const TcbFormHookComponent* c) const;

  ~TcbHookList();

 private:
  TcbHookList();
  void Rehook(HWND hwnd);
  static LRESULT CALLBACK ListWindowProc(HWND, UINT, WPARAM, LPARAM);

  std::vector<TcbFormHookComponent*> items_;
  HWND window_ = nullptr;
};

// The hidden windows of the chrome components use this class.
HWND CreateChromeHelperWindow(const char* className, WNDPROC proc, void* self);

}  // namespace hopvox
