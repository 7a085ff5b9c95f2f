#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "Pump.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "services/DXInput.h"
#include "services/LibraryList.h"

namespace hopvox {
namespace {

struct Key {
  const char* name;
  WORD vk;
  WORD scan;
  bool extended;
};

void Send(const Key& k, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = k.vk;
  in.ki.wScan = k.scan;
  in.ki.dwFlags = (k.extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &in, sizeof in);
}

std::set<int> DownCodes(const TDXInput& input) {
  std::set<int> down;
  for (int c = 0; c < 256; ++c)
    if (input.Keys(c)) down.insert(c);
  return down;
}

// Another program holds the focus while the keys are pressed, as a game would.
class OtherProgram {
 public:
  OtherProgram() {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    char cmd[] = "notepad.exe";
    if (!CreateProcessA(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
      throw std::runtime_error("cannot start notepad");
    WaitForInputIdle(pi_.hProcess, 10000);
    for (int i = 0; i < 200 && !wnd_; ++i) {
      wnd_ = FindWindowA("Notepad", nullptr);
      if (!wnd_) Sleep(50);
    }
    if (wnd_) SetForegroundWindow(wnd_);
  }
  ~OtherProgram() {
    TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  HWND Window() const { return wnd_; }

 private:
  PROCESS_INFORMATION pi_{};
  HWND wnd_ = nullptr;
};

class Keyboard : public ::testing::Test {
 protected:
  Keyboard() : form_("keyboard test", 200, 100, WS_OVERLAPPEDWINDOW) {}
  void SetUp() override { ShowWindow(form_.Handle(), SW_SHOWNORMAL); }

  // Presses the keys, waits until the snapshot shows `marker` (or the time is
  // up), returns what the snapshot holds, then lets go and waits for all up.
  std::set<int> Hold(TDXInput& input, std::initializer_list<Key> keys, int marker, DWORD patience = 5000) {
    for (const Key& k : keys) Send(k, false);
    std::set<int> seen;
    test::PumpUntil([&] {
      input.Update();
      seen = DownCodes(input);
      return seen.count(marker) > 0;
    }, patience);
    for (const Key& k : keys) Send(k, true);
    test::PumpUntil([&] {
      input.Update();
      return DownCodes(input).empty();
    }, 5000);
    return seen;
  }

  TForm form_;
};

constexpr Key kRightCtrl{"right Ctrl", VK_CONTROL, 0x1D, true};
constexpr Key kRightAlt{"right Alt", VK_MENU, 0x38, true};
constexpr Key kPad0{"keypad 0", VK_NUMPAD0, 0x52, false};
constexpr Key kPad0NumLockOff{"keypad 0 (Num Lock off)", VK_INSERT, 0x52, false};
constexpr Key kInsert{"Insert", VK_INSERT, 0x52, true};
constexpr Key kPadMinus{"keypad minus", VK_SUBTRACT, 0x4A, false};
constexpr Key kMinus{"main minus", VK_OEM_MINUS, 0x0C, false};
constexpr Key kFullStop{"full stop", VK_OEM_PERIOD, 0x34, false};
constexpr Key kA{"A", 'A', 0x1E, false};
constexpr Key kQ{"Q", 'Q', 0x10, false};

TEST_F(Keyboard, DirectInputReadsKeysByPositionWhileAnotherProgramHasTheFocus) {
  TDXInput input(&form_);
  input.ActiveOnly = false;
  input.Joystick().Enabled = false;
  input.Mouse().Enabled = false;
  input.Loaded();
  ASSERT_NE(input.DirectInput(), nullptr);
  ASSERT_NE(input.Keyboard().Device(), nullptr);
  OtherProgram other;
  ASSERT_NE(other.Window(), nullptr);
  ASSERT_NE(GetForegroundWindow(), form_.Handle());

  struct Case {
    Key key;
    std::set<int> codes;
  };
  for (const Case& c : {Case{kRightCtrl, {17}}, Case{kRightAlt, {18}}, Case{kPad0, {96}},
                        Case{kPad0NumLockOff, {96}}, Case{kInsert, {45}}, Case{kPadMinus, {109}},
                        Case{kFullStop, {46}}}) {
    EXPECT_EQ(Hold(input, {c.key}, *c.codes.begin()), c.codes) << c.key.name;
  }
  // The main-keyboard minus has no code: with A pressed after it, A alone shows.
  EXPECT_EQ(Hold(input, {kMinus, kA}, 65), std::set<int>{65});
}

TEST_F(Keyboard, WithoutDirectInputTheKeysDownNowAreRead) {
  TDXInput input(&form_);
  input.ActiveOnly = false;
  input.SetUseDirectInput(false);
  input.Loaded();
  EXPECT_EQ(input.DirectInput(), nullptr);
  EXPECT_EQ(input.Keyboard().Device(), nullptr);
  EXPECT_TRUE(input.Keyboard().Initialized());
  OtherProgram other;
  const auto seen = Hold(input, {kRightCtrl, kQ}, 81);
  EXPECT_TRUE(seen.count(17));
  EXPECT_TRUE(seen.count(81));
  EXPECT_FALSE(input.Keys(0x2051));  // Q with a modifier bit never fires

  // Switching DirectInput back on opens the device again.
  input.SetUseDirectInput(true);
  EXPECT_NE(input.Keyboard().Device(), nullptr);
}

TEST_F(Keyboard, ActiveOnlyReadsNothingWhileTheFormIsBehind) {
  TDXInput input(&form_);  // ActiveOnly is the component's default
  input.Loaded();
  OtherProgram other;
  const auto seen = Hold(input, {kQ}, 81, 1000);
  EXPECT_TRUE(seen.empty());
}

TEST_F(Keyboard, OneDirectInputObjectIsShared) {
  TForm second("second", 100, 100, WS_OVERLAPPEDWINDOW);
  TDXInput a(&form_);
  a.Loaded();
  {
    TDXInput b(&second);
    b.Loaded();
    EXPECT_EQ(a.DirectInput(), b.DirectInput());
  }
  // a keeps working after b let go of its share.
  EXPECT_NE(a.Keyboard().Device(), nullptr);
  a.Update();
}

TEST_F(Keyboard, OwnerMustBeAWindowAndControlsLeadToTheirForm) {
  try {
    TDXInput none(nullptr);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Form not found");
  }
  TPanel panel(&form_, 0, 0, 50, 50);
  TDXInput input(&panel);
  EXPECT_EQ(input.FormHandle(), form_.Handle());
}

TEST(LibraryList, MissingLibraryOrEntryIsNamed) {
  try {
    LibraryProc("NoSuchLibrary.dll", "Anything");
    FAIL();
  } catch (const ELibraryError& e) {
    EXPECT_STREQ(e.what(), "NoSuchLibrary.dll is not loaded");
  }
  try {
    LibraryProc("kernel32.dll", "NoSuchEntry");
    FAIL();
  } catch (const ELibraryError& e) {
    EXPECT_STREQ(e.what(), "NoSuchEntry is not loaded");
  }
  EXPECT_EQ(LibraryProc("DINPUT.DLL", "DirectInputCreateA"), LibraryProc("DInput.dll", "DirectInputCreateA"));
}

}  // namespace
}  // namespace hopvox
