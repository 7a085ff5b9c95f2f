#pragma once
// The number logic of the LED display: the clamped value with its change
// event, the display options, and where each digit cell goes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace hopvox {

enum class TVrNumStyle { ns13x24, ns11x20, ns7x13, ns12x17, ns5x7 };
enum class TVrNumAlignment { naLeftJustify, naCenter, naRightJustify };

// The digit strip of a style: resource name and strip size (13 cells).
struct NumStrip {
  const char* ResourceName;
  int Width;
  int Height;
};
NumStrip StripOf(TVrNumStyle style);

inline constexpr int kStripCells = 13;
inline constexpr int kCellBlank = 10;
inline constexpr int kCellMinusOff = 11;
inline constexpr int kCellMinusOn = 12;

// One cell to copy from the strip to (X, Y) of the control.
struct NumCell {
  int Cell;
  int X;
  int Y;
  bool operator==(const NumCell&) const = default;
};

// What the owning control must do after a setter.
enum class NumEffect { None, Refresh, AdjustSize, LoadStrip };

class TVrNumModel {
 public:
  std::function<void()> OnChange;

  std::int32_t Value() const { return value_; }
  std::int32_t Min() const { return min_; }
  std::int32_t Max() const { return max_; }
  int Digits() const { return digits_; }
  std::int32_t Spacing() const { return spacing_; }
  TVrNumStyle Style() const { return style_; }
  bool LeadingZero() const { return leadingZero_; }
  bool ZeroBlank() const { return zeroBlank_; }
  TVrNumAlignment Alignment() const { return alignment_; }
  bool Signed() const { return signed_; }

  // Clamps to [Min, Max]. OnChange runs after refresh, once per real change,
  // so the refresh callback comes first.
  void SetValue(std::int32_t v, const std::function<void()>& refresh);
  NumEffect SetMin(std::int32_t v);
  NumEffect SetMax(std::int32_t v);
  NumEffect SetDigits(int v);
  NumEffect SetSpacing(std::int32_t v);
  NumEffect SetStyle(TVrNumStyle v);
  NumEffect SetLeadingZero(bool v);
  NumEffect SetZeroBlank(bool v);
  NumEffect SetAlignment(TVrNumAlignment v);

  // Width of the digit row without a sign position (used by auto-size).
  int ContentWidth(int cellWidth) const;
  // The text shown: the magnitude padded to Digits ('0' or ' ').
  std::string Text() const;
  // Cells in paint order for a client of the given size.
  std::vector<NumCell> Layout(int cellWidth, int cellHeight, int clientWidth,
                              int clientHeight) const;

 private:
  std::int32_t value_ = 0;
  std::int32_t min_ = 0;
  std::int32_t max_ = 9999;
  int digits_ = 4;
  std::int32_t spacing_ = 2;
  TVrNumStyle style_ = TVrNumStyle::ns13x24;
  bool leadingZero_ = false;
  bool zeroBlank_ = false;
  TVrNumAlignment alignment_ = TVrNumAlignment::naCenter;
  bool signed_ = false;
};

}  // namespace hopvox
