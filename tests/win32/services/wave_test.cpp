#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "services/VrAudio.h"
#include "services/logic/WaveImage.h"

namespace hopvox {
namespace {

// A cursor of our own, so "left alone" and "put back" can be told apart from
// the hourglass.
class CursorProbe {
 public:
  CursorProbe() : mine_(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS))) { SetCursor(mine_); }
  bool Unchanged() const { return GetCursor() == mine_; }

 private:
  HCURSOR mine_;
};

TEST(VrWave, EmbeddedSoundsLoadThroughTheAudioStream) {
  struct Want {
    const char* name;
    int size;
  };
  for (const Want& w : {Want{"WAVE", 646}, Want{"WAVE2", 7766}, Want{"WAVE3", 9036}}) {
    TVrWave wave;
    ASSERT_TRUE(LoadEmbeddedSound(wave, w.name)) << w.name;
    EXPECT_EQ(wave.Sound().Size(), w.size) << w.name;
    EXPECT_TRUE(IsPlayableWave(wave.Sound().Data(), wave.Sound().Size())) << w.name;
  }
  TVrWave none;
  EXPECT_FALSE(LoadEmbeddedSound(none, "NOSUCHSOUND"));
  EXPECT_TRUE(none.Sound().Empty());
}

TEST(VrWave, OptionsGiveThePlayFlags) {
  TVrWave wave;
  EXPECT_EQ(wave.PlayFlags(), static_cast<std::uint32_t>(SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
  wave.SetOptions({vwoLoop, vwoNoStop});
  EXPECT_EQ(wave.PlayFlags(), static_cast<std::uint32_t>(SND_MEMORY | SND_LOOP | SND_NOSTOP));
}

TEST(VrWave, PlayLeavesTheCursorAsItWas) {
  CursorProbe probe;
  TVrWave empty;
  empty.Play();
  EXPECT_TRUE(probe.Unchanged());

  TVrWave click;
  ASSERT_TRUE(LoadEmbeddedSound(click, "WAVE"));
  click.Play();
  EXPECT_TRUE(probe.Unchanged());

  TVrWave sync;  // synchronous: the hourglass shows for the whole sound
  ASSERT_TRUE(LoadEmbeddedSound(sync, "WAVE"));
  sync.SetOptions({vwoNoDefault});
  sync.Play();
  EXPECT_TRUE(probe.Unchanged());
}

class ChannelFile : public ::testing::Test {
 protected:
  std::string path_;
  void SetUp() override {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    path_ = std::string(dir) + "hopvox_channel_test.wav";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }
  void Write(const std::uint8_t* bytes, std::size_t n) {
    FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_TRUE(f);
    if (n) std::fwrite(bytes, 1, n, f);
    std::fclose(f);
  }
};

TEST_F(ChannelFile, BrokenFilesLoadButNeverReachThePlayer) {
  TVrWave good;
  ASSERT_TRUE(LoadEmbeddedSound(good, "WAVE3"));
  const std::uint8_t* image = good.Sound().Data();
  const std::string text = "this is not a sound";
  struct Bad {
    const char* what;
    const std::uint8_t* bytes;
    std::size_t size;
  };
  for (const Bad& b : {Bad{"empty", image, 0}, Bad{"truncated", image, 3000}, Bad{"header only", image, 44},
                       Bad{"text", reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}}) {
    Write(b.bytes, b.size);
    TVrWave wave;
    wave.Sound().LoadFromFile(path_);
    EXPECT_EQ(wave.Sound().Size(), static_cast<std::int32_t>(b.size)) << b.what;
    CursorProbe probe;
    wave.Play();  // returns without touching the player or the cursor
    EXPECT_TRUE(probe.Unchanged()) << b.what;
  }
}

TEST(VrWave, ReplayingAndDestroyingWhilePlayingIsSafe) {
  for (int i = 0; i < 5; ++i) {
    TVrWave first, second;
    ASSERT_TRUE(LoadEmbeddedSound(first, "WAVE3"));
    ASSERT_TRUE(LoadEmbeddedSound(second, "WAVE2"));
    first.Play();
    second.Play();  // cuts the first off
    first.Play();
    // Both go while the system may still be reading the first one's bytes.
  }
  SUCCEED();
}

}  // namespace
}  // namespace hopvox
