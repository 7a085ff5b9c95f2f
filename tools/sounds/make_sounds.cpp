// Writes Hopvox's feedback sounds into resources/sounds/ as "Audio" streams.
// Build and run from the repository root:
//   g++ -std=c++20 -O2 -o /tmp/make_sounds tools/sounds/make_sounds.cpp && /tmp/make_sounds
//   resources/sounds
// A native test checks that the committed files are what this produces.
#include <cstdio>
#include <string>

#include "FeedbackSounds.h"

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "resources/sounds";
  for (const auto& sound : hopvox::sounds::kSounds) {
    const auto bytes = hopvox::sounds::AudioStream(sound.make());
    const std::string path = dir + "/" + sound.file;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::fclose(f);
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
  }
  return 0;
}
