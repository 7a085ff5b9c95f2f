#include "services/VrAudio.h"

#include <mmsystem.h>  // the sound flags

#include <algorithm>
#include <array>

#include "services/LibraryList.h"
#include "services/logic/WaveImage.h"

namespace hopvox {
namespace {

// The wave whose buffer the system may still be reading.
const TVrWave* g_playing = nullptr;

// The last sounds played, a ring indexed by play number. Plays happen on the
// main thread only, as does the query that reads them.
std::array<TPlayedSound, kPlayedSoundsKept> g_played;
std::uint32_t g_playCount = 0;

// Puts the cursor back however the sound call ends.
class HourglassCursor {
 public:
  HourglassCursor()
      : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
  ~HourglassCursor() { SetCursor(previous_); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  HCURSOR previous_;
};

// The multimedia library is no known system library, so it is not imported
// by name but loaded from the system folder on the first sound. Without it
// the program is silent, as with any other failure of the sound call.
// The library stays loaded once found; the entry is looked up per sound.
BOOL PlaySoundFromSystem(LPCSTR sound, HMODULE module, DWORD flags) {
  using PlaySoundFn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
  PlaySoundFn play = nullptr;
  try {
    play = reinterpret_cast<PlaySoundFn>(
        reinterpret_cast<void*>(LibraryProc("winmm.dll", "PlaySoundA")));
  } catch (const ELibraryError&) {
    return FALSE;
  }
  return play(sound, module, flags);
}

// Ends the process's sound; the system waits for its player to let go of
// the buffer before it returns.
void StopPlaying() {
  PlaySoundFromSystem(nullptr, nullptr, 0);
  g_playing = nullptr;
}

}  // namespace

TVrWave::~TVrWave() {
  if (g_playing == this) StopPlaying();
}

void TVrWave::SetOptions(TVrWaveOptions options) {
  if (options == options_) return;
  options_ = options;
  playFlags_ = PlayFlagsFor(options);
}

void TVrWave::Play() {
  if (sound_.Empty() || !IsPlayableWave(sound_.Data(), static_cast<std::size_t>(sound_.Size()))) {
    // Nothing to play still ends the sound before it, as any Play does; a
    // channel switch must not go on announcing the channel left.
    if (!options_.Contains(vwoNoStop)) StopPlaying();
    return;
  }
  HourglassCursor hourglass;
  const TPlayedSound played{this, ImageToPlay(), sound_.Size(), playFlags_};
  g_played[g_playCount++ % kPlayedSoundsKept] = played;
  // Only a call the system took makes this the wave it reads from: refused
  // (with vwoNoStop while another sound plays), the earlier one plays on and
  // stays the one to stop before its buffer goes.
  if (PlaySoundFromSystem(static_cast<LPCSTR>(played.image), nullptr, played.flags))
    g_playing = this;
}

const std::uint8_t* TVrWave::ImageToPlay() {
  const std::uint8_t* image = sound_.Data();
  const auto size = static_cast<std::size_t>(sound_.Size());
  const std::uint32_t held = HeldRiffLength(image, size);
  std::uint8_t length[4];
  for (int i = 0; i < 4; ++i) length[i] = static_cast<std::uint8_t>(held >> (8 * i));
  if (std::equal(length, length + 4, image + 4)) return image;
  const bool sameSound = mendedImage_.size() == size &&
                         std::equal(image, image + 4, mendedImage_.begin()) &&
                         std::equal(image + 8, image + size, mendedImage_.begin() + 8);
  if (!sameSound) {
    if (g_playing == this) StopPlaying();
    mendedImage_.assign(image, image + size);
    std::copy(length, length + 4, mendedImage_.begin() + 4);
  }
  return mendedImage_.data();
}

std::uint32_t PlayedSoundCount() { return g_playCount; }

bool PlayedSound(std::uint32_t n, TPlayedSound& played) {
  if (n == 0 || n > g_playCount || g_playCount - n >= kPlayedSoundsKept) return false;
  played = g_played[(n - 1) % kPlayedSoundsKept];
  return true;
}

void LetTheSoundPlayOut(DWORD limitMs) {
  if (!g_playing) return;
  // A stop that must yield to a sound still playing is refused while it
  // plays; once it is taken there is nothing left to stop.
  const DWORD start = GetTickCount();
  while (!PlaySoundFromSystem(nullptr, nullptr, SND_NOSTOP)) {
    if (GetTickCount() - start >= limitMs) break;
    Sleep(10);
  }
}

bool LoadEmbeddedSound(TVrWave& wave, const char* resourceName) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, resourceName, reinterpret_cast<LPCSTR>(RT_RCDATA));
  if (!info) return false;
  HGLOBAL handle = LoadResource(module, info);
  const void* bytes = handle ? LockResource(handle) : nullptr;
  if (!bytes) return false;
  TMemoryStream stream(bytes, SizeofResource(module, info));
  wave.Sound().ReadData(stream);
  return true;
}

}  // namespace hopvox
