#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "services/VrAudio.h"

namespace hopvox {
namespace {

// A cursor of our own, so "left alone" and "put back" differ from the hourglass.
bool CursorKeptAcross(TVrWave& wave) {
  HCURSOR mine = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
  SetCursor(mine);
  wave.Play();
  return GetCursor() == mine;
}

TEST(VrWave, PlayLeavesTheCursorAsItWas) {
  TVrWave empty;
  EXPECT_TRUE(CursorKeptAcross(empty));
  TVrWave click;
  ASSERT_TRUE(LoadEmbeddedSound(click, "WAVE"));
  EXPECT_EQ(click.PlayFlags(), static_cast<std::uint32_t>(SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
  EXPECT_TRUE(CursorKeptAcross(click));
  click.SetOptions({vwoNoDefault});  // synchronous: the hourglass stays for the whole sound
  EXPECT_TRUE(CursorKeptAcross(click));
  EXPECT_FALSE(LoadEmbeddedSound(empty, "NOSUCHSOUND"));
}

TEST(VrWave, BrokenChannelFilesLoadUnchangedAndPlayWithoutHarm) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "hopvox_channel_test.wav";
  TVrWave good;
  ASSERT_TRUE(LoadEmbeddedSound(good, "WAVE3"));
  const std::string text = "this is not a sound";
  struct Bad {
    const void* bytes;
    std::size_t size;
  };
  for (const Bad& b : {Bad{good.Sound().Data(), 0}, Bad{good.Sound().Data(), 3000},
                       Bad{good.Sound().Data(), 44}, Bad{text.data(), text.size()}}) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(b.bytes, 1, b.size, f);
    std::fclose(f);
    TVrWave wave;
    wave.Sound().LoadFromFile(path);
    EXPECT_EQ(wave.Sound().Size(), static_cast<std::int32_t>(b.size));
    EXPECT_TRUE(CursorKeptAcross(wave)) << b.size;
  }
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace hopvox
