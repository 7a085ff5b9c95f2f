#include "core/logic/PollingTick.h"

#include "core/logic/Commands.h"

namespace hopvox {

namespace {

bool Down(const IKeySnapshot& keys, int code) {
  return code >= 1 && code <= 255 && keys.Keys(code);
}

}  // namespace

void RunPollingTick(TPollHandler handler, const TRunValues& v, const IKeySnapshot& keys,
                    IPollActions& actions) {
  const bool alt = Down(keys, kVkAlt);
  if (alt && Down(keys, kVkInsert)) actions.Launch(kCmdPushToTalk);
  if (alt && Down(keys, kVkDelete)) actions.Launch(kCmdVoiceActivation);
  if (alt && Down(keys, kVkHome)) actions.Launch(kCmdClicksOn);
  if (alt && Down(keys, kVkEnd)) actions.Launch(kCmdClicksOff);
  if (Down(keys, kVkSubtract)) actions.Launch(kCmdLeave);

  // With no modifier chosen the level hotkeys do nothing.
  if (handler != TPollHandler::phNone && Down(keys, kVkShift)) {
    if (Down(keys, v.volumeUpKey)) actions.LaunchVolume(actions.StepVolume(+kLevelStep));
    if (Down(keys, v.micUpKey)) actions.LaunchGain(actions.StepGain(+kLevelStep));
    if (Down(keys, v.volumeDownKey)) actions.LaunchVolume(actions.StepVolume(-kLevelStep));
    if (Down(keys, v.micDownKey)) actions.LaunchGain(actions.StepGain(-kLevelStep));
  }

  bool modifierDown = true;
  switch (handler) {
    case TPollHandler::phCtrl:
      modifierDown = Down(keys, kVkControl);
      break;
    case TPollHandler::phAlt:
      modifierDown = alt;
      break;
    case TPollHandler::phShift:
      modifierDown = Down(keys, kVkShift);
      break;
    case TPollHandler::phNone:
      break;
  }
  if (!modifierDown) return;
  for (int ch = 0; ch < kChannelCount; ++ch) {
    if (!Down(keys, v.channelKey[ch])) continue;
    actions.LaunchJoin(ch);
    actions.PlayChannel(ch);
  }
}

}  // namespace hopvox
