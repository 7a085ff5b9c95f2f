// Writes the widgets' bitmaps into the folder given as the only argument
// (resources/widgets). Run through tools/pixelart/generate.
#include <cstdio>
#include <fstream>

#include "PixelArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pixelart OUTPUT_FOLDER\n");
    return 2;
  }
  for (const auto& [name, image] : pixelart::AllArt()) {
    auto bytes = pixelart::EncodeBmp(image);
    std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
