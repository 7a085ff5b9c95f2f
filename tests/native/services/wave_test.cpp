#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "../../../tools/sounds/FeedbackSounds.h"
#include "services/logic/AudioData.h"
#include "services/logic/WaveImage.h"
#include "services/logic/WaveOptions.h"

namespace hopvox {
namespace {

std::vector<std::uint8_t> ReadCommitted(const char* name) {
  std::ifstream f(std::string(HOPVOX_SOURCE_DIR) + "/resources/sounds/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(FeedbackSounds, CommittedResourcesAreWhatTheGeneratorMakes) {
  for (const auto& s : sounds::kSounds) {
    EXPECT_EQ(ReadCommitted(s.file), sounds::AudioStream(s.make())) << s.file
        << ": run tools/sounds/make_sounds again";
  }
}

TEST(FeedbackSounds, FormatsAndSizesAreThoseTheWindowExpects) {
  struct Want {
    const char* file;
    int imageBytes;
    std::uint32_t rate;
    std::uint16_t bits;
    std::uint32_t dataBytes;
  };
  for (const Want& w : {Want{"wave.aud", 646, 22050, 16, 528}, Want{"wave2.aud", 7766, 11025, 16, 7648},
                        Want{"wave3.aud", 9036, 22050, 8, 8917}}) {
    TMemoryStream in(ReadCommitted(w.file));
    TVrAudioData a;
    a.ReadData(in);
    ASSERT_EQ(a.Size(), w.imageBytes) << w.file;
    const auto fmt = ParseWaveImage(a.Data(), a.Size());
    ASSERT_TRUE(fmt) << w.file;
    EXPECT_EQ(fmt->formatTag, 1);
    EXPECT_EQ(fmt->channels, 1);
    EXPECT_EQ(fmt->samplesPerSec, w.rate);
    EXPECT_EQ(fmt->bitsPerSample, w.bits);
    EXPECT_EQ(fmt->dataSize, w.dataBytes);
    EXPECT_EQ(fmt->dataOffset, 44u);  // "fmt " right after the header, then "data"
    // The LIST chunk closes the image: 8 header bytes plus 66.
    const std::uint8_t* list = a.Data() + a.Size() - 74;
    EXPECT_EQ(std::memcmp(list, "LIST\x42\0\0\0INFO", 12), 0) << w.file;
  }
}

std::vector<std::uint8_t> Click() { return sounds::Click(); }

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

TEST(WaveImage, EveryTruncationOfAWaveIsRefused) {
  const auto w = Click();
  ASSERT_TRUE(IsPlayableWave(w.data(), w.size()));
  for (std::size_t n = 0; n < w.size(); ++n) EXPECT_FALSE(IsPlayableWave(w.data(), n)) << n;
  EXPECT_FALSE(IsPlayableWave(nullptr, 100));
}

TEST(WaveImage, DamagedHeadersAreRefused) {
  const auto good = Click();
  auto damaged = [&](auto edit) {
    auto w = good;
    edit(w);
    return !IsPlayableWave(w.data(), w.size());
  };
  EXPECT_TRUE(damaged([](auto& w) { w[0] = 'X'; }));                       // not RIFF
  EXPECT_TRUE(damaged([](auto& w) { std::memcpy(&w[8], "AVI ", 4); }));    // not WAVE
  EXPECT_TRUE(damaged([](auto& w) { Put32(w, 16, 0xFFFFFFF0u); }));        // fmt length runs off
  EXPECT_TRUE(damaged([](auto& w) { Put32(w, 16, 14); }));                 // fmt too short
  EXPECT_TRUE(damaged([](auto& w) { Put32(w, 40, 0xFFFFFFFFu); }));        // data length runs off
  EXPECT_TRUE(damaged([](auto& w) { w[22] = 0; w[23] = 0; }));             // no channels
  EXPECT_TRUE(damaged([](auto& w) { std::memcpy(&w[12], "junk", 4); }));  // no fmt before data
  // Chunks the player skips over are fine, trailing bytes too.
  EXPECT_FALSE(damaged([](auto& w) { std::memcpy(&w[w.size() - 74], "junk", 4); }));
  EXPECT_FALSE(damaged([](auto& w) { w.push_back(0); }));
}

TEST(WaveOptions, FlagsFollowTheOptions) {
  EXPECT_EQ(PlayFlagsFor(kDefaultWaveOptions), 0x0007u);
  EXPECT_EQ(PlayFlagsFor({}), 0x0004u);
  EXPECT_EQ(PlayFlagsFor({vwoLoop, vwoNoWait}), 0x200Cu);
  EXPECT_EQ(PlayFlagsFor({vwoAsync, vwoNoDefault, vwoLoop, vwoNoStop, vwoNoWait}), 0x201Fu);
}

}  // namespace
}  // namespace hopvox
