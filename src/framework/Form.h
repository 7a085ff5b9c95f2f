#pragma once
#include "framework/Handles.h"
#include "framework/Window.h"

namespace hopvox {

// A top-level window owned by the application window, fixed in size.
class TForm : public TWindow {
 public:
  TForm(const std::string& caption, int clientWidth, int clientHeight, DWORD style,
        DWORD exStyle = 0);
  // Asked before the window closes; clear `canClose` to keep it open.
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnDestroy;
  // The Windows session ends (log-off, shutdown): the process may be ended as
  // soon as this returns, without a close.
  std::function<void()> OnEndSession;
  // Moves the keyboard focus to `control`, as if the user had activated it.
  void SetActiveControl(TWindow* control);
  void Close();
  // Runs the exit handler of the control whose edit is in progress, as a
  // move of the focus to the window's surface would; closing the window and
  // the end of the session do it first.
  void CompleteEdit();
  void CenterOnScreen();
  // The window owns its font; its controls draw with it unless given their own.
  void SetFont(UniqueFont font);
  // The same face at another size, in points.
  void SetFontSize(int points);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  UniqueFont font_;
  // The control that had the focus when the window was last deactivated; it
  // gets the focus back when the window is activated again.
  HWND lastFocus_ = nullptr;
};

}  // namespace hopvox
