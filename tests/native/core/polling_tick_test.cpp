// The decisions of one polling tick against a key snapshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/logic/Commands.h"
#include "core/logic/PollingTick.h"

using namespace hopvox;

namespace {

// Answers for any code it holds, as a reader that filters nothing would: the
// tick itself must keep codes outside 1..255 from firing.
struct FakeKeys : IKeySnapshot {
  std::set<int> down;
  bool Keys(int code) const override { return down.count(code) > 0; }
};

// Records what a tick did, with levels clamped as the displays do.
struct Recorder : IPollActions {
  const TRunValues& values;
  int volume = 0, gain = 0;
  std::vector<std::string> log;
  explicit Recorder(const TRunValues& v) : values(v) {}
  void Launch(const char* c) override { log.push_back(c); }
  void LaunchJoin(int ch) override {
    log.push_back(
        JoinCommand(values.mainServer, values.channelAddress[ch], values.passwordArgument));
  }
  int StepVolume(int d) override { return volume = std::clamp(volume + d, 0, 255); }
  int StepGain(int d) override { return gain = std::clamp(gain + d, 0, 255); }
  void LaunchVolume(int l) override { log.push_back(VolumeCommand(l)); }
  void LaunchGain(int l) override { log.push_back(GainCommand(l)); }
  void PlayChannel(int ch) override { log.push_back("play " + std::to_string(ch)); }
};

class Tick : public ::testing::Test {
 protected:
  TRunValues v;
  FakeKeys keys;
  Recorder rec{v};
  void SetUp() override {
    for (int ch = 0; ch < kChannelCount; ++ch) {
      v.channelKey[ch] = kChannels[ch].definedKey;
      v.channelAddress[ch] = "10.0.0." + std::to_string(ch);
    }
    v.volumeUpKey = 38;    // up arrow
    v.volumeDownKey = 40;  // down arrow
    v.micUpKey = 33;
    v.micDownKey = 34;
  }
  std::vector<std::string> Run(TPollHandler h, std::set<int> down) {
    keys.down = std::move(down);
    rec.log.clear();
    RunPollingTick(h, v, keys, rec);
    return rec.log;
  }
  using L = std::vector<std::string>;
};

TEST_F(Tick, ChannelNeedsTheHandlersModifier) {
  EXPECT_EQ(Run(TPollHandler::phCtrl, {17, '4'}), (L{"/JOIN1 10.0.0.3", "play 3"}));
  EXPECT_EQ(Run(TPollHandler::phCtrl, {'4'}), L{});
  EXPECT_EQ(Run(TPollHandler::phCtrl, {18, '4'}), L{});
  EXPECT_EQ(Run(TPollHandler::phAlt, {18, '1'}), (L{"/JOIN1 10.0.0.0", "play 0"}));
  EXPECT_EQ(Run(TPollHandler::phShift, {16, 'F'}), (L{"/JOIN1 10.0.0.15", "play 15"}));
  EXPECT_EQ(Run(TPollHandler::phNone, {'4'}), (L{"/JOIN1 10.0.0.3", "play 3"}));
  // Extra modifiers do not stop a join.
  EXPECT_EQ(Run(TPollHandler::phNone, {17, 18, '4'}), (L{"/JOIN1 10.0.0.3", "play 3"}));
}

TEST_F(Tick, KeysOutsideOneTo255NeverFire) {
  v.channelKey = {};
  v.channelKey[1] = -1;
  v.channelKey[2] = 0x4000 | 'A';
  v.channelKey[3] = 256;
  v.channelKey[4] = 'A';  // the one usable key, down with the others
  v.volumeUpKey = -1;
  v.volumeDownKey = 0x2000 | 'A';
  v.micUpKey = v.micDownKey = 0;
  EXPECT_EQ(Run(TPollHandler::phShift, {-1, 0, 16, 256, 0x4000 | 'A', 0x2000 | 'A', 'A'}),
            (L{"/JOIN1 10.0.0.4", "play 4"}));
}

TEST_F(Tick, LeaveAndModeSwitchesWhateverTheModifierChoice) {
  for (auto h :
       {TPollHandler::phCtrl, TPollHandler::phAlt, TPollHandler::phShift, TPollHandler::phNone}) {
    EXPECT_EQ(Run(h, {109}), L{"/leave "});
    EXPECT_EQ(Run(h, {109, 16, 17, 18}), L{"/leave "});
    EXPECT_EQ(Run(h, {18, 45, 46, 36, 35}),
              (L{"/ptt /key ", "/vox ", "/clicks on ", "/clicks off "}));
    EXPECT_EQ(Run(h, {45, 46, 36, 35}), L{});  // without Alt
  }
  // Main-keyboard minus is not keypad minus.
  EXPECT_EQ(Run(TPollHandler::phNone, {189}), L{});
}

TEST_F(Tick, ChannelOnInsertUnderAltSendsPushToTalkThenTheJoin) {
  v.channelKey[5] = 45;
  EXPECT_EQ(Run(TPollHandler::phAlt, {18, 45}), (L{"/ptt /key ", "/JOIN1 10.0.0.5", "play 5"}));
}

TEST_F(Tick, LevelsStepByTenClampAndSendTheShownValue) {
  rec.volume = 250;
  EXPECT_EQ(Run(TPollHandler::phCtrl, {16, 38}), L{"/volume 255"});
  EXPECT_EQ(Run(TPollHandler::phCtrl, {16, 38}), L{"/volume 255"});  // held: sent again
  rec.volume = 5;
  EXPECT_EQ(Run(TPollHandler::phAlt, {16, 40}), L{"/volume 0"});
  rec.gain = 100;
  EXPECT_EQ(Run(TPollHandler::phShift, {16, 33, 34}), (L{"/gain 110", "/gain 100"}));
  EXPECT_EQ(Run(TPollHandler::phCtrl, {38}), L{});      // needs Shift
  EXPECT_EQ(Run(TPollHandler::phNone, {16, 38}), L{});  // absent without a modifier
}

TEST_F(Tick, ShiftChannelKeyEqualToVolumeUpStepsAndJoins) {
  v.channelKey[2] = 38;
  rec.volume = 0;
  EXPECT_EQ(Run(TPollHandler::phShift, {16, 38}), (L{"/volume 10", "/JOIN1 10.0.0.2", "play 2"}));
}

TEST_F(Tick, SharedKeyJoinsInChannelOrder) {
  v.channelKey[7] = '1';
  EXPECT_EQ(Run(TPollHandler::phNone, {'1'}),
            (L{"/JOIN1 10.0.0.0", "play 0", "/JOIN1 10.0.0.7", "play 7"}));
}

TEST_F(Tick, MainServerAndPasswordFrameEveryJoin) {
  v.mainServer = "voice.example.net:";
  v.channelAddress[4] = "3784";
  v.passwordArgument = " sesame";
  EXPECT_EQ(Run(TPollHandler::phCtrl, {17, '5'})[0], "/JOIN1 voice.example.net:3784 sesame");
  v.passwordArgument = " ";
  EXPECT_EQ(Run(TPollHandler::phCtrl, {17, '5'})[0], "/JOIN1 voice.example.net:3784 ");
}

}  // namespace

#include "core/logic/PollInterval.h"

TEST(PollInterval, StoredValuesTheTrackBarNeverWritesStillPoll) {
  EXPECT_EQ(EffectivePollInterval(70), 70);
  EXPECT_EQ(EffectivePollInterval(50), 50);
  EXPECT_EQ(EffectivePollInterval(120), 120);
  EXPECT_EQ(EffectivePollInterval(0), 70);
  EXPECT_EQ(EffectivePollInterval(-1), 70);
  EXPECT_EQ(EffectivePollInterval(-2147483647 - 1), 70);
  EXPECT_EQ(EffectivePollInterval(1), 50);
  EXPECT_EQ(EffectivePollInterval(2147483647), 120);
}
