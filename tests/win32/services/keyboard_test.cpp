#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>

#include "OtherProgram.h"
#include "../Pump.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "services/DXInput.h"
#include "services/LibraryList.h"

namespace hopvox {
namespace {

struct Key {
  const char* name;
  WORD vk, scan;
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

class Keyboard : public ::testing::Test {
 protected:
  Keyboard() : form_("keyboard test", 200, 100, WS_OVERLAPPEDWINDOW) {
    ShowWindow(form_.Handle(), SW_SHOWNORMAL);
    input_.ActiveOnly = false;
    input_.Joystick().Enabled = false;
    input_.Mouse().Enabled = false;
  }

  // Presses the keys, waits until the snapshot shows `marker`, returns every
  // code it holds, then lets go and waits until all read up.
  std::set<int> Hold(std::initializer_list<Key> keys, int marker) {
    auto down = [&] {
      input_.Update();
      std::set<int> codes;
      for (int c = 0; c < 256; ++c)
        if (input_.Keys(c)) codes.insert(c);
      return codes;
    };
    std::set<int> seen;
    for (const Key& k : keys) Send(k, false);
    test::PumpUntil([&] { return (seen = down()).count(marker) > 0; }, 5000);
    for (const Key& k : keys) Send(k, true);
    test::PumpUntil([&] { return down().empty(); }, 5000);
    return seen;
  }

  TForm form_;
  TDXInput input_{&form_};
};

constexpr Key kRightCtrl{"right Ctrl", VK_CONTROL, 0x1D, true};
constexpr Key kQ{"Q", 'Q', 0x10, false};

TEST_F(Keyboard, DirectInputReadsKeysByPositionWhileAnotherProgramHasTheFocus) {
  input_.Loaded();
  ASSERT_NE(input_.Keyboard().Device(), nullptr);
  test::OtherProgram other;
  ASSERT_NE(GetForegroundWindow(), form_.Handle());
  struct Case {
    Key key;
    int code;
  };
  for (const Case& c : {Case{kRightCtrl, 17}, Case{{"right Alt", VK_MENU, 0x38, true}, 18},
                        Case{{"keypad 0", VK_NUMPAD0, 0x52, false}, 96},
                        Case{{"keypad 0, Num Lock off", VK_INSERT, 0x52, false}, 96},
                        Case{{"Insert", VK_INSERT, 0x52, true}, 45},
                        Case{{"keypad minus", VK_SUBTRACT, 0x4A, false}, 109},
                        Case{{"keypad *", VK_MULTIPLY, 0x37, false}, 106},
                        Case{{"full stop", VK_OEM_PERIOD, 0x34, false}, VK_OEM_PERIOD},
                        Case{{"main minus", VK_OEM_MINUS, 0x0C, false}, VK_OEM_MINUS},
                        Case{{"'", VK_OEM_7, 0x28, false}, VK_OEM_7}}) {
    EXPECT_EQ(Hold({c.key}, c.code), std::set<int>{c.code}) << c.key.name;
  }
  // A key without a code: with Q pressed after it, Q alone shows.
  EXPECT_EQ(Hold({{"unlisted", VK_SNAPSHOT, 0x54, false}, kQ}, 81), std::set<int>{81});
}

TEST_F(Keyboard, WithoutDirectInputTheKeysDownNowAreRead) {
  input_.SetUseDirectInput(false);
  input_.Loaded();
  EXPECT_EQ(input_.Keyboard().Device(), nullptr);
  test::OtherProgram other;
  const auto seen = Hold({kRightCtrl, kQ}, 81);
  EXPECT_TRUE(seen.count(17));
  EXPECT_TRUE(seen.count(81));
  input_.SetUseDirectInput(true);  // switching back opens the device again
  EXPECT_NE(input_.Keyboard().Device(), nullptr);
}

TEST_F(Keyboard, FormIsFoundFromAnyOfItsWindowsAndGetsItsProcedureBack) {
  TForm other("other", 100, 100, WS_OVERLAPPEDWINDOW);
  TPanel panel({.parent = &other, .bounds = {0, 0, 50, 50}});
  const LONG_PTR original = GetWindowLongPtrA(other.Handle(), GWLP_WNDPROC);
  {
    auto first = std::make_unique<TDXInput>(&panel);
    EXPECT_EQ(first->FormHandle(), other.Handle());
    TDXInput second(&other);  // two readers on one form, leaving in either order
    first.reset();
    EXPECT_NE(GetWindowLongPtrA(other.Handle(), GWLP_WNDPROC), original);
    SendMessageA(other.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  }
  EXPECT_EQ(GetWindowLongPtrA(other.Handle(), GWLP_WNDPROC), original);
  try {
    TDXInput none(nullptr);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Form not found");
  }
  try {
    LibraryProc("NoSuchLibrary.dll", "Anything");
    FAIL();
  } catch (const ELibraryError& e) {
    EXPECT_STREQ(e.what(), "NoSuchLibrary.dll is not loaded");
  }
  EXPECT_THROW(LibraryProc("kernel32.dll", "NoSuchEntry"), ELibraryError);
}

}  // namespace
}  // namespace hopvox
