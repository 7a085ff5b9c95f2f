#include "chrome/logic/RollSteps.h"

#include <algorithm>

namespace hopvox {

namespace {
constexpr int kHtLeft = 10, kHtBottomRight = 17, kHtBorder = 18;

int StepSize(int saved, int animateSpeed) {
  return std::max(saved / RollStepCount(animateSpeed), 2);
}
}  // namespace

int RollStepCount(int animateSpeed) { return 33 - 3 * std::clamp(animateSpeed, 0, 10); }

std::vector<int> RollUpHeights(int saved, int remain, int animateSpeed) {
  std::vector<int> out;
  const int step = StepSize(saved, animateSpeed);
  int h = saved + step;
  while (remain < h) {
    h = std::max(h - step, remain);
    out.push_back(h);
  }
  return out;
}

std::vector<int> UnrollHeights(int saved, int remain, int animateSpeed) {
  std::vector<int> out;
  saved = std::max(saved, remain);
  const int step = StepSize(saved, animateSpeed);
  int h = remain - step;
  while (h < saved) {
    h = std::min(h + step, saved);
    out.push_back(h);
  }
  return out;
}

int RolledHeight(int cyCaption, int cyDlgFrame, int cyFrame, bool singleBorder, int remainHeight) {
  return cyCaption + (singleBorder ? cyDlgFrame : cyFrame) + 3 + remainHeight;
}

int RolledHitTest(int code) {
  return (code >= kHtLeft && code <= kHtBottomRight) ? kHtBorder : code;
}

}  // namespace hopvox
