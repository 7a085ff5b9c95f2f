#pragma once
// The keyboard state reader: one snapshot of the whole keyboard per polling
// tick, read through DirectInput in non-exclusive background mode so keys are
// seen whichever program has the focus. Without DirectInput it reads the keys
// that are down system-wide right now.
#include <windows.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Subclass.h"
#include "services/logic/DikToVk.h"
#include "services/logic/KeyStates.h"

struct IDirectInputA;
struct IDirectInputDeviceA;

namespace hopvox {

class TWindow;
class TCustomDXInput;

// Direction/button states of an input part; the program reads none of them.
using TDXInputStates = std::bitset<40>;

class TCustomInput {
 public:
  explicit TCustomInput(TCustomDXInput& owner) : owner_(owner) {}
  virtual ~TCustomInput();
  TCustomInput(const TCustomInput&) = delete;
  TCustomInput& operator=(const TCustomInput&) = delete;

  bool Enabled = true;
  bool BindInputStates = true;
  bool ForceFeedback = false;

  bool Initialized() const { return initialized_; }
  IDirectInputDeviceA* Device() const { return device_; }
  const TDXInputStates& States() const { return states_; }

  // Unacquires and releases the device, clears the states.
  virtual void Finalize();
  virtual void Initialize() { Finalize(); }
  virtual void Update() { states_.reset(); }
  void SetCooperativeLevel(HWND wnd);
  void Acquire();

 protected:
  TCustomDXInput& owner_;
  IDirectInputDeviceA* device_ = nullptr;
  bool initialized_ = false;
  TDXInputStates states_;
};

class TKeyboard : public TCustomInput {
 public:
  using TCustomInput::TCustomInput;

  // Keys making up the 36 direction/button states, three codes each.
  std::uint32_t Assigns[36][3] = {};

  void Initialize() override;
  void Update() override;
  void Finalize() override;
  // True when `code` is 1..255 and that key was down in the last Update.
  bool Keys(int code) const { return keys_.Down(code); }

 private:
  // Reads the keyboard layout of the calling thread, which the hot-key boxes
  // capture with: what each scan code means, and whether it has AltGr.
  void ReadLayout();

  TKeyStates keys_;
  std::array<std::uint8_t, 256> toVk_ = DikToVkTable();
  bool altGr_ = false;
};

// Present so the component has its three parts; the program never enables
// them, and they read nothing.
class TJoystick : public TCustomInput {
 public:
  using TCustomInput::TCustomInput;
};
class TMouse : public TCustomInput {
 public:
  explicit TMouse(TCustomDXInput& owner) : TCustomInput(owner) { BindInputStates = false; }
};

class TCustomDXInput {
 public:
  // `owner` is any window of the form; the form itself is found up the
  // parent chain. Throws "Form not found" when there is no window.
  explicit TCustomDXInput(TWindow* owner);
  virtual ~TCustomDXInput();
  TCustomDXInput(const TCustomDXInput&) = delete;
  TCustomDXInput& operator=(const TCustomDXInput&) = delete;

  bool ActiveOnly = true;
  bool UseDirectInput() const { return useDirectInput_; }
  void SetUseDirectInput(bool on);

  TKeyboard& Keyboard() { return *keyboard_; }
  TJoystick& Joystick() { return *joystick_; }
  TMouse& Mouse() { return *mouse_; }

  // End of the form's creation: opens the devices.
  void Loaded();
  void Initialize();
  void Update();
  bool Keys(int code) const { return keyboard_->Keys(code); }

  HWND FormHandle() const { return form_; }
  IDirectInputA* DirectInput() const { return dinput_; }
  const TDXInputStates& States() const { return states_; }
  const TDXInputStates& StatesPressed() const { return pressed_; }
  const TDXInputStates& StatesReleased() const { return released_; }
  // Whether reading is allowed now (ActiveOnly and the form in front).
  bool MayRead() const;

 private:
  void AfterMessage(UINT msg, WPARAM wp);
  void ReleaseDirectInput();

  HWND form_ = nullptr;
  // On the form's procedure: creation and activation reach the devices.
  TSubclass formHook_;
  bool useDirectInput_ = true;
  bool loaded_ = false;
  IDirectInputA* dinput_ = nullptr;
  std::unique_ptr<TJoystick> joystick_;
  std::unique_ptr<TKeyboard> keyboard_;
  std::unique_ptr<TMouse> mouse_;
  std::vector<TCustomInput*> parts_;  // joystick, keyboard, mouse
  TDXInputStates states_, pressed_, released_;
};

class TDXInput : public TCustomDXInput {
 public:
  using TCustomDXInput::TCustomDXInput;
};

}  // namespace hopvox
