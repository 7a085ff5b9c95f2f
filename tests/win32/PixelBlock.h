#pragma once
// Pixels as drawn, for the tests that look at what a window shows: a 32-bit
// bitmap in a memory DC that a test draws or copies into, read back as
// COLORREF (0x00BBGGRR).
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/Handles.h"

namespace hopvox::test {

class PixelBlock {
 public:
  PixelBlock(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ClientDC screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits_, nullptr, 0));
    selected_.emplace(dc_.get(), bitmap_.get());
  }
  // `width` x `height` pixels of `source` from (x, y).
  PixelBlock(HDC source, int x, int y, int width, int height) : PixelBlock(width, height) {
    BitBlt(Dc(), 0, 0, width, height, source, x, y, SRCCOPY);
  }
  PixelBlock(const PixelBlock&) = delete;
  PixelBlock& operator=(const PixelBlock&) = delete;

  HDC Dc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // Every pixel, row by row.
  std::vector<COLORREF> All() const {
    std::vector<COLORREF> all;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) all.push_back(At(x, y));
    return all;
  }

 private:
  int width_, height_;
  void* bits_ = nullptr;
  UniqueDC dc_;
  UniqueBitmap bitmap_;
  std::optional<ScopedSelectObject> selected_;
};

}  // namespace hopvox::test
