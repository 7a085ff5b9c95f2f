#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "../../../tools/sounds/FeedbackSounds.h"
#include "services/logic/AudioData.h"
#include "services/logic/WaveImage.h"

namespace hopvox {
namespace {

std::vector<std::uint8_t> ReadCommitted(const char* name) {
  std::ifstream f(std::string(HOPVOX_SOURCE_DIR) + "/resources/sounds/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(FeedbackSounds, CommittedSoundsAreTheGeneratorsWithTheExpectedFormats) {
  struct Want {
    int imageBytes;
    std::uint32_t rate;
    std::uint16_t bits;
    std::uint32_t dataBytes;
  };
  const Want want[] = {{646, 22050, 16, 528}, {7766, 11025, 16, 7648}, {9036, 22050, 8, 8917}};
  for (int i = 0; i < 3; ++i) {
    const auto& s = sounds::kSounds[i];
    const auto committed = ReadCommitted(s.file);
    EXPECT_EQ(committed, sounds::AudioStream(s.make()))
        << s.file << ": run tools/sounds/make_sounds";
    TMemoryStream in(committed);
    TVrAudioData a;
    a.ReadData(in);
    ASSERT_EQ(a.Size(), want[i].imageBytes) << s.file;
    const auto fmt = ParseWaveImage(a.Data(), a.Size());
    ASSERT_TRUE(fmt) << s.file;
    EXPECT_EQ(fmt->formatTag * 10 + fmt->channels, 11);  // PCM, mono
    EXPECT_EQ(fmt->samplesPerSec, want[i].rate);
    EXPECT_EQ(fmt->bitsPerSample, want[i].bits);
    EXPECT_EQ(fmt->dataSize, want[i].dataBytes);
    EXPECT_EQ(fmt->dataOffset, 44u);  // "fmt " right after the header, then "data"
    EXPECT_EQ(std::memcmp(a.Data() + a.Size() - 74, "LIST\x42\0\0\0INFO", 12), 0) << s.file;
  }
}

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

TEST(WaveImage, TruncatedOrDamagedImagesAreRefused) {
  const auto good = sounds::Click();
  ASSERT_TRUE(IsPlayableWave(good.data(), good.size()));
  // Cut anywhere before the end of "data": refused; cut in the trailing
  // "LIST" chunk: the sound is all there and plays.
  const std::size_t dataEnd = 44 + 528;
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_EQ(IsPlayableWave(good.data(), n), n >= dataEnd) << n;

  auto refused = [&](auto edit) {
    auto w = good;
    edit(w);
    return !IsPlayableWave(w.data(), w.size());
  };
  EXPECT_TRUE(refused([](auto& w) { w[0] = 'X'; }));                      // not RIFF
  EXPECT_TRUE(refused([](auto& w) { std::memcpy(&w[8], "AVI ", 4); }));   // not WAVE
  EXPECT_TRUE(refused([](auto& w) { Put32(w, 16, 0xFFFFFFF0u); }));       // fmt length runs off
  EXPECT_TRUE(refused([](auto& w) { Put32(w, 16, 14); }));                // fmt too short
  EXPECT_TRUE(refused([](auto& w) { Put32(w, 40, 0xFFFFFFFFu); }));       // data length runs off
  EXPECT_TRUE(refused([](auto& w) { w[22] = w[23] = 0; }));               // no channels
  EXPECT_TRUE(refused([](auto& w) { std::memcpy(&w[12], "junk", 4); }));  // data without fmt
  // "data" past the RIFF length is not found by the player.
  EXPECT_TRUE(refused([](auto& w) { Put32(w, 4, 4 + 8 + 16 + 8 + 100); }));
  // Chunks the player skips over, and trailing bytes, are fine.
  EXPECT_FALSE(refused([](auto& w) { std::memcpy(&w[w.size() - 74], "junk", 4); }));
  EXPECT_FALSE(refused([](auto& w) { w.push_back(0); }));
  // RIFF lengths past the buffer, as tools write them, with "fmt " and "data"
  // inside it: the file's size, the streaming tools' 0xFFFFFFFF.
  EXPECT_FALSE(refused([](auto& w) { Put32(w, 4, static_cast<std::uint32_t>(w.size())); }));
  EXPECT_FALSE(refused([](auto& w) { Put32(w, 4, 0xFFFFFFFFu); }));
  // What the player is told instead: never more than the image holds, and a
  // true or short length (bytes after the RIFF end) as it is.
  for (const std::uint32_t declared : {0xFFFFFFFFu, 0x80000000u, std::uint32_t(good.size())}) {
    auto w = good;
    Put32(w, 4, declared);
    EXPECT_EQ(HeldRiffLength(w.data(), w.size()), good.size() - 8) << declared;
  }
  EXPECT_EQ(HeldRiffLength(good.data(), good.size()), good.size() - 8);
  auto trailing = good;
  trailing.resize(good.size() + 5);
  EXPECT_EQ(HeldRiffLength(trailing.data(), trailing.size()), good.size() - 8);
  // A chunk before "fmt " that runs past the buffer hides the format.
  auto listFirst = good;
  listFirst.insert(listFirst.begin() + 12, good.end() - 74, good.end());
  EXPECT_TRUE(IsPlayableWave(listFirst.data(), listFirst.size()));
  Put32(listFirst, 16, 0x10000);
  EXPECT_FALSE(IsPlayableWave(listFirst.data(), listFirst.size()));
}

}  // namespace
}  // namespace hopvox
