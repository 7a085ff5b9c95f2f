#pragma once
// Synthesis of Hopvox's three feedback sounds: a click, a confirm chime and a
// refusal buzz. Integer arithmetic only, so every build produces the same
// bytes and the committed resources can be checked against this code.
//
// Each image is a RIFF "WAVE" file: "fmt " (PCM, 16 bytes), "data" and a
// 66-byte "LIST"/"INFO" chunk, in that order.
#include <cstdint>
#include <string>
#include <vector>

namespace hopvox::sounds {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
inline void PutId(Bytes& b, const char* id) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(id[i]));
}
inline void PutPadded(Bytes& b, const std::string& text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    b.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

// Sine of a 32-bit phase (full turn = 2^32) as -32767..32767, by a parabola
// per half wave: close enough for feedback beeps.
inline std::int32_t Sine(std::uint32_t phase) {
  const std::uint32_t t = phase >> 16;                           // 0..65535
  const std::int32_t u = static_cast<std::int32_t>(t & 0x7FFF);  // position in the half wave
  std::int32_t y = static_cast<std::int32_t>((static_cast<std::int64_t>(u) * (32768 - u)) >> 13);
  if (y > 32767) y = 32767;
  return (t & 0x8000) ? -y : y;
}

inline std::uint32_t PhaseStep(std::uint32_t hz, std::uint32_t rate) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(hz) << 32) / rate);
}

// Linear attack over `attack` samples, then linear decay to 0 at `length`;
// result 0..4096.
inline std::int32_t Envelope(std::int32_t i, std::int32_t attack, std::int32_t length) {
  if (i < 0 || i >= length) return 0;
  if (i < attack) return i * 4096 / attack;
  return (length - i) * 4096 / (length - attack);
}

inline Bytes WaveImage(std::uint32_t rate, std::uint16_t bits, const Bytes& samples,
                       const std::string& name) {
  const std::uint32_t dataLen = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = dataLen & 1;
  const std::uint32_t listLen = 66;
  Bytes b;
  PutId(b, "RIFF");
  Put32(b, 4 + (8 + 16) + (8 + dataLen + pad) + (8 + listLen));
  PutId(b, "WAVE");
  PutId(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, rate);
  Put32(b, rate * (bits / 8));
  Put16(b, bits / 8);
  Put16(b, bits);
  PutId(b, "data");
  Put32(b, dataLen);
  b.insert(b.end(), samples.begin(), samples.end());
  if (pad) b.push_back(0);
  PutId(b, "LIST");
  Put32(b, listLen);
  PutId(b, "INFO");
  PutId(b, "INAM");
  Put32(b, 26);
  PutPadded(b, name, 26);
  PutId(b, "ISFT");
  Put32(b, 20);
  PutPadded(b, "Hopvox sound tool", 20);
  return b;
}

inline void Put16Sample(Bytes& b, std::int32_t v) {
  if (v > 32767) v = 32767;
  if (v < -32767) v = -32767;
  Put16(b, static_cast<std::uint32_t>(v) & 0xFFFF);
}

// 264 samples, 22050 Hz, 16-bit: about 12 ms of a fast-decaying 3 kHz tick.
inline Bytes Click() {
  constexpr std::int32_t n = 264, rate = 22050;
  Bytes s;
  std::uint32_t ph = 0;
  const std::uint32_t step = PhaseStep(3000, rate);
  for (std::int32_t i = 0; i < n; ++i, ph += step) {
    const std::int32_t e = Envelope(i, 6, n);
    const std::int32_t env2 = e * e / 4096;  // steeper fall than linear
    Put16Sample(s, Sine(ph) / 8 * 5 * env2 / 4096);
  }
  return WaveImage(rate, 16, s, "Hopvox click");
}

// 3824 samples, 11025 Hz, 16-bit: about 0.35 s, two rising notes.
inline Bytes Confirm() {
  constexpr std::int32_t n = 3824, rate = 11025, split = 1500;
  Bytes s;
  std::uint32_t ph = 0;
  const std::uint32_t low = PhaseStep(784, rate), high = PhaseStep(1047, rate);
  for (std::int32_t i = 0; i < n; ++i) {
    const bool first = i < split;
    const std::int32_t e = first ? Envelope(i, 40, split) : Envelope(i - split, 40, n - split);
    ph += first ? low : high;
    Put16Sample(s, (Sine(ph) / 8 * 3) * e / 4096);
  }
  return WaveImage(rate, 16, s, "Hopvox confirm");
}

// 8917 samples, 22050 Hz, 8-bit: about 0.40 s, two low buzzing pulses.
inline Bytes Refusal() {
  constexpr std::int32_t n = 8917, rate = 22050, pulse = 4000, gap = 917;
  Bytes s;
  std::uint32_t ph = 0, ph3 = 0;
  const std::uint32_t step = PhaseStep(185, rate), step3 = PhaseStep(555, rate);
  for (std::int32_t i = 0; i < n; ++i, ph += step, ph3 += step3) {
    std::int32_t e = 0;
    if (i < pulse)
      e = Envelope(i, 80, pulse);
    else if (i >= pulse + gap)
      e = Envelope(i - pulse - gap, 80, n - pulse - gap);
    const std::int32_t wave = (Sine(ph) * 2 + Sine(ph3)) / 3;  // -32767..32767, a little reedy
    const std::int32_t v = 128 + wave / 384 * e / 4096;        // about +-85 around the centre
    s.push_back(static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)));
  }
  return WaveImage(rate, 8, s, "Hopvox refusal");
}

// The "Audio" stream: tag 0x00099200, 32-bit length, the image.
inline Bytes AudioStream(const Bytes& image) {
  Bytes b;
  Put32(b, 0x00099200);
  Put32(b, static_cast<std::uint32_t>(image.size()));
  b.insert(b.end(), image.begin(), image.end());
  return b;
}

struct Sound {
  const char* file;  // under resources/sounds/
  Bytes (*make)();
};
inline constexpr Sound kSounds[] = {
    {"wave.aud", Click}, {"wave2.aud", Confirm}, {"wave3.aud", Refusal}};

}  // namespace hopvox::sounds
