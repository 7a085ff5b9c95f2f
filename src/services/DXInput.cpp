#define DIRECTINPUT_VERSION 0x0700
#include "services/DXInput.h"

#include <dinput.h>

#include <stdexcept>

#include "framework/Application.h"
#include "framework/Window.h"
#include "services/LibraryList.h"

namespace hopvox {
namespace {

// Our own copies, so the program needs no DirectX import library.
constexpr GUID kGuidSysKeyboard = {
    0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr GUID kGuidKey = {
    0x55728220, 0xD33C, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// The standard keyboard format: 256 optional buttons, one byte per scan code.
struct KeyboardFormat {
  DIOBJECTDATAFORMAT objects[256];
  DIDATAFORMAT format;
  KeyboardFormat() {
    for (DWORD i = 0; i < 256; ++i) {
      objects[i] = {&kGuidKey, i, DIDFT_BUTTON | DIDFT_MAKEINSTANCE(i) | DIDFT_OPTIONAL, 0};
    }
    format = {sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT), DIDF_RELAXIS, 256, 256, objects};
  }
};
const DIDATAFORMAT& KeyboardDataFormat() {
  static const KeyboardFormat f;
  return f.format;
}

// One DirectInput object for the whole process, released with its last user.
struct SharedDirectInput {
  IDirectInputA* object = nullptr;
  int uses = 0;
};
SharedDirectInput& Shared() {
  static SharedDirectInput s;
  return s;
}

IDirectInputA* AcquireDirectInput() {
  SharedDirectInput& s = Shared();
  if (!s.object) {
    using CreateFn = HRESULT(WINAPI*)(HINSTANCE, DWORD, IDirectInputA**, IUnknown*);
    auto create = reinterpret_cast<CreateFn>(
        reinterpret_cast<void*>(LibraryProc("DInput.dll", "DirectInputCreateA")));
    IDirectInputA* object = nullptr;
    if (FAILED(create(GetModuleHandleA(nullptr), 0x0700, &object, nullptr)) || !object)
      return nullptr;
    s.object = object;
  }
  ++s.uses;
  return s.object;
}

void ReleaseSharedDirectInput() {
  SharedDirectInput& s = Shared();
  if (s.uses > 0 && --s.uses == 0 && s.object) {
    s.object->Release();
    s.object = nullptr;
  }
}

}  // namespace

// ---- parts

TCustomInput::~TCustomInput() { TCustomInput::Finalize(); }

void TCustomInput::Finalize() {
  if (device_) {
    device_->Unacquire();
    device_->Release();
    device_ = nullptr;
  }
  states_.reset();
  initialized_ = false;
}

void TCustomInput::SetCooperativeLevel(HWND wnd) {
  if (!device_ || !wnd) return;
  DWORD level = ForceFeedback ? DISCL_EXCLUSIVE : DISCL_NONEXCLUSIVE;
  level |= owner_.ActiveOnly ? DISCL_FOREGROUND : DISCL_BACKGROUND;
  device_->SetCooperativeLevel(wnd, level);
}

void TCustomInput::Acquire() {
  if (device_) device_->Acquire();
}

void TKeyboard::Finalize() {
  TCustomInput::Finalize();
  keys_.Clear();
}

void TKeyboard::ReadLayout() {
  std::array<std::uint8_t, kLayoutScanCodes> layout{};
  for (int s = 1; s < kLayoutScanCodes; ++s)
    layout[static_cast<unsigned>(s)] =
        static_cast<std::uint8_t>(MapVirtualKeyA(s, MAPVK_VSC_TO_VK));
  toVk_ = DikToVkFor(layout);
  // The layout has AltGr when it types some character with Ctrl+Alt held
  // (shift-state bits 2 and 4).
  altGr_ = false;
  for (int c = 0x21; c < 0x100 && !altGr_; ++c) {
    const SHORT found = VkKeyScanA(static_cast<CHAR>(c));
    altGr_ = found != -1 && ((found >> 8) & 6) == 6;
  }
}

void TKeyboard::Initialize() {
  Finalize();
  if (!Enabled) return;
  ReadLayout();
  if (IDirectInputA* di = owner_.DirectInput()) {
    IDirectInputDeviceA* device = nullptr;
    if (FAILED(di->CreateDevice(kGuidSysKeyboard, &device, nullptr)) || !device) return;
    device_ = device;
    if (FAILED(device_->SetDataFormat(&KeyboardDataFormat()))) {
      TCustomInput::Finalize();
      return;
    }
  }
  initialized_ = true;
}

void TKeyboard::Update() {
  keys_.Clear();
  states_.reset();
  if (!initialized_ || !owner_.MayRead()) return;
  if (device_) {
    BYTE scan[256] = {};
    HRESULT hr = device_->GetDeviceState(sizeof scan, scan);
    if (hr == DIERR_INPUTLOST || hr == DIERR_NOTACQUIRED) {
      device_->Acquire();
      hr = device_->GetDeviceState(sizeof scan, scan);
    }
    if (FAILED(hr)) return;
    keys_.SetFromScanCodes(scan, toVk_);
    if (altGr_) {
      auto held = [&scan](unsigned s) { return (scan[s] & TKeyStates::kDown) != 0; };
      keys_.TakeOutAltGr({.leftCtrl = held(DIK_LCONTROL),
                          .rightCtrl = held(DIK_RCONTROL),
                          .leftAlt = held(DIK_LMENU),
                          .rightAlt = held(DIK_RMENU)});
    }
  } else {
    // GetKeyboardState would only show keys that reached our own thread, so
    // with a game in front nothing would ever fire: ask for what is down now.
    for (int vk = 1; vk < 256; ++vk) {
      if (GetAsyncKeyState(vk) & 0x8000) keys_.SetDown(vk);
    }
    if (altGr_) {
      keys_.TakeOutAltGr({.leftCtrl = keys_.Down(VK_LCONTROL),
                          .rightCtrl = keys_.Down(VK_RCONTROL),
                          .leftAlt = keys_.Down(VK_LMENU),
                          .rightAlt = keys_.Down(VK_RMENU)});
    }
  }
  for (int n = 0; n < 36; ++n) {
    for (std::uint32_t code : Assigns[n]) {
      if (code <= 255 && keys_.Down(static_cast<int>(code))) states_.set(n);
    }
  }
}

// ---- component

TCustomDXInput::TCustomDXInput(TWindow* owner) {
  // Parts in the order they are listed: joystick, keyboard, mouse.
  joystick_ = std::make_unique<TJoystick>(*this);
  keyboard_ = std::make_unique<TKeyboard>(*this);
  mouse_ = std::make_unique<TMouse>(*this);
  parts_ = {joystick_.get(), keyboard_.get(), mouse_.get()};
  while (owner && owner->Parent()) owner = owner->Parent();
  if (!owner || !owner->Handle()) throw std::runtime_error("Form not found");
  form_ = owner->Handle();
  // The form handles each message first; then this reader acts on it.
  formHook_.Attach(form_, [this](UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = formHook_.CallNext(msg, wp, lp);
    Application().Guard([&] { AfterMessage(msg, wp); });
    return result;
  });
}

TCustomDXInput::~TCustomDXInput() {
  formHook_.Detach();
  for (TCustomInput* part : parts_) part->Finalize();
  ReleaseDirectInput();
}

void TCustomDXInput::ReleaseDirectInput() {
  if (dinput_) {
    dinput_ = nullptr;
    ReleaseSharedDirectInput();
  }
}

void TCustomDXInput::SetUseDirectInput(bool on) {
  if (on == useDirectInput_) return;
  useDirectInput_ = on;
  if (loaded_) Initialize();
}

void TCustomDXInput::Loaded() {
  loaded_ = true;
  Initialize();
}

void TCustomDXInput::Initialize() {
  for (TCustomInput* part : parts_) part->Finalize();
  ReleaseDirectInput();
  if (useDirectInput_) {
    try {
      dinput_ = AcquireDirectInput();
    } catch (const ELibraryError&) {
      dinput_ = nullptr;  // no DirectInput here: the keyboard reads the system state
    }
  }
  for (TCustomInput* part : parts_) part->Initialize();
  for (TCustomInput* part : parts_) part->SetCooperativeLevel(form_);
  Update();
}

bool TCustomDXInput::MayRead() const { return !ActiveOnly || GetForegroundWindow() == form_; }

void TCustomDXInput::Update() {
  TDXInputStates combined;
  for (TCustomInput* part : parts_) {
    part->Update();
    if (part->BindInputStates) combined |= part->States();
  }
  pressed_ = combined & ~states_;
  released_ = states_ & ~combined;
  states_ = combined;
}

void TCustomDXInput::AfterMessage(UINT msg, WPARAM wp) {
  switch (msg) {
    case WM_CREATE:
      for (TCustomInput* part : parts_) part->SetCooperativeLevel(form_);
      break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP: {
      const bool active = msg == WM_ACTIVATE ? LOWORD(wp) != 0 : wp != 0;
      if (active && MayRead()) {
        for (TCustomInput* part : parts_) part->Acquire();
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace hopvox
