#pragma once
// The steps of rolling a window up to its title bar and back down.
#include <vector>

namespace hopvox {

// AnimateSpeed is 0..10; more speed means fewer, longer steps.
int RollStepCount(int animateSpeed);

// Client heights set while rolling up from `saved` towards `remain`.
std::vector<int> RollUpHeights(int saved, int remain, int animateSpeed);
// Client heights set while unrolling from `remain` back to `saved`.
std::vector<int> UnrollHeights(int saved, int remain, int animateSpeed);

// Height (from the window's top edge) that stays visible when rolled up.
// singleBorder: single, dialog or tool-window border (the dialog frame).
int RolledHeight(int cyCaption, int cyDlgFrame, int cyFrame, bool singleBorder, int remainHeight);

// While rolled up the borders refuse sizing: HTLEFT..HTBOTTOMRIGHT -> HTBORDER.
int RolledHitTest(int code);

}  // namespace hopvox
