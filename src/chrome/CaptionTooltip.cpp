// Tooltips of the title-bar buttons: one tooltip window for the process,
// one tool per button whose hot area is the button's rectangle.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "chrome/CaptionButton.h"
#include "framework/Application.h"
#include "framework/SystemLibrary.h"

namespace hopvox {

namespace {
// The ANSI tool record without the fields of later common controls (44
// bytes in a 32-bit program), understood by every version of them.
constexpr UINT kToolInfoSize = offsetof(TOOLINFOA, lParam) + sizeof(LPARAM);

class TooltipWindow {
 public:
  static TooltipWindow& Get() {
    static TooltipWindow instance;
    return instance;
  }
  HWND Handle() const { return hwnd_; }
  unsigned NextId() { return nextId_++; }
  ~TooltipWindow() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }

 private:
  TooltipWindow() {
    InitCommonControlClasses(ICC_WIN95_CLASSES);
    // Owned by the application window: a shell gives an unowned window a
    // taskbar button of its own (seen as a blank one beside ours).
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                            Application().Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    // Without it the buttons simply show no tips.
  }
  HWND hwnd_ = nullptr;
  unsigned nextId_ = 0;
};

TOOLINFOA BaseTool(HWND window, unsigned id) {
  TOOLINFOA ti{};
  ti.cbSize = kToolInfoSize;
  ti.uFlags = TTF_SUBCLASS;
  ti.hwnd = window;
  ti.uId = id;
  ti.hinst = GetModuleHandleA(nullptr);
  return ti;
}
}  // namespace

// The hidden tooltip window exists from the first button to the program's end.
HWND CaptionTooltipWindow() { return TooltipWindow::Get().Handle(); }

void TCustomCaptionButton::AddTool() {
  HWND tip = CaptionTooltipWindow();
  if (!tip || !HookedWindow()) return;
  rect_ = {};  // set again by the next paint
  toolId_ = TooltipWindow::Get().NextId();
  toolWindow_ = HookedWindow();
  TOOLINFOA ti = BaseTool(toolWindow_, toolId_);
  char empty[1] = {0};
  ti.lpszText = empty;
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  toolAdded_ = true;
}

void TCustomCaptionButton::UpdateTool() {
  HWND tip = CaptionTooltipWindow();
  if (!tip || !toolAdded_) return;
  const bool shows = visible_ && press_.enabled && showHint_ && !hint_.empty();
  const Rect r = TooltipHotArea(rect_, shows, ReadWindow(), ReadCaptionMetrics());
  TOOLINFOA ti = BaseTool(HookedWindow(), toolId_);
  ti.rect = {r.left, r.top, r.right, r.bottom};
  std::string text = shows ? hint_ : std::string();
  ti.lpszText = text.data();
  SendMessageA(tip, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
}

// A subclassing tooltip only watches the client area, but the buttons sit in
// the title bar: the pointer's moves there reach the tooltip through us, as
// client moves above the client's top (where the hot areas lie).
void TCustomCaptionButton::RelayToTool(LPARAM screenPoint) {
  HWND tip = CaptionTooltipWindow();
  if (!tip || !toolAdded_) return;
  POINT pt{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  ScreenToClient(HookedWindow(), &pt);
  MSG msg{HookedWindow(),
          WM_MOUSEMOVE,
          0,
          MAKELPARAM(pt.x, pt.y),
          static_cast<DWORD>(GetMessageTime()),
          {}};
  GetCursorPos(&msg.pt);
  SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void TCustomCaptionButton::RemoveTool() {
  if (!toolAdded_) return;
  if (HWND tip = CaptionTooltipWindow()) {
    // The window it was added for: after a rehook the hooked one is new.
    TOOLINFOA ti = BaseTool(toolWindow_, toolId_);
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  toolAdded_ = false;
}

}  // namespace hopvox
