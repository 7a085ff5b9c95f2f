#pragma once
// Row colours of a lamp's vertical gradient, channel by channel with integer
// division toward zero, so the last row stops one step short of the end colour.
#include "widgets/logic/Color.h"

namespace hopvox {

constexpr TColor GradientRow(TColor start, TColor end, int row, int height) {
  if (height <= 0) return start;
  auto channel = [&](unsigned s, unsigned e) {
    int si = static_cast<int>(s);
    int ei = static_cast<int>(e);
    return static_cast<unsigned>(si + row * (ei - si) / height);
  };
  return Rgb(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
             channel(BlueOf(start), BlueOf(end)));
}

}  // namespace hopvox
