// Writes the title-bar glyph bitmaps into the folder given on the command line.
#include <cstdio>
#include <fstream>
#include <string>

#include "GlyphArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_glyphs OUTDIR\n");
    return 2;
  }
  for (const auto& g : hopvox::glyphs::AllGlyphs()) {
    const auto bytes = hopvox::glyphs::EncodeBmp4(g);
    std::ofstream f(std::string(argv[1]) + "/" + g.file, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    if (!f) {
      std::fprintf(stderr, "cannot write %s\n", g.file.c_str());
      return 1;
    }
  }
  return 0;
}
