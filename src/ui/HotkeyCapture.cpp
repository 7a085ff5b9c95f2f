// Channel hot-key boxes: a press clears the box and marks the keys pending;
// any Accept button takes all sixteen boxes into the run-time table and the
// settings file at once.
#include <windows.h>

#include "core/Form1.h"
#include "core/logic/SettingsNames.h"
#include "framework/IniFile.h"

namespace hopvox {

void TForm1::ShowKeysAccepted(bool accepted) {
  for (int p = 0; p < 4; ++p) {
    savedLed[p]->SetActive(accepted);
    Accept[p]->SetEnabled(!accepted);
  }
}

void TForm1::HotKeyMouseDown(int channel) {
  channelHotKey[channel]->SetHotKey(0);
  ShowKeysAccepted(false);
}

void TForm1::AcceptClick() {
  confirmSound.Play();
  // No box may keep capturing keys while the codes are taken.
  ParkFocus();
  for (int ch = 0; ch < kChannelCount; ++ch) channelKey[ch] = channelHotKey[ch]->HotKey();
  TIniFile settings(SettingsPath());
  for (int ch = 0; ch < kChannelCount; ++ch)
    settings.WriteInteger(ini::kKeys, kChannels[ch].keyName, channelKey[ch]);
  settings.UpdateFile();
  // A failed write leaves the lamps red and the buttons enabled for another try.
  ShowKeysAccepted(true);
}

void TForm1::BindHotkeyCapture() {
  for (int ch = 0; ch < kChannelCount; ++ch)
    channelHotKey[ch]->OnMouseDown = [this, ch](TMouseButton, TShiftState, int, int) {
      HotKeyMouseDown(ch);
    };
  for (int p = 0; p < 4; ++p) Accept[p]->OnClick = [this] { AcceptClick(); };
}

}  // namespace hopvox
