// Wave files as people have them, each played the way a channel sound is
// (loaded whole from its file, played from memory) and listened to: heard as
// the tone it holds, or refused with silence. The formats come from sox
// (make_waves.sh, in HOPVOX_WAVES); the chunk shapes are made here from one
// of them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/Listener.h"
#include "services/VrAudio.h"

namespace {

using e2e::Listener;

std::string WavesFolder() {
  char buf[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("HOPVOX_WAVES", buf, sizeof buf);
  return std::string(buf, n);
}

void Put32(std::vector<std::uint8_t>& w, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) w.at(at + i) = static_cast<std::uint8_t>(x >> (8 * i));
}

// `w` with `chunk` put in before byte `at`. Built front to back: gcc 14 sees a
// write out of bounds in an insert into the middle of a copy where there is none.
std::vector<std::uint8_t> Spliced(const std::vector<std::uint8_t>& w, std::size_t at,
                                  const std::vector<std::uint8_t>& chunk) {
  std::vector<std::uint8_t> out(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(at));
  out.insert(out.end(), chunk.begin(), chunk.end());
  out.insert(out.end(), w.begin() + static_cast<std::ptrdiff_t>(at), w.end());
  return out;
}

std::uint16_t FormatTag(const std::vector<std::uint8_t>& w) {
  return static_cast<std::uint16_t>(w[20] | (w[21] << 8));
}

// Plays `image` as a channel sound from a file and listens; the tone heard,
// or nothing.
e2e::Samples PlayAndListen(Listener& listener, const std::vector<std::uint8_t>& image,
                           bool expectSound) {
  const std::string path = WavesFolder() + "\\played.wav";
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(image.data(), 1, image.size(), f);
  std::fclose(f);
  hopvox::TVrWave wave;
  wave.Sound().LoadFromFile(path);
  const std::size_t mark = listener.Now();
  wave.Play();
  if (expectSound) return listener.NextSound(mark);
  // Refused: nothing in a second and a half, which is longer than any sound
  // here takes to start once the player is warm.
  return listener.SilentFor(mark, std::chrono::milliseconds(1500)) ? e2e::Samples{}
                                                                   : e2e::Samples(1, 1.0f);
}

// Every file holds 0.3 s of a 600 Hz tone.
void ExpectTone(const e2e::Samples& heard, const std::string& what) {
  const e2e::Tone tone = e2e::ToneOf(heard);
  EXPECT_NEAR(tone.seconds, 0.3, 0.03) << what;
  EXPECT_NEAR(tone.hz, 600, 20) << what;
}

// Wine may fill the player's last buffer up with zero bytes, and in 8-bit
// PCM and mu-law a zero byte is not silence but a level near full scale: a
// step of up to 20 ms follows the tone (seen as 0.32 s "at 562 Hz", in some
// runs and not others). The tone's cycles are all there and nothing else
// is, which is what is ours to check.
void ExpectToneWithLoudPadding(const e2e::Samples& heard, const std::string& what) {
  const e2e::Tone tone = e2e::ToneOf(heard);
  EXPECT_NEAR(tone.hz * tone.seconds, 180, 6) << what;
  EXPECT_GE(tone.seconds, 0.27) << what;
  EXPECT_LE(tone.seconds, 0.40) << what;
}

TEST(WaveFormats, EachFormatIsHeardOrRefusedAndNeverAnythingElse) {
  Listener listener;
  struct Row {
    const char* file;
    std::uint16_t tag;  // what sox wrote, so the table says what it tests
    bool heard;
    bool zeroByteIsLoud = false;
  };
  const Row rows[] = {
      {"pcm8-mono-8000-odd", 1, true, true},
      {"pcm8-stereo-11025", 1, true, true},
      {"pcm16-mono-16000", 1, true},
      {"pcm16-mono-22050", 1, true},
      {"pcm16-stereo-22050", 1, true},
      {"pcm16-stereo-44100", 1, true},
      {"pcm16-mono-48000", 1, true},
      {"pcm24-mono-44100", 1, true},
      {"extensible-pcm24-stereo-48000", 0xFFFE, true},
      {"ima-adpcm-mono-22050", 0x11, true},
      {"mulaw-mono-8000", 7, true, true},
      {"float32-mono-44100", 3, true},
  };
  // The first sound of a process starts late while the player gets ready:
  // warm it up so a late start is not taken for silence.
  ASSERT_FALSE(
      PlayAndListen(listener, e2e::ReadBytes(WavesFolder() + "\\pcm16-mono-22050.wav"), true)
          .empty());
  for (const Row& row : rows) {
    const auto image = e2e::ReadBytes(WavesFolder() + "\\" + row.file + ".wav");
    ASSERT_EQ(FormatTag(image), row.tag) << row.file;
    const auto heard = PlayAndListen(listener, image, row.heard);
    if (row.heard && row.zeroByteIsLoud) {
      ExpectToneWithLoudPadding(heard, row.file);
    } else if (row.heard) {
      ExpectTone(heard, row.file);
    } else {
      EXPECT_TRUE(heard.empty()) << row.file;
    }
  }
}

TEST(WaveFormats, ChunkShapesAreHeardWhenFmtAndDataLieInsideTheFile) {
  Listener listener;
  // 16-bit mono: "fmt " at 12, "data" at 36, samples from 44.
  const auto base = e2e::ReadBytes(WavesFolder() + "\\pcm16-mono-22050.wav");
  ASSERT_EQ(std::memcmp(&base[36], "data", 4), 0);
  const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 6,   0,   0,
                                          0,   'I', 'N', 'F', 'O', 'x', 0};
  auto riffFits = [](std::vector<std::uint8_t> w) {
    Put32(w, 4, static_cast<std::uint32_t>(w.size() - 8));
    return w;
  };
  auto listAfter = base;
  listAfter.insert(listAfter.end(), list.begin(), list.end());
  const auto listFirst = Spliced(base, 12, list);
  // An odd-sized chunk between "fmt " and "data", with its pad byte.
  const auto oddChunk = Spliced(base, 36, {'j', 'u', 'n', 'k', 3, 0, 0, 0, 1, 2, 3, 0});
  // Damaged, as tools leave files: RIFF length = file size, a trailing chunk
  // cut short, the streaming tools' unknown length.
  auto riffIsFileSize = listAfter;
  Put32(riffIsFileSize, 4, static_cast<std::uint32_t>(riffIsFileSize.size()));
  auto trailingCut = riffFits(listAfter);
  trailingCut.resize(trailingCut.size() - 3);
  auto unknownLength = base;
  Put32(unknownLength, 4, 0xFFFFFFFFu);
  auto overstated = base;
  Put32(overstated, 4, static_cast<std::uint32_t>(base.size() - 8 + 1000));
  // Refused: samples cut short, "data" before "fmt ".
  auto dataCut = base;
  dataCut.resize(dataCut.size() - 100);
  std::vector<std::uint8_t> dataFirst(base.begin(), base.begin() + 12);
  dataFirst.insert(dataFirst.end(), base.begin() + 36, base.end());
  dataFirst.insert(dataFirst.end(), base.begin() + 12, base.begin() + 36);

  struct Shape {
    const char* name;
    std::vector<std::uint8_t> image;
    bool heard;
    bool zeroByteIsLoud = false;
  };
  const Shape shapes[] = {
      {"plain", base, true},  // also warms the player up
      {"LIST after data", riffFits(listAfter), true},
      {"LIST before fmt", riffFits(listFirst), true},
      {"odd-sized chunk", riffFits(oddChunk), true},
      {"RIFF length = file size", riffIsFileSize, true},
      {"trailing chunk cut short", trailingCut, true},
      // The system's 32-bit player finds no chunk in these, its 64-bit one
      // none in the first: the player is told what the file holds.
      {"RIFF length 0xFFFFFFFF", unknownLength, true},
      {"RIFF length past the end by 1000", overstated, true},
      {"data cut short", dataCut, false},
      {"data before fmt", dataFirst, false},
  };
  for (const Shape& s : shapes) {
    const auto heard = PlayAndListen(listener, s.image, s.heard);
    if (s.heard) {
      ExpectTone(heard, s.name);
    } else {
      EXPECT_TRUE(heard.empty()) << s.name;
    }
  }
}

}  // namespace
