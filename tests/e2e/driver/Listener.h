#pragma once
// Hearing what was played. The test tooling records everything played into a
// private sound server (start_listening in scripts/lib.sh) as a file of
// 16-bit mono samples at 22050 Hz, named in HOPVOX_CAPTURE; a Listener reads
// that recording as it grows. The recording runs in real time, silence
// included, so "sample n" is a point in time.
#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

inline constexpr int kHeardRate = 22050;
// Sound as -1..1 at kHeardRate, one channel.
using Samples = std::vector<float>;

class Listener {
 public:
  // Throws when the test does not run under the recording.
  Listener();
  ~Listener();
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  // The recording's length so far: now, in samples.
  std::size_t Now();
  // The first sound after sample `from`, from its first to its last audible
  // sample: waits for it to begin and then for a pause that ends it. Empty
  // when nothing began within `limit`.
  Samples NextSound(std::size_t from, std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Where the first sound after `from` begins (a sample number), once it has;
  // 0 when nothing began within `limit`.
  std::size_t WaitForOnset(std::size_t from,
                           std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Waits until the recording runs `span` past `from`; true when all of it
  // was silent.
  bool SilentFor(std::size_t from, std::chrono::milliseconds span);

 private:
  void ReadMore();

  HANDLE file_;
  std::vector<std::int16_t> heard_;
  std::string pending_;  // a byte of a sample not yet whole
};

// The sound of a wave-file image as the recording would hold it: PCM of 8 or
// 16 bits, channels mixed, resampled to kHeardRate; from its first to its
// last audible sample. Throws for anything else.
Samples SoundOf(const std::vector<std::uint8_t>& image);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

// How alike `heard` is to `expected` played to its end: the best normalised
// correlation of the two with their ends aligned (within a few milliseconds),
// over the length of `expected`. 1 is the same sound; unrelated sounds give
// about 0.
double LikenessAtEnd(const Samples& heard, const Samples& expected);
// The same with the beginnings aligned, over the first `length` samples.
double LikenessAtStart(const Samples& heard, const Samples& expected, std::size_t length);

// A steady tone's length and pitch, from its zero crossings.
struct Tone {
  double seconds = 0;
  double hz = 0;
};
Tone ToneOf(const Samples& sound);

inline double Seconds(const Samples& s) { return static_cast<double>(s.size()) / kHeardRate; }

}  // namespace e2e
