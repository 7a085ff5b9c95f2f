#pragma once
// The headers of the picture files a user may choose as the logo, read by us
// before any of the file goes to the system: a file whose header does not
// describe a picture lying wholly inside the file is refused here, so the
// system's decoders only ever see consistent files, and the picture's size
// comes from checked arithmetic.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace hopvox {

// Metafiles claiming a side longer than this (in pixels) are treated as damaged.
inline constexpr int kMaxPictureSide = 8192;

struct TPictureSize {
  int width = 0, height = 0;
};

// A Windows metafile, with or without the placeable header most files carry.
struct TWmfLayout {
  std::size_t recordsAt = 0;  // where the metafile proper starts (22 after a placeable header)
  bool placeable = false;
  TPictureSize size;       // in pixels at 96 per inch; placeable files only
  int xExt = 0, yExt = 0;  // the picture's size in 0.01 mm; placeable files only
};
std::optional<TWmfLayout> ReadWmfHeader(const std::uint8_t* bytes, std::size_t size);

// An enhanced metafile's size in pixels, from its header record: the frame
// (0.01 mm) scaled by the reference device, or the bounds where the frame
// says nothing.
std::optional<TPictureSize> ReadEmfHeader(const std::uint8_t* bytes, std::size_t size);

// A device-independent bitmap file: every part its headers name lies inside
// the file, and it is a kind the system draws.
std::optional<TPictureSize> ReadBitmapHeader(const std::uint8_t* bytes, std::size_t size);

// An icon file: its directory and every image it lists lie inside the file.
// The size is that of the first image (0 in the directory means 256).
std::optional<TPictureSize> ReadIconHeader(const std::uint8_t* bytes, std::size_t size);

}  // namespace hopvox
