#pragma once
// The wave player: one complete wave-file image in memory, played through
// PlaySoundA without touching the disk.
#include <windows.h>

#include <cstdint>

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

  // Plays the image. An empty buffer does nothing at all; so does an image
  // that is not a complete wave file (it would otherwise make the player
  // read past our buffer or play the system's default sound).
  void Play();

 private:
  TVrAudioData sound_;
  TVrWaveOptions options_ = kDefaultWaveOptions;
  std::uint32_t playFlags_ = PlayFlagsFor(kDefaultWaveOptions);
};

// Fills `wave` from an "Audio" stream stored as an RCDATA resource of the
// program. Returns false when the resource is missing; a damaged stream
// raises EAudioError.
bool LoadEmbeddedSound(TVrWave& wave, const char* resourceName);

}  // namespace hopvox
