#include "framework/Picture.h"

#include <cstring>
#include <optional>
#include <vector>

#include "framework/SystemCodePage.h"
#include "framework/logic/JpegDecoder.h"
#include "framework/logic/PictureHeaders.h"
#include "framework/logic/PictureFormat.h"

namespace hopvox {

namespace {

// Larger files are not pictures anyone chooses as a 170 x 174 logo.
constexpr DWORD kMaxFileSize = 64 * 1024 * 1024;

[[noreturn]] void Invalid(const std::string& what, const std::string& why) {
  throw EInvalidGraphic("Cannot show the picture " + what + ": " + why);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Invalid(path, "the file cannot be opened");
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size > kMaxFileSize)
    Invalid(path, "the file is too large");
  std::vector<std::uint8_t> bytes(size);
  DWORD read = 0;
  if (size && (!ReadFile(file.get(), bytes.data(), size, &read, nullptr) || read != size))
    Invalid(path, "the file cannot be read");
  return bytes;
}

// A top-down 24-bit DIB section holding the RGB pixels.
UniqueBitmap BitmapFromRgb(const TRgbImage& img) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = img.width;
  bi.bmiHeader.biHeight = -img.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp || !bits) return {};
  const size_t stride = (static_cast<size_t>(img.width) * 3 + 3) & ~size_t{3};
  auto* dst = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < img.height; ++y) {
    const std::uint8_t* src = &img.rgb[static_cast<size_t>(y) * img.width * 3];
    std::uint8_t* row = dst + y * stride;
    for (int x = 0; x < img.width; ++x) {
      row[3 * x] = src[3 * x + 2];
      row[3 * x + 1] = src[3 * x + 1];
      row[3 * x + 2] = src[3 * x];
    }
  }
  GdiFlush();
  return bmp;
}

// A Windows metafile, with or without the placeable header most files carry,
// converted to an enhanced one for drawing.
UniqueEnhMetaFile WmfToEmf(const std::vector<std::uint8_t>& bytes, int& w, int& h) {
  const std::optional<TWmfLayout> layout = ReadWmfHeader(bytes.data(), bytes.size());
  if (!layout) return {};
  METAFILEPICT mfp{MM_ANISOTROPIC, layout->xExt, layout->yExt, nullptr};
  UniqueEnhMetaFile emf(SetWinMetaFileBits(static_cast<UINT>(bytes.size() - layout->recordsAt),
                                           bytes.data() + layout->recordsAt, nullptr,
                                           layout->placeable ? &mfp : nullptr));
  if (!emf) return {};
  if (layout->placeable) {
    w = layout->size.width;
    h = layout->size.height;
    return emf;
  }
  // Without a placeable header the size is what the system made of the records.
  const UINT headerSize = GetEnhMetaFileBits(emf.get(), 0, nullptr);
  std::vector<std::uint8_t> header(headerSize);
  if (!headerSize || GetEnhMetaFileBits(emf.get(), headerSize, header.data()) != headerSize)
    return {};
  const std::optional<TPictureSize> size = ReadEmfHeader(header.data(), header.size());
  if (!size) return {};
  w = size->width;
  h = size->height;
  return emf;
}

}  // namespace

TPicture TPicture::FromJpeg(const std::uint8_t* data, std::size_t size, const std::string& what) {
  TRgbImage img;
  std::string error;
  if (!DecodeJpeg(data, size, img, error)) Invalid(what, "JPEG error: " + error);
  TPicture p;
  p.bitmap_ = BitmapFromRgb(img);
  if (!p.bitmap_) Invalid(what, "not enough memory for the picture");
  p.kind_ = TKind::Bitmap;
  p.width_ = img.width;
  p.height_ = img.height;
  return p;
}

TPicture TPicture::FromJpegResource(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL mem = res ? LoadResource(module, res) : nullptr;
  const void* data = mem ? LockResource(mem) : nullptr;
  if (!data) Invalid(name, "the resource is missing");
  return FromJpeg(static_cast<const std::uint8_t*>(data), SizeofResource(module, res), name);
}

TPicture TPicture::FromFile(const std::string& path) {
  TPicture p;
  switch (PictureFormatOf(path, SystemCodePage())) {
    case TPictureFormat::Jpeg: {
      std::vector<std::uint8_t> bytes = ReadWholeFile(path);
      return FromJpeg(bytes.data(), bytes.size(), path);
    }
    case TPictureFormat::Bitmap: {
      const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
      if (!ReadBitmapHeader(bytes.data(), bytes.size())) Invalid(path, "not a valid bitmap");
      p.bitmap_.reset(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
      BITMAP bm{};
      if (!p.bitmap_ || !GetObjectA(p.bitmap_.get(), sizeof bm, &bm) || bm.bmWidth <= 0 ||
          bm.bmHeight == 0)
        Invalid(path, "not a valid bitmap");
      p.kind_ = TKind::Bitmap;
      p.width_ = bm.bmWidth;
      p.height_ = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
      return p;
    }
    case TPictureFormat::Icon: {
      const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
      if (!ReadIconHeader(bytes.data(), bytes.size())) Invalid(path, "not a valid icon");
      p.icon_.reset(
          static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
      ICONINFO info{};
      if (!p.icon_ || !GetIconInfo(p.icon_.get(), &info)) Invalid(path, "not a valid icon");
      UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
      BITMAP bm{};
      if (colour) {
        GetObjectA(colour.get(), sizeof bm, &bm);
      } else {
        GetObjectA(mask.get(), sizeof bm, &bm);
        bm.bmHeight /= 2;  // a monochrome icon's mask holds both halves
      }
      if (bm.bmWidth <= 0 || bm.bmHeight <= 0) Invalid(path, "not a valid icon");
      p.kind_ = TKind::Icon;
      p.width_ = bm.bmWidth;
      p.height_ = bm.bmHeight;
      return p;
    }
    case TPictureFormat::Emf: {
      const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
      const std::optional<TPictureSize> size = ReadEmfHeader(bytes.data(), bytes.size());
      if (size)
        p.metafile_.reset(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data()));
      if (!p.metafile_) Invalid(path, "not a valid enhanced metafile");
      p.width_ = size->width;
      p.height_ = size->height;
      p.kind_ = TKind::Metafile;
      return p;
    }
    case TPictureFormat::Wmf: {
      std::vector<std::uint8_t> bytes = ReadWholeFile(path);
      p.metafile_ = WmfToEmf(bytes, p.width_, p.height_);
      if (!p.metafile_) Invalid(path, "not a valid metafile");
      p.kind_ = TKind::Metafile;
      return p;
    }
    case TPictureFormat::Unknown:
      break;
  }
  const std::string ext = FileExtension(path, SystemCodePage());
  Invalid(path, ext.empty() ? "the file name has no picture extension"
                            : "\"" + ext + "\" is not a picture type Hopvox can show");
}

void TPicture::Draw(HDC dc, int x, int y) const {
  if (kind_ == TKind::Bitmap) {
    UniqueDC mem(CreateCompatibleDC(dc));
    ScopedSelectObject sel(mem.get(), bitmap_.get());
    BitBlt(dc, x, y, width_, height_, mem.get(), 0, 0, SRCCOPY);
    return;
  }
  StretchDraw(dc, RECT{x, y, x + width_, y + height_});
}

void TPicture::StretchDraw(HDC dc, const RECT& area) const {
  const int w = area.right - area.left, h = area.bottom - area.top;
  switch (kind_) {
    case TKind::Bitmap: {
      UniqueDC mem(CreateCompatibleDC(dc));
      ScopedSelectObject sel(mem.get(), bitmap_.get());
      // Averaging keeps a shrunk photograph readable; it needs the brush origin set again.
      const int oldMode = SetStretchBltMode(dc, HALFTONE);
      POINT oldOrigin{};
      SetBrushOrgEx(dc, 0, 0, &oldOrigin);
      StretchBlt(dc, area.left, area.top, w, h, mem.get(), 0, 0, width_, height_, SRCCOPY);
      SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
      SetStretchBltMode(dc, oldMode);
      break;
    }
    case TKind::Icon:
      DrawIconEx(dc, area.left, area.top, icon_.get(), w, h, 0, nullptr, DI_NORMAL);
      break;
    case TKind::Metafile:
      PlayEnhMetaFile(dc, metafile_.get(), &area);
      break;
    case TKind::None:
      break;
  }
}

}  // namespace hopvox
