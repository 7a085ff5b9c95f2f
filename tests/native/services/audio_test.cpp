#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "services/logic/AudioData.h"

namespace hopvox {
namespace {

std::vector<std::uint8_t> Pattern(std::size_t n) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return v;
}

TVrAudioData Holding(const std::vector<std::uint8_t>& bytes) {
  TMemoryStream in(bytes);
  TVrAudioData a;
  a.LoadFromStream(in, false);
  return a;
}

TEST(AudioData, WriteDataFramesTheImageAndReadDataRestoresIt) {
  const auto image = Pattern(646);
  const TVrAudioData a = Holding(image);
  TMemoryStream out;
  a.WriteData(out);
  ASSERT_EQ(out.Bytes().size(), 654u);
  const std::vector<std::uint8_t> head(out.Bytes().begin(), out.Bytes().begin() + 8);
  EXPECT_EQ(head, (std::vector<std::uint8_t>{0x00, 0x92, 0x09, 0x00, 0x86, 0x02, 0x00, 0x00}));
  EXPECT_TRUE(std::equal(image.begin(), image.end(), out.Bytes().begin() + 8));

  TVrAudioData b;
  out.Rewind();
  b.ReadData(out);
  ASSERT_EQ(b.Size(), 646);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), b.Data()));
}

TEST(AudioData, WrongOrMissingTagFailsAndKeepsTheBuffer) {
  TVrAudioData a = Holding(Pattern(10));
  std::vector<std::uint8_t> bad = {0x00, 0x92, 0x09, 0x01, 0x02, 0, 0, 0, 1, 2};
  TMemoryStream s(bad);
  try {
    a.ReadData(s);
    FAIL() << "no error";
  } catch (const EAudioError& e) {
    EXPECT_STREQ(e.what(), "Unknown audio streaming format.");
  }
  EXPECT_EQ(s.Position(), 4u);  // nothing after the tag was read
  EXPECT_EQ(a.Size(), 10);

  for (std::vector<std::uint8_t> shortHeader : {std::vector<std::uint8_t>{}, {0x00, 0x92},
                                               {0x00, 0x92, 0x09, 0x00, 0x05}}) {
    TMemoryStream t(shortHeader);
    EXPECT_THROW(a.ReadData(t), EAudioError);
  }
}

TEST(AudioData, EmptyBufferWritesNothingAndLengthBeyondTheStreamIsCut) {
  TVrAudioData empty;
  TMemoryStream out;
  empty.WriteData(out);
  empty.SaveToStream(out, false);
  EXPECT_TRUE(out.Bytes().empty());

  // Header claims 1000 bytes (and then 2 GB); only 3 follow.
  for (std::uint8_t top : {0x00, 0x7F}) {
    TMemoryStream s(std::vector<std::uint8_t>{0x00, 0x92, 0x09, 0x00, 0xE8, 0x03, 0x00, top, 9, 8, 7});
    TVrAudioData a;
    a.ReadData(s);
    ASSERT_EQ(a.Size(), 3);
    EXPECT_EQ(a.Data()[2], 7);
  }

  TMemoryStream zero(std::vector<std::uint8_t>{0x00, 0x92, 0x09, 0x00, 0, 0, 0, 0});
  TVrAudioData z = Holding({1, 2});
  z.ReadData(zero);
  EXPECT_TRUE(z.Empty());
  EXPECT_EQ(z.Data(), nullptr);
}

TEST(AudioData, SetSizeKeepsTheCommonPrefixAndAssignCopies) {
  TVrAudioData a = Holding(Pattern(20));
  a.SetSize(5);
  ASSERT_EQ(a.Size(), 5);
  a.SetSize(8);
  const auto p = Pattern(20);
  EXPECT_TRUE(std::equal(p.begin(), p.begin() + 5, a.Data()));
  EXPECT_EQ(a.Data()[7], 0);

  TVrAudioData b;
  b.Assign(a);
  a.Clear();
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(b.Size(), 8);
  b.Assign(b);
  EXPECT_EQ(b.Size(), 8);
}

class AudioFiles : public ::testing::Test {
 protected:
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                               ("hopvox_audio_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string File(const char* name) const { return (dir_ / name).string(); }
};

TEST_F(AudioFiles, WholeFileBecomesTheBufferAndBack) {
  { std::ofstream(File("empty.wav"), std::ios::binary); }
  TVrAudioData a = Holding(Pattern(4));
  a.LoadFromFile(File("empty.wav"));
  EXPECT_TRUE(a.Empty());

  TVrAudioData b = Holding(Pattern(300));
  b.SaveToFile(File("out.wav"));
  EXPECT_EQ(std::filesystem::file_size(File("out.wav")), 300u);
  a.LoadFromFile(File("out.wav"));
  ASSERT_EQ(a.Size(), 300);
  const auto p = Pattern(300);
  EXPECT_TRUE(std::equal(p.begin(), p.end(), a.Data()));

  TVrAudioData().SaveToFile(File("out.wav"));
  EXPECT_EQ(std::filesystem::file_size(File("out.wav")), 0u);
}

TEST_F(AudioFiles, MissingFileRaisesAndKeepsTheBuffer) {
  TVrAudioData a = Holding(Pattern(4));
  EXPECT_THROW(a.LoadFromFile(File("nothere.wav")), EFileStreamError);
  EXPECT_EQ(a.Size(), 4);
  EXPECT_FALSE(std::filesystem::exists(File("nothere.wav")));
}

}  // namespace
}  // namespace hopvox
