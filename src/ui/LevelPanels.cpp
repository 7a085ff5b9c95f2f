// Speaker volume and mic gain: the arrows step the level by hand (sent and
// stored only by the hotkeys and at close); Accept takes the two hotkeys.
#include <windows.h>

#include "core/Form1.h"
#include "core/logic/SettingsNames.h"
#include "framework/IniFile.h"

namespace hopvox {

// The displays keep their values within 0..255 themselves.
void TForm1::updownUpClick() { lednumber->SetValue(lednumber->Value() + 1); }
void TForm1::updownDownClick() { lednumber->SetValue(lednumber->Value() - 1); }
void TForm1::VrUpDown1UpClick() { lednumber2->SetValue(lednumber2->Value() + 1); }
void TForm1::VrUpDown1DownClick() { lednumber2->SetValue(lednumber2->Value() - 1); }

void TForm1::volumeHotKeyMouseDown(THotKey& box) {
  box.SetHotKey(0);
  Acceptvolume->SetEnabled(true);
}

void TForm1::micHotKeyMouseDown(THotKey& box) {
  box.SetHotKey(0);
  Acceptmic->SetEnabled(true);
}

void TForm1::AcceptvolumeClick() {
  Wave2.Play();
  volumeDownKey = hotkey6->HotKey();
  TIniFile settings(SettingsPath());
  settings.WriteInteger(ini::kVolume, ini::kVolumeDown, volumeDownKey);
  volumeUpKey = hotkey7->HotKey();
  settings.WriteInteger(ini::kVolume, ini::kVolumeUp, volumeUpKey);
  settings.UpdateFile();
  Acceptvolume->SetEnabled(false);
}

void TForm1::AcceptmicClick() {
  Wave2.Play();
  ParkFocus();
  micDownKey = HotKey16->HotKey();
  TIniFile settings(SettingsPath());
  settings.WriteInteger(ini::kVolume, ini::kMicDown, micDownKey);
  micUpKey = HotKey15->HotKey();
  settings.WriteInteger(ini::kVolume, ini::kMicUp, micUpKey);
  settings.UpdateFile();
  Acceptmic->SetEnabled(false);
}

void TForm1::BindLevelPanels() {
  for (THotKey* box : {hotkey7.get(), hotkey6.get()})
    box->OnMouseDown = [this, box](TMouseButton, TShiftState, int, int) {
      volumeHotKeyMouseDown(*box);
    };
  for (THotKey* box : {HotKey15.get(), HotKey16.get()})
    box->OnMouseDown = [this, box](TMouseButton, TShiftState, int, int) {
      micHotKeyMouseDown(*box);
    };
  updown->OnUpClick = [this] { updownUpClick(); };
  updown->OnDownClick = [this] { updownDownClick(); };
  VrUpDown1->OnUpClick = [this] { VrUpDown1UpClick(); };
  VrUpDown1->OnDownClick = [this] { VrUpDown1DownClick(); };
  Acceptvolume->OnClick = [this] { AcceptvolumeClick(); };
  Acceptmic->OnClick = [this] { AcceptmicClick(); };
}

}  // namespace hopvox
