#include "framework/logic/PictureHeaders.h"

#include <cstdlib>

namespace hopvox {
namespace {

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::int32_t S16(const std::uint8_t* p) { return static_cast<std::int16_t>(U16(p)); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int64_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

// a * b / c rounded to the nearest, as the system's MulDiv; no overflow for
// the 32-bit values headers hold. Nothing when c is 0 or the result is no int.
std::optional<int> ScaleRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return std::nullopt;
  std::int64_t num = a * b;
  if (c < 0) num = -num, c = -c;
  const std::int64_t q = (num >= 0 ? num + c / 2 : num - c / 2) / c;
  if (q < INT32_MIN || q > INT32_MAX) return std::nullopt;
  return static_cast<int>(q);
}

bool Plausible(const TPictureSize& s) {
  return s.width > 0 && s.height > 0 && s.width <= kMaxPictureSide && s.height <= kMaxPictureSide;
}

}  // namespace

std::optional<TWmfLayout> ReadWmfHeader(const std::uint8_t* bytes, std::size_t size) {
  TWmfLayout layout;
  if (size >= 22 && U16(bytes) == 0xCDD7 && U16(bytes + 2) == 0x9AC6) {
    const std::int64_t inch = U16(bytes + 14);
    const std::int64_t w = S16(bytes + 10) - S16(bytes + 6), h = S16(bytes + 12) - S16(bytes + 8);
    if (inch <= 0 || w <= 0 || h <= 0) return std::nullopt;
    layout.size = {ScaleRounded(w, 96, inch).value_or(0), ScaleRounded(h, 96, inch).value_or(0)};
    if (!Plausible(layout.size)) return std::nullopt;
    layout.xExt = ScaleRounded(w, 2540, inch).value_or(0);
    layout.yExt = ScaleRounded(h, 2540, inch).value_or(0);
    layout.placeable = true;
    layout.recordsAt = 22;
  }
  // The metafile header: type 1 (memory) or 2 (disk), 9 words long.
  if (size < layout.recordsAt + 18) return std::nullopt;
  const std::uint8_t* header = bytes + layout.recordsAt;
  if ((U16(header) != 1 && U16(header) != 2) || U16(header + 2) != 9) return std::nullopt;
  return layout;
}

std::optional<TPictureSize> ReadEmfHeader(const std::uint8_t* bytes, std::size_t size) {
  // The header record: type 1, its own size, bounds, frame, " EMF", ... the
  // reference device in pixels at 72 and in millimetres at 80.
  constexpr std::size_t kHeaderSize = 88;
  if (size < kHeaderSize || U32(bytes) != 1 || U32(bytes + 40) != 0x464D4520) return std::nullopt;
  const std::uint32_t recordSize = U32(bytes + 4);
  if (recordSize < kHeaderSize || recordSize > size || U32(bytes + 48) > size) return std::nullopt;
  const std::int64_t boundsLeft = S32(bytes + 8), boundsTop = S32(bytes + 12);
  const std::int64_t boundsRight = S32(bytes + 16), boundsBottom = S32(bytes + 20);
  const std::int64_t frameLeft = S32(bytes + 24), frameTop = S32(bytes + 28);
  const std::int64_t frameRight = S32(bytes + 32), frameBottom = S32(bytes + 36);
  const std::int64_t deviceX = S32(bytes + 72), deviceY = S32(bytes + 76);
  const std::int64_t mmX = S32(bytes + 80), mmY = S32(bytes + 84);
  std::optional<TPictureSize> result;
  if (mmX > 0 && mmY > 0 && frameRight > frameLeft && frameBottom > frameTop) {
    const auto w = ScaleRounded(frameRight - frameLeft, deviceX, mmX * 100);
    const auto h = ScaleRounded(frameBottom - frameTop, deviceY, mmY * 100);
    if (w && h) result = TPictureSize{*w, *h};
  } else {
    const std::int64_t w = boundsRight - boundsLeft + 1, h = boundsBottom - boundsTop + 1;
    if (w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide)
      result = TPictureSize{static_cast<int>(w), static_cast<int>(h)};
  }
  if (!result || !Plausible(*result)) return std::nullopt;
  return result;
}

std::optional<TPictureSize> ReadBitmapHeader(const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kFileHeader = 14;
  if (size < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint64_t pixelsAt = U32(bytes + 10);
  const std::uint64_t infoSize = U32(bytes + 14);
  if (infoSize < 12 || kFileHeader + infoSize > size || pixelsAt > size) return std::nullopt;
  const std::uint8_t* info = bytes + kFileHeader;
  std::int64_t width = 0, height = 0;
  std::uint32_t planes = 0, bits = 0, compression = 0, colours = 0;
  if (infoSize == 12) {  // the old core header: 16-bit sides
    width = U16(info + 4);
    height = U16(info + 6);
    planes = U16(info + 8);
    bits = U16(info + 10);
  } else {
    if (infoSize < 40) return std::nullopt;
    width = S32(info + 4);
    height = S32(info + 8);
    planes = U16(info + 12);
    bits = U16(info + 14);
    compression = U32(info + 16);
    colours = U32(info + 32);
  }
  const std::int64_t rows = std::llabs(height);
  if (planes != 1 || width <= 0 || rows == 0 || width > kMaxPictureSide || rows > kMaxPictureSide)
    return std::nullopt;
  // Kinds the system draws: plain pixels, run-length coded 4 and 8 bits,
  // masked 16 and 32 bits.
  const bool plain = compression == 0 && (bits == 1 || bits == 4 || bits == 8 || bits == 16 ||
                                          bits == 24 || bits == 32);
  const bool runs = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
  const bool masked = compression == 3 && (bits == 16 || bits == 32);
  if (!plain && !runs && !masked) return std::nullopt;
  if (runs && height < 0) return std::nullopt;  // coded pixels run bottom-up only
  // The colour table (and the three masks of a masked 40-byte header) come
  // before the pixels.
  std::uint64_t table = 0;
  if (bits <= 8) {
    const std::uint64_t entries = colours ? colours : (1u << bits);
    if (entries > (1u << bits)) return std::nullopt;
    table = entries * (infoSize == 12 ? 3 : 4);
  }
  if (masked && infoSize == 40) table = 12;
  if (kFileHeader + infoSize + table > pixelsAt) return std::nullopt;
  if (!runs) {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (pixelsAt + stride * static_cast<std::uint64_t>(rows) > size) return std::nullopt;
  } else if (pixelsAt >= size) {
    return std::nullopt;
  }
  return TPictureSize{static_cast<int>(width), static_cast<int>(rows)};
}

std::optional<TPictureSize> ReadIconHeader(const std::uint8_t* bytes, std::size_t size) {
  if (size < 6 || U16(bytes) != 0 || U16(bytes + 2) != 1) return std::nullopt;
  const std::uint64_t count = U16(bytes + 4);
  if (count == 0 || 6 + 16 * count > size) return std::nullopt;
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes + 6 + 16 * i;
    const std::uint64_t length = U32(entry + 8), at = U32(entry + 12);
    if (length < 40 || at < 6 + 16 * count || at + length > size) return std::nullopt;
    // Each image is a PNG or a bitmap without the file header.
    const std::uint8_t* image = bytes + at;
    const bool png = image[0] == 0x89 && image[1] == 'P' && image[2] == 'N' && image[3] == 'G';
    if (!png && (U32(image) < 40 || U32(image) > length)) return std::nullopt;
  }
  const int width = bytes[6] ? bytes[6] : 256, height = bytes[7] ? bytes[7] : 256;
  return TPictureSize{width, height};
}

}  // namespace hopvox
