#pragma once
// The application object: title, the hidden application window that owns the
// main window and carries the taskbar button, the message loop, hand-overs of
// calls from worker threads to the main thread, hints and the error display.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "framework/CriticalSection.h"
#include "framework/Handles.h"
#include "framework/logic/HandOverQueue.h"
#include "framework/Subclass.h"

namespace hopvox {

class TWindow;

// What the error boundary does with an exception.
enum class TErrorPolicy {
  // The standard error box; from a worker thread it is shown by the main thread
  // while the worker waits.
  epShow,
  // Nothing at all: a polling tick that fails is simply tried again at the next.
  epDrop,
};

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& file) { helpFile_ = file; }

  // The top-level window that carries the taskbar button; created on first
  // use, hidden until the main form is first shown.
  HWND Handle();
  HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }

  TWindow* MainForm() const { return mainForm_; }
  void SetMainForm(TWindow* form) { mainForm_ = form; }
  // The first show of the main form, with its taskbar button.
  void ShowMainForm();

  // Runs the message loop until Terminate; returns the exit code.
  int Run();
  // Pumps the messages waiting now; returns false once the quit request came.
  bool ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Hints: shared tooltip settings for every control.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms);
  // The one tooltip window all control hints go through.
  HWND HintWindow();
  // The disabled control with a hint under the screen point, inside `window`
  // (which gets its mouse messages, as a disabled window gets none), or null.
  static HWND DisabledHintControlAt(HWND window, POINT screen);

  // The standard error box.
  void ShowError(const std::string& message);
  void HandleException(const std::exception& e) { ShowError(e.what()); }
  // The one error boundary of the program: every window procedure, hook, timer
  // tick and worker thread runs its work through it, so no exception ever
  // crosses into the system or ends a thread. Returns true when `fn` ran to its
  // end. Allocates nothing unless something was thrown.
  template <class Fn>
  bool Guard(Fn&& fn, TErrorPolicy policy = TErrorPolicy::epShow) noexcept {
    try {
      fn();
      return true;
    } catch (...) {
      if (policy == TErrorPolicy::epShow) ShowCurrentException();
      return false;
    }
  }

  // Runs `fn` on the main thread and returns when it has run. An exception it
  // throws is raised again in the calling thread. On the main thread the call
  // runs at once. Returns false (without running it) when the application is
  // shutting down and the main thread no longer serves hand-overs.
  // A thread that hands over calls again and again passes its own auto-reset
  // event as `done`, so no kernel object is made and closed per call.
  bool Synchronize(const std::function<void()>& fn, HANDLE done = nullptr);
  // Runs the hand-overs waiting now (main thread only). Code on the main thread
  // that waits for a worker must keep calling this while the event below is
  // signalled, or a worker inside Synchronize would wait for ever.
  void CheckSynchronize();
  HANDLE SyncEvent() const { return syncEvent_.get(); }
  bool IsMainThread() const { return GetCurrentThreadId() == mainThreadId_; }

 private:
  // Lives on the calling worker's stack for the length of its Synchronize.
  struct SyncCall {
    const std::function<void()>* fn;
    std::exception_ptr error;
    HANDLE done;
    bool ran = false;
    SyncCall* next = nullptr;
  };
  void CloseSynchronize();
  // What the loop does with a message before it is dispatched: keyboard
  // navigation and the hints of disabled controls. True when it was used up.
  bool PreTranslate(const MSG& msg);
  void RelayDisabledHint(const MSG& msg);
  // Shows the exception being handled in the error box.
  void ShowCurrentException() noexcept;
  static LRESULT CALLBACK AppWndProc(HWND, UINT, WPARAM, LPARAM);

  std::string title_;
  std::string helpFile_;
  HWND handle_ = nullptr;
  TWindow* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showHint_ = true;
  int hintHidePause_ = 2500;
  HWND hintWindow_ = nullptr;
  TSubclass hintFinder_;  // answers the hint window's question for disabled controls
  DWORD mainThreadId_;
  TCriticalSection syncLock_;
  THandOverQueue<SyncCall> syncQueue_;
  bool syncClosed_ = false;
  UniqueHandle syncEvent_;
};

// The process's one application object.
TApplication& Application();

}  // namespace hopvox
