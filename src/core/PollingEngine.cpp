// The four polling handlers: the keyboard reader's snapshot and the window's
// displays, sounds and launcher behind the tick's decisions.
#include "core/Form1.h"
#include "core/Launcher.h"
#include "core/logic/Commands.h"

namespace hopvox {

namespace {

class ReaderSnapshot final : public IKeySnapshot {
 public:
  explicit ReaderSnapshot(const TDXInput& reader) : reader_(reader) {}
  bool Keys(int code) const override { return reader_.Keys(code); }

 private:
  const TDXInput& reader_;
};

class WindowActions final : public IPollActions {
 public:
  explicit WindowActions(TForm1& form) : form_(form) {}
  void Launch(const char* command) override { launch(command); }
  void LaunchJoin(int channel) override {
    launch(JoinCommand(form_.mainServer, form_.channelAddress[channel], form_.passwordArgument));
  }
  // The displays clamp; what they show afterwards is the level sent.
  int StepVolume(int delta) override { return Step(*form_.volumeDisplay, delta); }
  int StepGain(int delta) override { return Step(*form_.micDisplay, delta); }
  void LaunchVolume(int level) override { launch(VolumeCommand(level)); }
  void LaunchGain(int level) override { launch(GainCommand(level)); }
  void PlayChannel(int channel) override { form_.chwave[channel].Play(); }

 private:
  static int Step(TVrNum& display, int delta) {
    display.SetValue(display.Value() + delta);
    return display.Value();
  }
  TForm1& form_;
};

}  // namespace

void TForm1::PollingTick(TPollHandler handler) {
  DXInput1->Update();
  ReaderSnapshot keys(*DXInput1);
  WindowActions actions(*this);
  RunPollingTick(handler, *this, keys, actions);
}

void TForm1::Timer1Timer() { PollingTick(TPollHandler::phCtrl); }
void TForm1::Timer2Timer() { PollingTick(TPollHandler::phAlt); }
void TForm1::Timer3Timer() { PollingTick(TPollHandler::phShift); }
void TForm1::Timer6Timer() { PollingTick(TPollHandler::phNone); }

}  // namespace hopvox
