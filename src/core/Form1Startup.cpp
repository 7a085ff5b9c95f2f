// Start-up, the polling switch, the interval and priority controls, close.
#include <windows.h>

#include "core/Form1.h"
#include "core/SettingsFolder.h"
#include "core/logic/PollInterval.h"
#include "core/logic/SettingsNames.h"
#include "framework/Application.h"
#include "framework/IniFile.h"
#include "framework/ModulePath.h"

namespace hopvox {

std::string TForm1::SettingsPath() const { return settingsDir + ini::kSettingsFile; }

void TForm1::FormCreate() {
  using namespace ini;
  TrayIcon->SetOptions(TrayIcon->Options() | oHideOnRestore);
  programDir = ProgramDir();
  if (programDir.empty())
    MessageBoxA(nullptr,
                "Hopvox cannot find its own folder: the folder's name has letters that the "
                "language Windows uses for older programs cannot show.\n\nMove the Hopvox "
                "folder to one named in plain letters, for example C:\\Hopvox, and start it "
                "there. Until then Hopvox keeps its settings in your application data and "
                "finds no sounds or help beside it.",
                Application().Title().c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
  settingsDir = SettingsFolder(programDir);
  SetFontSize(8);
  PageControl2->SetActivePage(addressPages[0].get());
  PageControl3->SetActivePage(hotkeyPages[0].get());
  LoadChannelSounds();

  cpuradiobtns->OnClick = [this] { cpuradiobtnsClick(); };
  enablebox->OnClick = [this] { enableboxClick(); };
  timerbar->OnChange = [this] { timerbarChange(); };
  if (TMenuItem* item = PopupMenu1.Find("Enabled1")) item->OnClick = [this] { Enabled1Click(); };
  if (TMenuItem* item = PopupMenu1.Find("Quit1")) item->OnClick = [this] { Close(); };

  // Each group of editing handlers binds its controls here, before the stored
  // settings arrive (setting a check box from code runs its handler).
  listDrag_ = std::make_unique<TDragSource>(*ListBox);
  BindWindowHandlers();
  BindChannelSlots();
  BindHotkeyCapture();
  BindLevelPanels();
  BindDatabase();
  BindMiscOptions();

  cpuradiobtns->SetItemIndex(2);
  for (int n = 1; n <= 6; ++n) DFWFoldPanel[n]->SetFoldStatus(TFoldStatus::fsCollapsed);

  ListBox->SetItems(
      TIniFile(settingsDir + kDatabaseFileReader).ReadSection(kDatabaseSectionReader));
  Application().SetHintHidePause(10000);

  TIniFile settings(SettingsPath());
  if (!settings.SectionExists(kTimingSection)) {
    // The rest of start-up only reads: a file we may not write still holds
    // the user's hotkeys, so say so once and go on.
    try {
      settings.WriteInteger(kTimingSection, kTiming, kDefaultTiming);
    } catch (const EIniFileError& e) {
      Application().HandleException(e);
    }
  }

  // Above the list: the highest item; below it: no item, which changes no
  // timer, so they keep the "Normal" set above.
  const int priority = settings.ReadInteger(kSystem, kPriority, 0);
  cpuradiobtns->SetItemIndex(priority > 4 ? 4 : priority < 0 ? -1 : priority);

  pollInterval = EffectivePollInterval(settings.ReadInteger(kTimingSection, kTiming, -1));
  SetTimerIntervals(pollInterval);

  LoadStoredLogo(settings.ReadString(kLogoSection, kLogo, ""));
  windowsstartbox->SetChecked(settings.ReadBool(kMisc, kAutostart, true));
  hintbox->SetChecked(settings.ReadBool(kMisc, kHintsEnabled, true));

  for (int ch = 0; ch < kChannelCount; ++ch)
    channelHotKey[ch]->SetHotKey(settings.ReadInteger(kKeys, kChannels[ch].keyName, -1));
  volumeDownBox->SetHotKey(settings.ReadInteger(kVolumeReader, kVolumeDownReader, -1));
  volumeUpBox->SetHotKey(settings.ReadInteger(kVolumeReader, kVolumeUpReader, -1));
  micDownBox->SetHotKey(settings.ReadInteger(kVolumeReader, kMicDownReader, -1));
  micUpBox->SetHotKey(settings.ReadInteger(kVolumeReader, kMicUpReader, -1));
  for (int ch = 0; ch < kChannelCount; ++ch) channelKey[ch] = channelHotKey[ch]->HotKey();
  volumeDownKey = volumeDownBox->HotKey();
  volumeUpKey = volumeUpBox->HotKey();
  micDownKey = micDownBox->HotKey();
  micUpKey = micUpBox->HotKey();

  volumeDisplay->SetValue(settings.ReadInteger(kVolume, kVolumeLevel, -1));
  micDisplay->SetValue(settings.ReadInteger(kVolume, kMicLevel, -1));

  const int modifier = settings.ReadInteger(kModifierSection, kModifier, -1);
  TRadioButton* buttons[] = {ctrlbutton.get(), altbutton.get(), shftbutton.get(), nonbutton.get()};
  if (modifier >= 1 && modifier <= 4) buttons[modifier - 1]->SetChecked(true);
  activeModifier = modifier;
  EnableModifierTimer(modifier);

  for (int ch = 0; ch < kChannelCount; ++ch) {
    ipbox[ch]->SetText(settings.ReadString(kIps, kChannels[ch].keyName, channelAddress[ch]));
    channelAddress[ch] = ipbox[ch]->Text();
  }
  // The boxes show the stored server and password whether or not the box is
  // ticked; the box decides, as when the user leaves it, what the joins use.
  serverbox->SetChecked(settings.ReadBool(kMisc, kUseServer, serverbox->Checked()));
  serverip->SetText(settings.ReadString(kIps, kMainServer, mainServer));
  serverpassword->SetText(settings.ReadString(kIps, kMainServerPassword, mainServerPassword));
  serverboxExit();
}

void TForm1::enableboxClick() {
  clickSound.Play();
  SetPolling(enablebox->Checked());
}

void TForm1::Enabled1Click() {
  const TMenuItem* item = PopupMenu1.Find("Enabled1");
  SetPolling(!(item && item->Checked));
}

void TForm1::SetPolling(bool on) {
  if (on) {
    EnableTimersFromModifier();
  } else {
    DisableTimers();
  }
  const char* caption = on ? "Enabled" : "Disabled";
  if (TMenuItem* item = PopupMenu1.Find("Enabled1")) {
    item->Caption = caption;
    item->Checked = on;
  }
  enablebox->SetText(caption);
  // From the tray menu this is a change, and runs the box's click handler
  // (with its sound) as a click on the box would.
  enablebox->SetChecked(on);
}

void TForm1::timerbarChange() {
  timerbar->SetHint(std::to_string(timerbar->Position()));
  programDir = ProgramDir();
  TIniFile settings(SettingsPath());
  settings.WriteInteger(ini::kTimingSection, ini::kTiming, timerbar->Position());
  pollInterval = timerbar->Position();
  SetTimerIntervals(pollInterval);
}

void TForm1::WriteCloseSettings() {
  using namespace ini;
  TIniFile settings(SettingsPath());
  settings.WriteInteger(kModifierSection, kModifier, activeModifier);
  settings.WriteInteger(kVolume, kVolumeLevel, volumeDisplay->Value());
  settings.WriteInteger(kVolume, kMicLevel, micDisplay->Value());
  settings.WriteInteger(kSystem, kPriority, cpuradiobtns->ItemIndex());
  settings.WriteBool(kMisc, kHintsEnabled, hintbox->Checked());
  settings.WriteBool(kMisc, kAutostart, windowsstartbox->Checked());
  settings.WriteBool(kMisc, kUseServer, serverbox->Checked());
  settings.UpdateFile();
}

void TForm1::FormCloseQuery(bool& canClose) {
  try {
    WriteCloseSettings();
  } catch (const EIniFileError& e) {
    // A file that stays unwritable (read-only, a folder the user may not
    // write) must not trap the user in the program: let them choose.
    Application().HandleException(e);
    canClose = MessageBoxA(Handle(), "Close Hopvox without saving these settings?",
                           Application().Title().c_str(),
                           MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    if (canClose) DisableTimers();
    return;
  }
  DisableTimers();
  MessageBoxA(Handle(), "Please support Hopvox! Donations gratefully received",
              Application().Title().c_str(), MB_OK);
  canClose = true;
}

// We live in the tray and start with Windows, so the end of the session is
// our usual end, and no close comes before it.
void TForm1::FormEndSession() {
  try {
    WriteCloseSettings();
  } catch (const EIniFileError&) {
    // Nobody is left to answer a box, and a box would hold up the log-off.
  }
  DisableTimers();
  TrayIcon->SetVisible(false);
}

// The help is our own window, not the platform help engine: close it with the
// main window (asking WinHelp to quit would start its viewer on systems that
// no longer have one).
void TForm1::FormDestroy() { helpViewer.reset(); }

}  // namespace hopvox
