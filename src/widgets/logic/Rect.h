#pragma once
// Rectangles and points of the widgets' geometry, in the platform's
// convention: Right and Bottom are one past the last pixel.

namespace hopvox {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  constexpr void Inflate(int d) {
    Left -= d;
    Top -= d;
    Right += d;
    Bottom += d;
  }
  bool operator==(const TRect&) const = default;
};

}  // namespace hopvox
