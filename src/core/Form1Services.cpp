// The main window's services: the four polling timers, the keyboard reader,
// the feedback and channel sounds and the single-instance guard, with the
// handlers that drive them (modifier choice, polling switch, priority).
#include <windows.h>

#include "core/Form1.h"
#include "services/logic/ThreadPriority.h"

namespace hopvox {

namespace {
constexpr int kDefinitionInterval = 70;
}

std::array<TThreadedTimer*, 4> TForm1::PollingTimers() {
  return {&ctrlTimer, &altTimer, &shiftTimer, &noModifierTimer};
}

void TForm1::BuildServices() {
  for (TThreadedTimer* timer : PollingTimers()) timer->SetInterval(kDefinitionInterval);
  ctrlTimer.OnTimer = [this] { Timer1Timer(); };
  altTimer.OnTimer = [this] { Timer2Timer(); };
  shiftTimer.OnTimer = [this] { Timer3Timer(); };
  noModifierTimer.OnTimer = [this] { Timer6Timer(); };

  DXInput1 = std::make_unique<TDXInput>(this);
  DXInput1->ActiveOnly = false;
  DXInput1->Joystick().Enabled = false;
  DXInput1->Mouse().Enabled = false;

  LoadEmbeddedSound(clickSound, "WAVE");
  LoadEmbeddedSound(confirmSound, "WAVE2");
  LoadEmbeddedSound(refusalSound, "WAVE3");

  VrRunOnce1.RestorePrevInst = true;
  VrRunOnce1.Terminate = true;
  VrRunOnce1.ShowMessage = true;
  VrRunOnce1.MessageText = "Hopvox is already running";

  TRadioButton* buttons[] = {ctrlbutton.get(), altbutton.get(), shftbutton.get(), nonbutton.get()};
  for (int m = 1; m <= 4; ++m) buttons[m - 1]->OnClick = [this, m] { modifierButtonClick(m); };

  // The components' load steps, in the order of the window definition.
  VrRunOnce1.Loaded();
  DXInput1->Loaded();
}

void TForm1::LoadChannelSounds() {
  auto exists = [](const std::string& file) {
    return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  for (int ch = 0; ch < kChannelCount; ++ch) {
    // The working folder's sound first, as users have always placed them;
    // then the one beside the program, which is still found when Windows
    // starts us at log-on in its own folder.
    std::string file = SoundFileName(ch);
    if (!exists(file)) file = programDir + file;
    if (!exists(file)) continue;
    try {
      chwave[ch].Sound().LoadFromFile(file);
    } catch (const std::exception&) {
      // A sound that cannot be read (locked, a folder of that name) leaves the
      // channel silent rather than cutting start-up short.
      chwave[ch].Sound().Clear();
    }
  }
}

void TForm1::SetTimerIntervals(int interval) {
  for (TThreadedTimer* timer : PollingTimers()) timer->SetInterval(interval);
}

void TForm1::EnableModifierTimer(int modifier) {
  if (modifier >= 1 && modifier <= 4) PollingTimers()[modifier - 1]->SetEnabled(true);
}

void TForm1::modifierButtonClick(int modifier) {
  activeModifier = modifier;
  const auto timers = PollingTimers();
  for (int m = 1; m <= 4; ++m)
    if (m != modifier) timers[m - 1]->SetEnabled(false);
  timers[modifier - 1]->SetEnabled(true);
}

void TForm1::EnableTimersFromModifier() {
  ctrlTimer.SetEnabled(ctrlbutton->Checked());
  altTimer.SetEnabled(altbutton->Checked());
  shiftTimer.SetEnabled(shftbutton->Checked());
  noModifierTimer.SetEnabled(nonbutton->Checked());
}

void TForm1::DisableTimers() {
  for (TThreadedTimer* timer : PollingTimers()) timer->SetEnabled(false);
}

void TForm1::cpuradiobtnsClick() {
  const auto priority = PriorityForCpuItem(cpuradiobtns->ItemIndex());
  if (!priority) return;
  confirmSound.Play();
  for (TThreadedTimer* timer : PollingTimers()) timer->SetThreadPriority(*priority);
}

}  // namespace hopvox
