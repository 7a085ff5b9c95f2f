// Speaker volume and mic gain: the arrows step the level by hand (sent and
// stored only by the hotkeys and at close); Accept takes the two hotkeys.
#include <windows.h>

#include "core/Form1.h"
#include "core/logic/SettingsNames.h"
#include "framework/IniFile.h"

namespace hopvox {

// The displays keep their values within 0..255 themselves.
void TForm1::updownUpClick() { volumeDisplay->SetValue(volumeDisplay->Value() + 1); }
void TForm1::updownDownClick() { volumeDisplay->SetValue(volumeDisplay->Value() - 1); }
void TForm1::VrUpDown1UpClick() { micDisplay->SetValue(micDisplay->Value() + 1); }
void TForm1::VrUpDown1DownClick() { micDisplay->SetValue(micDisplay->Value() - 1); }

void TForm1::volumeHotKeyMouseDown(THotKey& box) {
  box.SetHotKey(0);
  Acceptvolume->SetEnabled(true);
}

void TForm1::micHotKeyMouseDown(THotKey& box) {
  box.SetHotKey(0);
  Acceptmic->SetEnabled(true);
}

void TForm1::AcceptvolumeClick() {
  confirmSound.Play();
  volumeDownKey = volumeDownBox->HotKey();
  TIniFile settings(SettingsPath());
  settings.WriteInteger(ini::kVolume, ini::kVolumeDown, volumeDownKey);
  volumeUpKey = volumeUpBox->HotKey();
  settings.WriteInteger(ini::kVolume, ini::kVolumeUp, volumeUpKey);
  settings.UpdateFile();
  Acceptvolume->SetEnabled(false);
}

void TForm1::AcceptmicClick() {
  confirmSound.Play();
  ParkFocus();
  micDownKey = micDownBox->HotKey();
  TIniFile settings(SettingsPath());
  settings.WriteInteger(ini::kVolume, ini::kMicDown, micDownKey);
  micUpKey = micUpBox->HotKey();
  settings.WriteInteger(ini::kVolume, ini::kMicUp, micUpKey);
  settings.UpdateFile();
  Acceptmic->SetEnabled(false);
}

void TForm1::BindLevelPanels() {
  for (THotKey* box : {volumeUpBox.get(), volumeDownBox.get()})
    box->OnMouseDown = [this, box](TMouseButton, TShiftState, int, int) {
      volumeHotKeyMouseDown(*box);
    };
  for (THotKey* box : {micUpBox.get(), micDownBox.get()})
    box->OnMouseDown = [this, box](TMouseButton, TShiftState, int, int) {
      micHotKeyMouseDown(*box);
    };
  volumeArrows->OnUpClick = [this] { updownUpClick(); };
  volumeArrows->OnDownClick = [this] { updownDownClick(); };
  micArrows->OnUpClick = [this] { VrUpDown1UpClick(); };
  micArrows->OnDownClick = [this] { VrUpDown1DownClick(); };
  Acceptvolume->OnClick = [this] { AcceptvolumeClick(); };
  Acceptmic->OnClick = [this] { AcceptmicClick(); };
}

}  // namespace hopvox
