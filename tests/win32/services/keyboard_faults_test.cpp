// The keyboard reader when DirectInput lets it down: no library, no entry
// point, no device, or a device that has lost its input. A stand-in
// DirectInput, reached through this program's own imports, plays each part.
#define DIRECTINPUT_VERSION 0x0700
#include <windows.h>

#include <dinput.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "../SwapImport.h"
#include "OtherProgram.h"
#include "../Pump.h"
#include "framework/Form.h"
#include "services/DXInput.h"

namespace hopvox {
namespace {

constexpr BYTE kScanQ = 0x10;
constexpr int kVkQ = 'Q';

class FakeKeyboard : public IDirectInputDeviceA {
 public:
  int acquires = 0;
  int reads = 0;
  int failingReads = 0;  // the next reads that fail as if the input was lost
  STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
  STDMETHOD_(ULONG, AddRef)() override { return 2; }
  STDMETHOD_(ULONG, Release)() override { return 1; }
  STDMETHOD(GetCapabilities)(LPDIDEVCAPS) override { return E_NOTIMPL; }
  STDMETHOD(EnumObjects)(LPDIENUMDEVICEOBJECTSCALLBACKA, LPVOID, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(GetProperty)(REFGUID, LPDIPROPHEADER) override { return E_NOTIMPL; }
  STDMETHOD(SetProperty)(REFGUID, LPCDIPROPHEADER) override { return E_NOTIMPL; }
  STDMETHOD(Acquire)() override {
    ++acquires;
    return DI_OK;
  }
  STDMETHOD(Unacquire)() override { return DI_OK; }
  STDMETHOD(GetDeviceState)(DWORD size, LPVOID data) override {
    ++reads;
    if (failingReads > 0) {
      --failingReads;
      return DIERR_INPUTLOST;
    }
    if (size < 256) return E_INVALIDARG;
    static_cast<BYTE*>(data)[kScanQ] = 0x80;  // Q is held
    return DI_OK;
  }
  STDMETHOD(GetDeviceData)(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(SetDataFormat)(LPCDIDATAFORMAT) override { return DI_OK; }
  STDMETHOD(SetEventNotification)(HANDLE) override { return E_NOTIMPL; }
  STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return DI_OK; }
  STDMETHOD(GetObjectInfo)(LPDIDEVICEOBJECTINSTANCEA, DWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetDeviceInfo)(LPDIDEVICEINSTANCEA) override { return E_NOTIMPL; }
  STDMETHOD(RunControlPanel)(HWND, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(HINSTANCE, DWORD, REFGUID) override { return E_NOTIMPL; }
};

class FakeDirectInput : public IDirectInputA {
 public:
  FakeKeyboard* keyboard = nullptr;  // null: the device cannot be made
  STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
  STDMETHOD_(ULONG, AddRef)() override { return 2; }
  STDMETHOD_(ULONG, Release)() override { return 1; }
  STDMETHOD(CreateDevice)(REFGUID, LPDIRECTINPUTDEVICEA* device, LPUNKNOWN) override {
    *device = keyboard;
    return keyboard ? DI_OK : DIERR_NOTFOUND;
  }
  STDMETHOD(EnumDevices)(DWORD, LPDIENUMDEVICESCALLBACKA, LPVOID, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(GetDeviceStatus)(REFGUID) override { return E_NOTIMPL; }
  STDMETHOD(RunControlPanel)(HWND, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(HINSTANCE, DWORD) override { return E_NOTIMPL; }
};

FakeDirectInput g_directInput;
HRESULT WINAPI FakeCreate(HINSTANCE, DWORD, IDirectInputA** out, IUnknown*) {
  *out = &g_directInput;
  return DI_OK;
}

void SendQ(bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = kVkQ;
  in.ki.wScan = kScanQ;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

class KeyboardFaults : public ::testing::Test {
 protected:
  KeyboardFaults()
      : form_("keyboard faults", 200, 100, WS_OVERLAPPEDWINDOW),
        directInput_("DInput.dll", "DirectInputCreateA",
                     reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeCreate))) {
    ShowWindow(form_.Handle(), SW_SHOWNORMAL);
  }
  ~KeyboardFaults() override { SendQ(true); }

  // Holds Q, with another program in front, until the system's own key state
  // shows it. (With the focus on our own window, Wine's note about that focus
  // sets the key state back to the physical keyboard's, where Q is up.)
  void HoldQ() {
    other_.emplace();
    SendQ(false);
    ASSERT_TRUE(test::PumpUntil([] { return (GetAsyncKeyState(kVkQ) & 0x8000) != 0; }, 5000));
  }

  std::unique_ptr<TDXInput> Reader() {
    auto input = std::make_unique<TDXInput>(&form_);
    input->ActiveOnly = false;
    input->Joystick().Enabled = false;
    input->Mouse().Enabled = false;
    input->Loaded();
    return input;
  }

  TForm form_;
  test::StandInLibrary directInput_;
  std::optional<test::OtherProgram> other_;
};

TEST_F(KeyboardFaults, WithoutTheLibraryOrItsEntryTheSystemStateIsRead) {
  ASSERT_TRUE(directInput_.Swapped());
  HoldQ();
  for (bool noLibrary : {true, false}) {
    // The process keeps a library once loaded: a missing one can only be
    // played before another test of this program has loaded DirectInput.
    if (noLibrary && GetModuleHandleA("dinput.dll")) continue;
    directInput_.missing = noLibrary;
    directInput_.noEntry = !noLibrary;
    auto input = Reader();
    EXPECT_EQ(input->Keyboard().Device(), nullptr) << noLibrary;
    input->Update();
    EXPECT_TRUE(input->Keys(kVkQ)) << noLibrary;
  }
  directInput_.missing = directInput_.noEntry = false;
}

TEST_F(KeyboardFaults, AKeyboardThatCannotBeMadeReadsEveryKeyUp) {
  ASSERT_TRUE(directInput_.Swapped());
  g_directInput.keyboard = nullptr;
  auto input = Reader();
  EXPECT_EQ(input->Keyboard().Device(), nullptr);
  HoldQ();
  for (int tick = 0; tick < 3; ++tick) {
    input->Update();
    for (int code = 1; code < 256; ++code) EXPECT_FALSE(input->Keys(code)) << code;
  }
}

TEST_F(KeyboardFaults, LostInputIsAcquiredAgainAndActivationAcquires) {
  ASSERT_TRUE(directInput_.Swapped());
  FakeKeyboard keyboard;
  g_directInput.keyboard = &keyboard;
  auto input = Reader();
  ASSERT_EQ(input->Keyboard().Device(), &keyboard);

  // One lost read: acquire, read again, and the key shows.
  keyboard.failingReads = 1;
  keyboard.acquires = keyboard.reads = 0;
  input->Update();
  EXPECT_TRUE(input->Keys(kVkQ));
  EXPECT_EQ(keyboard.reads, 2);
  EXPECT_EQ(keyboard.acquires, 1);
  // Lost again after the retry: every key up for this update only.
  keyboard.failingReads = 2;
  input->Update();
  EXPECT_FALSE(input->Keys(kVkQ));
  input->Update();
  EXPECT_TRUE(input->Keys(kVkQ));

  // The window becoming active, or the program, acquires; going inactive does not.
  struct Note {
    UINT msg;
    WPARAM wp;
    int acquires;
  };
  for (const Note& n : {Note{WM_ACTIVATE, WA_ACTIVE, 1}, Note{WM_ACTIVATE, WA_INACTIVE, 0},
                        Note{WM_ACTIVATEAPP, TRUE, 1}, Note{WM_ACTIVATEAPP, FALSE, 0}}) {
    keyboard.acquires = 0;
    SendMessageA(form_.Handle(), n.msg, n.wp, 0);
    EXPECT_EQ(keyboard.acquires, n.acquires) << n.msg << " " << n.wp;
  }
  input.reset();
  g_directInput.keyboard = nullptr;
}

}  // namespace
}  // namespace hopvox
