#pragma once
// A picture of one of the kinds the window shows: a bitmap (also what a JPEG
// becomes), an icon or a metafile, with its own size. Loading picks the kind
// by the file's extension; a file that is not a picture of that kind raises
// EInvalidGraphic and leaves nothing behind.
#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "framework/Handles.h"

namespace hopvox {

class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct EnhMetaFileTraits {
  static HENHMETAFILE Empty() { return nullptr; }
  static bool Valid(HENHMETAFILE h) { return h != nullptr; }
  static void Close(HENHMETAFILE h) { DeleteEnhMetaFile(h); }
};
using UniqueEnhMetaFile = UniqueResource<HENHMETAFILE, EnhMetaFileTraits>;

class TPicture {
 public:
  enum class TKind { None, Bitmap, Icon, Metafile };

  TPicture() = default;
  TPicture(TPicture&&) = default;
  TPicture& operator=(TPicture&&) = default;

  // By extension: .jpg/.jpeg (libjpeg), .bmp, .ico, .emf, .wmf.
  static TPicture FromFile(const std::string& path);
  // A JPEG held in memory; `what` names it in the error text.
  static TPicture FromJpeg(const std::uint8_t* data, std::size_t size, const std::string& what);
  // A JPEG stored as an RCDATA resource of the program.
  static TPicture FromJpegResource(const char* name);

  TKind Kind() const { return kind_; }
  bool Empty() const { return kind_ == TKind::None; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // Draws at its own size with the top-left corner at (x, y).
  void Draw(HDC dc, int x, int y) const;
  // Draws scaled into `area` (a preview's smaller copy).
  void StretchDraw(HDC dc, const RECT& area) const;

 private:
  TKind kind_ = TKind::None;
  int width_ = 0, height_ = 0;
  UniqueBitmap bitmap_;
  UniqueIcon icon_;
  UniqueEnhMetaFile metafile_;
};

}  // namespace hopvox
