#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "services/logic/AudioData.h"

namespace hopvox {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t n) {
  Bytes v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return v;
}

TVrAudioData Holding(const Bytes& bytes) {
  TMemoryStream in(bytes);
  TVrAudioData a;
  a.LoadFromStream(in, false);
  return a;
}

TEST(AudioData, WriteDataFramesTheImageAndReadDataRestoresIt) {
  const Bytes image = Pattern(646);
  TMemoryStream out;
  Holding(image).WriteData(out);
  ASSERT_EQ(out.Bytes().size(), 654u);
  EXPECT_EQ(Bytes(out.Bytes().begin(), out.Bytes().begin() + 8),
            (Bytes{0x00, 0x92, 0x09, 0x00, 0x86, 0x02, 0, 0}));
  TVrAudioData b;
  out.Rewind();
  b.ReadData(out);
  EXPECT_EQ(Bytes(b.Data(), b.Data() + b.Size()), image);

  TMemoryStream none;  // an empty buffer writes nothing, not even the header
  TVrAudioData().WriteData(none);
  EXPECT_TRUE(none.Bytes().empty());
}

TEST(AudioData, BadHeadersFailAndKeepTheBuffer) {
  TVrAudioData a = Holding(Pattern(10));
  TMemoryStream wrongTag(Bytes{0x00, 0x92, 0x09, 0x01, 0x02, 0, 0, 0, 1, 2});
  try {
    a.ReadData(wrongTag);
    FAIL() << "no error";
  } catch (const EAudioError& e) {
    EXPECT_STREQ(e.what(), "Unknown audio streaming format.");
  }
  EXPECT_EQ(wrongTag.Position(), 4u);  // nothing after the tag was read
  for (Bytes shortHeader : {Bytes{}, Bytes{0x00, 0x92}, Bytes{0x00, 0x92, 0x09, 0x00, 0x05}}) {
    TMemoryStream s(shortHeader);
    EXPECT_THROW(a.ReadData(s), EAudioError);
  }
  EXPECT_EQ(a.Size(), 10);
}

TEST(AudioData, StatedLengthBeyondTheStreamKeepsOnlyWhatIsThere) {
  for (std::uint8_t top : {0x00, 0x7F}) {  // 1000 bytes, and about 2 GB
    TMemoryStream s(Bytes{0x00, 0x92, 0x09, 0x00, 0xE8, 0x03, 0x00, top, 9, 8, 7});
    TVrAudioData a;
    a.ReadData(s);
    EXPECT_EQ(Bytes(a.Data(), a.Data() + a.Size()), (Bytes{9, 8, 7}));
  }
}

// The system plays asynchronously straight from a wave's buffer: an assigned
// sound must own its bytes, not share the source's.
TEST(AudioData, AssignCopiesTheBytes) {
  TVrAudioData source = Holding(Pattern(40));
  TVrAudioData copy = Holding(Pattern(7));
  copy.Assign(source);
  source.Data()[0] ^= 0xFF;
  source.SetSize(3);
  EXPECT_EQ(Bytes(copy.Data(), copy.Data() + copy.Size()), Pattern(40));
  copy.Assign(TVrAudioData());
  EXPECT_TRUE(copy.Empty());
}

TEST(AudioData, ResizingKeepsTheBytesUpToTheSmallerSize) {
  TVrAudioData a = Holding(Pattern(10));
  a.SetSize(4);
  EXPECT_EQ(Bytes(a.Data(), a.Data() + a.Size()), Pattern(4));
  a.SetSize(6);
  ASSERT_EQ(a.Size(), 6);
  EXPECT_EQ(Bytes(a.Data(), a.Data() + 4), Pattern(4));
  a.Clear();
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(a.Data(), nullptr);
}

TEST(AudioData, FilesRoundTripAndAnEmptyFileEmptiesTheBuffer) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("hopvox_audio_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "sound.wav").string();
  Holding(Pattern(300)).SaveToFile(file);
  TVrAudioData a;
  a.LoadFromFile(file);
  EXPECT_EQ(Bytes(a.Data(), a.Data() + a.Size()), Pattern(300));

  std::ofstream(file, std::ios::binary | std::ios::trunc).close();
  a.LoadFromFile(file);
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(a.Data(), nullptr);

  a = Holding(Pattern(4));
  EXPECT_THROW(a.LoadFromFile((dir / "missing.wav").string()), EFileStreamError);
  EXPECT_EQ(a.Size(), 4);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace hopvox
