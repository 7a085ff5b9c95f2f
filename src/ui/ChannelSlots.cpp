// The sixteen address boxes and the main server: each box stores its text
// when it loses the focus; database entries dropped on a slot are stored too.
#include <windows.h>

#include "core/Form1.h"
#include "core/logic/SettingsNames.h"
#include "framework/IniFile.h"
#include "ui/logic/MainServer.h"

namespace hopvox {

void TForm1::StoreAddress(int slot) {
  // The run-time value is in force before the write, whatever the write does.
  channelAddress[slot] = ipbox[slot]->Text();
  TIniFile settings(SettingsPath());
  settings.WriteString(ini::kIps, kChannels[slot].ipsKeyName, channelAddress[slot]);
  settings.UpdateFile();
}

void TForm1::ipboxExit(int slot) { StoreAddress(slot); }

bool TForm1::ipboxDragOver(int, TWindow& source) { return &source == ListBox.get(); }

void TForm1::ipboxDragDrop(int slot, TWindow& source) {
  if (&source != ListBox.get()) return;
  for (int i = 0, n = ListBox->Count(); i < n; ++i) {
    if (!ListBox->Selected(i)) continue;
    ipbox[slot]->SetText(listipbox->Text());
    StoreAddress(slot);
    return;  // one entry can be selected
  }
}

void TForm1::serveripExit() {
  const std::string text = serverip->Text();
  ApplyServerExit(*this, text, serverbox->Checked());
  TIniFile settings(SettingsPath());
  settings.WriteString(ini::kIps, ini::kMainServer, text);
  settings.UpdateFile();
}

void TForm1::serverpasswordExit() {
  const std::string stored = ApplyPasswordExit(*this, serverpassword->Text(), serverbox->Checked());
  TIniFile settings(SettingsPath());
  settings.WriteString(ini::kIps, ini::kMainServerPassword, stored);
  settings.UpdateFile();
}

void TForm1::serverboxExit() {
  if (!serverbox->Checked()) {
    ApplyUseServerExit(*this, false, {}, {});
    return;
  }
  const TIniFile settings(SettingsPath());
  ApplyUseServerExit(*this, true, settings.ReadString(ini::kIps, ini::kMainServer, mainServer),
                     settings.ReadString(ini::kIps, ini::kMainServerPassword, mainServerPassword));
  serverip->SetText(mainServer);
  serverpassword->SetText(mainServerPassword);
}

void TForm1::BindChannelSlots() {
  for (int slot = 0; slot < kChannelCount; ++slot) {
    ipbox[slot]->OnExit = [this, slot] { ipboxExit(slot); };
    listDrag_->AddTarget(
        *ipbox[slot], [this, slot](TWindow& source) { return ipboxDragOver(slot, source); },
        [this, slot](TWindow& source) { ipboxDragDrop(slot, source); });
  }
  serverip->OnExit = [this] { serveripExit(); };
  serverpassword->OnExit = [this] { serverpasswordExit(); };
  serverbox->OnExit = [this] { serverboxExit(); };
}

}  // namespace hopvox
