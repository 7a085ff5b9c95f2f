#include "driver/Listener.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "driver/Driver.h"
#include "services/logic/WaveImage.h"

namespace e2e {

namespace {

// Below this a sample counts as silence (about -50 dBFS); the recording of
// nothing played is all zeros.
constexpr float kAudible = 0.003f;
// A pause this long ends a sound: longer than the gaps between spoken words
// and than the player takes from cutting one sound off to starting the next.
constexpr std::size_t kPause = kHeardRate * 6 / 10;
// How far apart two recordings of one sound may lie when compared.
constexpr std::ptrdiff_t kSlack = kHeardRate / 100;
constexpr auto kPoll = std::chrono::milliseconds(20);

bool Audible(float x) { return std::fabs(x) > kAudible; }
bool Audible(std::int16_t x) { return Audible(x / 32768.0f); }

Samples Trimmed(const Samples& s) {
  auto first = std::find_if(s.begin(), s.end(), [](float x) { return Audible(x); });
  auto last = std::find_if(s.rbegin(), s.rend(), [](float x) { return Audible(x); });
  if (first == s.end()) return {};
  return Samples(first, last.base());
}

// Normalised correlation of `expected` with `heard` shifted by `offset`, over
// expected's first `length` samples; parts of `heard` missing there count as
// silence.
double Correlation(const Samples& heard, const Samples& expected, std::ptrdiff_t offset,
                   std::size_t length) {
  double ee = 0, hh = 0, eh = 0;
  for (std::size_t i = 0; i < length; ++i) {
    ee += expected[i] * expected[i];
    const std::ptrdiff_t j = offset + static_cast<std::ptrdiff_t>(i);
    if (j < 0 || j >= static_cast<std::ptrdiff_t>(heard.size())) continue;
    hh += heard[j] * heard[j];
    eh += expected[i] * heard[j];
  }
  return ee > 0 && hh > 0 ? eh / std::sqrt(ee * hh) : 0;
}

double BestCorrelation(const Samples& heard, const Samples& expected, std::ptrdiff_t at,
                       std::size_t length) {
  double best = 0;
  for (std::ptrdiff_t d = -kSlack; d <= kSlack; ++d)
    best = std::max(best, Correlation(heard, expected, at + d, length));
  return best;
}

}  // namespace

Listener::Listener() {
  const std::string path = Env("HOPVOX_CAPTURE");
  if (path.empty()) throw std::runtime_error("not recorded: run under tests/e2e/listening.sh");
  file_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read the recording " + path);
}

Listener::~Listener() { CloseHandle(file_); }

void Listener::ReadMore() {
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(file_, buf, sizeof buf, &got, nullptr) && got > 0) {
    pending_.append(buf, got);
    const std::size_t whole = pending_.size() / 2;
    for (std::size_t i = 0; i < whole; ++i)
      heard_.push_back(
          static_cast<std::int16_t>(static_cast<std::uint8_t>(pending_[2 * i]) |
                                    (static_cast<std::uint8_t>(pending_[2 * i + 1]) << 8)));
    pending_.erase(0, whole * 2);
  }
}

std::size_t Listener::Now() {
  ReadMore();
  return heard_.size();
}

std::size_t Listener::WaitForOnset(std::size_t from, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (std::size_t i = from;; std::this_thread::sleep_for(kPoll)) {
    ReadMore();
    for (; i < heard_.size(); ++i)
      if (Audible(heard_[i])) return i;
    if (std::chrono::steady_clock::now() > deadline) return 0;
  }
}

Samples Listener::NextSound(std::size_t from, std::chrono::milliseconds limit) {
  const std::size_t onset = WaitForOnset(from, limit);
  if (onset == 0) return {};
  // The sound ends at its last audible sample once a pause follows it; the
  // recording runs in real time, so the pause is bound to come.
  std::size_t last = onset;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  for (std::size_t i = onset;; std::this_thread::sleep_for(kPoll)) {
    ReadMore();
    for (; i < heard_.size(); ++i)
      if (Audible(heard_[i])) last = i;
    if (heard_.size() > last + kPause) break;
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error("a sound that does not end");
  }
  Samples sound;
  for (std::size_t i = onset; i <= last; ++i) sound.push_back(heard_[i] / 32768.0f);
  return sound;
}

bool Listener::SilentFor(std::size_t from, std::chrono::milliseconds span) {
  const std::size_t end = from + static_cast<std::size_t>(span.count()) * kHeardRate / 1000;
  const auto deadline = std::chrono::steady_clock::now() + span + std::chrono::seconds(30);
  while (Now() < end) {
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error("the recording stopped");
    std::this_thread::sleep_for(kPoll);
  }
  return std::none_of(heard_.begin() + static_cast<std::ptrdiff_t>(from),
                      heard_.begin() + static_cast<std::ptrdiff_t>(end),
                      [](std::int16_t x) { return Audible(x); });
}

Samples SoundOf(const std::vector<std::uint8_t>& image) {
  const auto fmt = hopvox::ParseWaveImage(image.data(), image.size());
  if (!fmt || fmt->formatTag != 1 || (fmt->bitsPerSample != 8 && fmt->bitsPerSample != 16))
    throw std::runtime_error("not an 8 or 16-bit PCM wave");
  const std::uint8_t* data = image.data() + fmt->dataOffset;
  const std::size_t frames = fmt->dataSize / fmt->blockAlign;
  auto sample = [&](std::size_t frame) {
    float sum = 0;
    for (int c = 0; c < fmt->channels; ++c) {
      const std::uint8_t* p = data + frame * fmt->blockAlign + c * fmt->bitsPerSample / 8;
      sum += fmt->bitsPerSample == 8 ? (p[0] - 128) / 128.0f
                                     : static_cast<std::int16_t>(p[0] | (p[1] << 8)) / 32768.0f;
    }
    return sum / fmt->channels;
  };
  Samples out;
  const double step = static_cast<double>(fmt->samplesPerSec) / kHeardRate;
  for (double pos = 0; pos + 1 < frames; pos += step) {
    const auto i = static_cast<std::size_t>(pos);
    const double f = pos - i;
    out.push_back(static_cast<float>(sample(i) * (1 - f) + sample(i + 1) * f));
  }
  return Trimmed(out);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

double LikenessAtEnd(const Samples& heard, const Samples& expected) {
  const auto at =
      static_cast<std::ptrdiff_t>(heard.size()) - static_cast<std::ptrdiff_t>(expected.size());
  return BestCorrelation(heard, expected, at, expected.size());
}

double LikenessAtStart(const Samples& heard, const Samples& expected, std::size_t length) {
  return BestCorrelation(heard, expected, 0, std::min(length, expected.size()));
}

Tone ToneOf(const Samples& sound) {
  // Crossings with a little hysteresis, so noise at zero does not count.
  constexpr float kHysteresis = 0.02f;
  int crossings = 0, side = 0;
  for (float x : sound) {
    const int now = x > kHysteresis ? 1 : x < -kHysteresis ? -1 : side;
    if (side != 0 && now != side) ++crossings;
    side = now;
  }
  // Gaps where the player ran dry (2 ms and more at zero) are no part of
  // the sound: without them a busy machine would lower its pitch.
  constexpr std::size_t kGap = kHeardRate / 500;
  std::size_t quiet = 0, gaps = 0;
  for (float x : sound) {
    if (x > -kHysteresis && x < kHysteresis) {
      ++quiet;
      continue;
    }
    if (quiet >= kGap) gaps += quiet;
    quiet = 0;
  }
  Tone tone;
  tone.seconds = static_cast<double>(sound.size() - gaps) / kHeardRate;
  if (tone.seconds > 0) tone.hz = crossings / 2.0 / tone.seconds;
  return tone;
}

}  // namespace e2e
