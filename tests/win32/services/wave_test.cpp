#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../SwapImport.h"
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

// What the wave hands the system, seen through a stand-in for PlaySoundA.
struct PlayCall {
  const void* sound;
  DWORD flags;
  HCURSOR cursor;  // the pointer while the system has the call
};
std::vector<PlayCall> g_plays;

BOOL WINAPI RecordPlay(LPCSTR sound, HMODULE, DWORD flags) {
  g_plays.push_back({sound, flags, GetCursor()});
  return TRUE;
}

// The wave takes PlaySoundA from the system's library at each sound: the
// stand-in is handed out in its place.
decltype(&GetProcAddress) g_getProcAddress = nullptr;
FARPROC WINAPI HandOutRecordPlay(HMODULE module, LPCSTR name) {
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) && std::strcmp(name, "PlaySoundA") == 0)
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordPlay));
  return g_getProcAddress(module, name);
}

class PlayRecorded {
 public:
  PlayRecorded() : proc_("kernel32.dll", "GetProcAddress", &HandOutRecordPlay) {
    g_getProcAddress = proc_.Original();
  }
  bool Active() const { return proc_.Original() != nullptr; }

 private:
  test::ScopedImport<decltype(&GetProcAddress)> proc_;
};

TEST(VrWave, EachOptionAddsItsFlagAndTheHourglassShowsDuringTheCall) {
  PlayRecorded play;
  ASSERT_TRUE(play.Active());
  TVrWave wave;
  ASSERT_TRUE(LoadEmbeddedSound(wave, "WAVE"));
  const HCURSOR mine = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
  const HCURSOR hourglass = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
  struct Case {
    TVrWaveOptions options;
    DWORD flags;
  };
  for (const Case& c :
       {Case{{vwoNoDefault}, SND_MEMORY | SND_NODEFAULT},  // synchronous
        Case{{vwoLoop}, SND_MEMORY | SND_LOOP}, Case{{vwoNoStop}, SND_MEMORY | SND_NOSTOP},
        Case{{vwoNoWait}, SND_MEMORY | SND_NOWAIT},
        Case{{vwoAsync, vwoNoDefault, vwoLoop, vwoNoStop, vwoNoWait},
             SND_MEMORY | SND_ASYNC | SND_NODEFAULT | SND_LOOP | SND_NOSTOP | SND_NOWAIT}}) {
    wave.SetOptions(c.options);
    g_plays.clear();
    SetCursor(mine);
    wave.Play();
    ASSERT_EQ(g_plays.size(), 1u);
    EXPECT_EQ(g_plays[0].flags, c.flags);
    EXPECT_EQ(g_plays[0].sound, wave.Sound().Data());
    EXPECT_EQ(g_plays[0].cursor, hourglass) << c.flags;
    EXPECT_EQ(GetCursor(), mine) << c.flags;
  }
}

TEST(VrWave, DestroyingThePlayingWaveStopsTheSoundFirst) {
  PlayRecorded play;
  ASSERT_TRUE(play.Active());
  auto playing = std::make_unique<TVrWave>();
  auto quiet = std::make_unique<TVrWave>();
  ASSERT_TRUE(LoadEmbeddedSound(*playing, "WAVE"));
  ASSERT_TRUE(LoadEmbeddedSound(*quiet, "WAVE2"));
  playing->Play();
  g_plays.clear();
  quiet.reset();  // not the one the system may be reading
  EXPECT_TRUE(g_plays.empty());
  playing.reset();
  ASSERT_EQ(g_plays.size(), 1u);
  EXPECT_EQ(g_plays[0].sound, nullptr);
  EXPECT_EQ(g_plays[0].flags, 0u);
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
