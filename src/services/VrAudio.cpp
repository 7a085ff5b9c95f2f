#include "services/VrAudio.h"

#include <mmsystem.h>

#include "services/logic/WaveImage.h"

namespace hopvox {
namespace {

// The wave whose buffer the system may still be reading.
const TVrWave* g_playing = nullptr;

// Puts the cursor back however the sound call ends.
class HourglassCursor {
 public:
  HourglassCursor() : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
  ~HourglassCursor() { SetCursor(previous_); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

TVrWave::~TVrWave() {
  if (g_playing == this) {
    PlaySoundA(nullptr, nullptr, 0);
    g_playing = nullptr;
  }
}

void TVrWave::SetOptions(TVrWaveOptions options) {
  if (options == options_) return;
  options_ = options;
  playFlags_ = PlayFlagsFor(options);
}

void TVrWave::Play() {
  if (sound_.Empty()) return;
  if (!IsPlayableWave(sound_.Data(), static_cast<std::size_t>(sound_.Size()))) return;
  HourglassCursor hourglass;
  g_playing = this;
  PlaySoundA(reinterpret_cast<LPCSTR>(sound_.Data()), nullptr, playFlags_);
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
