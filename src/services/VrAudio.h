#pragma once
// The wave player: one complete wave-file image in memory, played through
// PlaySoundA without touching the disk.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "services/VrComponent.h"
#include "services/logic/AudioData.h"
#include "services/logic/WaveOptions.h"

namespace hopvox {

class TVrWave : public TVrComponent {
 public:
  TVrWave() = default;
  // Stops the process's sound first when it is ours: the system plays
  // asynchronously straight from our buffer.
  ~TVrWave() override;
  TVrWave(const TVrWave&) = delete;
  TVrWave& operator=(const TVrWave&) = delete;

  TVrAudioData& Sound() { return sound_; }
  const TVrAudioData& Sound() const { return sound_; }

  TVrWaveOptions Options() const { return options_; }
  void SetOptions(TVrWaveOptions options);
  std::uint32_t PlayFlags() const { return playFlags_; }

  // Plays the image, cutting off the process's sound before it unless
  // vwoNoStop. An empty buffer plays nothing; nor does an image whose "fmt "
  // and "data" chunks do not lie inside it (the player would read past our
  // buffer or play the system's default sound). Either still cuts off the
  // sound before it unless vwoNoStop.
  void Play();

 private:
  // What the system is handed: the image itself, or mendedImage_.
  const std::uint8_t* ImageToPlay();

  TVrAudioData sound_;
  // A copy of the image whose RIFF length says what the image holds, for an
  // image that claims more; made again only when the sound changes, since
  // the system may still be reading the copy it was given.
  std::vector<std::uint8_t> mendedImage_;
  TVrWaveOptions options_ = kDefaultWaveOptions;
  std::uint32_t playFlags_ = PlayFlagsFor(kDefaultWaveOptions);
};

// What the player handed to the system, newest last. The query message shows
// it, so a test can see which sound played, and how, on a machine without a
// sound card (where the system call fails at once and quietly).
struct TPlayedSound {
  const TVrWave* wave = nullptr;
  const void* image = nullptr;
  std::int32_t size = 0;
  std::uint32_t flags = 0;
};
inline constexpr std::uint32_t kPlayedSoundsKept = 32;
// Sounds played since the program started.
std::uint32_t PlayedSoundCount();
// The n-th sound played (1-based); false when it is not kept any more or
// not played yet.
bool PlayedSound(std::uint32_t n, TPlayedSound& played);

// Waits, for at most `limitMs`, until the process's sound has played to its
// end; a program that ends right after a sound (a second copy, whose
// start-up chimes) would otherwise cut it off as its waves go.
void LetTheSoundPlayOut(DWORD limitMs);

// Fills `wave` from an "Audio" stream stored as an RCDATA resource of the
// program. Returns false when the resource is missing; a damaged stream
// raises EAudioError.
bool LoadEmbeddedSound(TVrWave& wave, const char* resourceName);

}  // namespace hopvox
