// The wave player in this process, listened to: what a Play does to the
// sound already playing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/Listener.h"
#include "services/VrAudio.h"

namespace {

std::string Wave(const char* name) {
  char buf[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("HOPVOX_WAVES", buf, sizeof buf);
  return std::string(buf, n) + "\\" + name + ".wav";
}

// A refused Play (vwoNoStop while a sound plays) leaves the sound playing and
// its wave the one to stop when it goes, before its buffer is freed.
TEST(WavePlayer, ARefusedPlayLeavesTheSoundAndItsWaveStopsItWhenDestroyed) {
  e2e::Listener listener;
  const e2e::Samples tone = e2e::SoundOf(e2e::ReadBytes(Wave("long-tone")));
  auto playing = std::make_unique<hopvox::TVrWave>();
  playing->Sound().LoadFromFile(Wave("long-tone"));
  hopvox::TVrWave refused;
  refused.Sound().LoadFromFile(Wave("pcm16-mono-22050"));
  refused.SetOptions({hopvox::vwoAsync, hopvox::vwoNoDefault, hopvox::vwoNoStop});

  const std::size_t mark = listener.Now();
  playing->Play();
  const std::size_t onset = listener.WaitForOnset(mark);
  ASSERT_NE(onset, 0u);
  refused.Play();
  // Half a second on, the tone goes on; then it goes with its wave.
  const std::size_t refusedAt = listener.Now();
  listener.SilentFor(refusedAt, std::chrono::milliseconds(500));
  playing.reset();
  const e2e::Samples heard = listener.NextSound(mark);
  EXPECT_GT(onset + heard.size(), refusedAt + e2e::kHeardRate * 45 / 100);
  EXPECT_GT(e2e::LikenessAtStart(heard, tone, e2e::kHeardRate / 10), 0.95);
  EXPECT_LT(e2e::Seconds(heard), e2e::Seconds(tone) - 1);
}

}  // namespace
