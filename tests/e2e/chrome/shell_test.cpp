// The taskbar button and the notification-area icon as the shell drives
// them: Wine's own taskbar, clicked with the pointer. Runs on a desktop that
// shows the taskbar (tests/e2e/chrome/shell.sh); skipped elsewhere.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "driver/Driver.h"
#include "driver/Keyboard.h"

using e2e::HopvoxRun;

namespace {

// Puts this thread on the named desktop before it has a window, as a
// 1024x768 desktop of its own with the shell's taskbar; the programs the
// driver starts join it. The taskbar, once it is up.
HWND JoinShellDesktop(const std::string& name) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", &key) ==
      ERROR_SUCCESS) {
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("1024x768"), 9);
    RegCloseKey(key);
  }
  HDESK desktop = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (!desktop || !SetThreadDesktop(desktop)) return nullptr;
  GetDesktopWindow();  // the shell starts with the desktop's window
  HWND taskbar = nullptr;
  e2e::WaitFor([&] { return (taskbar = FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; },
               std::chrono::seconds(30));  // a new shell starts on a busy machine too
  return taskbar;
}

// The taskbar's button standing for `window`, which it carries as its id.
HWND TaskbarButtonOf(HWND taskbar, HWND window) {
  for (HWND w = GetWindow(taskbar, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (IsWindowVisible(w) && GetWindowLongPtrA(w, GWLP_ID) == reinterpret_cast<LONG_PTR>(window))
      return w;
  return nullptr;
}

// The notification area's only icon: Wine's taskbar paints it in the last
// small-icon cell (with a border of 2) at its right end.
POINT TrayIconPoint(HWND taskbar) {
  RECT r{};
  GetWindowRect(taskbar, &r);
  return {r.right - (GetSystemMetrics(SM_CXSMICON) + 4) / 2, (r.top + r.bottom) / 2};
}

// A click as a user makes it; a second one on the spot within the system's
// double-click time would be a double click, so that time passes first.
void ClickAt(POINT screen, bool right = false) {
  static DWORD last = GetTickCount() - GetDoubleClickTime();
  while (GetTickCount() - last <= GetDoubleClickTime()) Sleep(20);
  e2e::MouseTo(screen);
  if (right) {
    e2e::RightDown();
    e2e::RightUp();
  } else {
    e2e::LeftDown();
    e2e::LeftUp();
  }
  last = GetTickCount();
}

void ClickOn(HWND target) {
  RECT r{};
  GetWindowRect(target, &r);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// Hopvox on the shell's desktop, unlocked, with the focus in an address box
// where each visit types a digit.
class Shell : public ::testing::Test {
 protected:
  // False (the test skipped) away from the shell's desktop.
  bool Begin() {
    const std::string desktop = e2e::Env("HOPVOX_SHELL_DESKTOP");
    if (desktop.empty()) return false;
    static const HWND joined = JoinShellDesktop(desktop);
    taskbar_ = joined;
    if (!taskbar_) throw std::runtime_error("no taskbar on desktop " + desktop);
    run_.emplace("shell_clicks");
    run_->Start();
    form_ = run_->Form();
    app_ = GetWindow(form_, GW_OWNER);
    run_->PressCaptionButton("captionlockbtn");
    run_->ClickAt("ipbox2", 20, 8);
    return true;
  }
  // A digit typed lands in the box that had the focus.
  bool TypeInto(char digit) {
    typed_ += digit;
    return e2e::Type(*run_, "ipbox2", std::string(1, digit)) && run_->Text("ipbox2") == typed_;
  }
  bool InFront() const { return IsWindowVisible(form_) && GetForegroundWindow() == form_; }
  // Where things stand, for a failure's message.
  std::string State() const {
    char name[64] = "";
    GetClassNameA(GetForegroundWindow(), name, sizeof name);
    return std::string("shown ") + (IsWindowVisible(form_) ? "yes" : "no") + ", minimised " +
           (IsIconic(app_) ? "yes" : "no") + ", in front: " + name +
           ", focus: " + e2e::FocusName(*run_);
  }

  HWND taskbar_ = nullptr, form_ = nullptr, app_ = nullptr;
  std::optional<HopvoxRun> run_;
  std::string typed_;
};

constexpr char kElsewhere[] = "wants a desktop with the shell's taskbar (shell.sh)";

}  // namespace

TEST_F(Shell, TaskbarButtonBringsTheWindowBackAndMinimisesItWhenActive) {
  if (!Begin()) GTEST_SKIP() << kElsewhere;
  for (char round = '1'; round <= '3'; ++round) {
    SCOPED_TRACE(std::string("round ") + round);
    {
      e2e::FocusThief other;
      HWND button = TaskbarButtonOf(taskbar_, app_);
      ASSERT_TRUE(button) << "no taskbar button";
      ClickOn(button);
      EXPECT_TRUE(e2e::WaitFor([&] { return InFront(); })) << "from another program; " << State();
      EXPECT_TRUE(TypeInto(round));
    }
    // The button of the active program minimises it, as Windows does.
    ClickOn(TaskbarButtonOf(taskbar_, app_));
    EXPECT_TRUE(e2e::WaitFor([&] { return IsIconic(app_) && !IsWindowVisible(form_); }))
        << "a click on the button of the active program; " << State();
    ClickOn(TaskbarButtonOf(taskbar_, app_));
    EXPECT_TRUE(e2e::WaitFor([&] { return InFront(); })) << "from the taskbar; " << State();
    EXPECT_TRUE(TypeInto(round));
  }
  run_->Close();
}

TEST_F(Shell, OneClickOnTheTrayIconRestoresAlsoAfterItsMenuWasClosed) {
  if (!Begin()) GTEST_SKIP() << kElsewhere;
  for (char round = '1'; round <= '3'; ++round) {
    SCOPED_TRACE(std::string("round ") + round);
    run_->PressCaptionButton("TrayIcon");
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(form_); }));
    ASSERT_EQ(run_->Query("TrayIcon.Visible"), 1);
    const POINT icon = TrayIconPoint(taskbar_);
    if (round == '2') {
      // The menu, closed with Escape. Under Wine no key the user presses
      // reaches a notification menu whose window is hidden (any program's),
      // so the key goes to the menu as its own loop reads it.
      ClickAt(icon, true);
      HWND menu = nullptr;
      ASSERT_TRUE(e2e::WaitFor([&] {
        return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu);
      }));
      PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(menu); }));
    }
    ClickAt(icon);
    EXPECT_TRUE(e2e::WaitFor([&] { return InFront(); })) << "one click on the icon; " << State();
    EXPECT_TRUE(TypeInto(round));
  }
  run_->Close();
}
