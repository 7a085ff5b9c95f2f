// Where Tab, Shift+Tab and the arrows of a radio group take the focus.
#include <gtest/gtest.h>

#include <vector>

#include "framework/logic/TabOrder.h"

namespace hopvox {
namespace {

constexpr TTabCandidate kBox{.focusable = true};
constexpr TTabCandidate kOff{};  // disabled, hidden, a container or no tab stop
TTabCandidate Radio(int group, bool checked = false, bool focusable = true) {
  return {.focusable = focusable, .group = group, .checked = checked};
}

TEST(TabOrder, TabSkipsWhatCannotTakeTheFocusAndWrapsRoundBothWays) {
  const std::vector<TTabCandidate> order{kOff, kBox, kOff, kOff, kBox, kBox, kOff};
  EXPECT_EQ(NextTabStop(order, 1, true), 4);
  EXPECT_EQ(NextTabStop(order, 4, true), 5);
  EXPECT_EQ(NextTabStop(order, 5, true), 1);
  EXPECT_EQ(NextTabStop(order, 1, false), 5);
  EXPECT_EQ(NextTabStop(order, 4, false), 1);
  // From a container (a panel holding the focus) the tour goes on after it.
  EXPECT_EQ(NextTabStop(order, 2, true), 4);
  EXPECT_EQ(NextTabStop(order, 2, false), 1);
  // From outside every control it starts at either end.
  EXPECT_EQ(NextTabStop(order, -1, true), 1);
  EXPECT_EQ(NextTabStop(order, -1, false), 5);
}

TEST(TabOrder, NothingToFocusLeavesTheFocusAloneAndOneStopKeepsIt) {
  EXPECT_EQ(NextTabStop({kOff, kOff}, 0, true), -1);
  EXPECT_EQ(NextTabStop({}, -1, true), -1);
  EXPECT_EQ(NextTabStop({kOff, kBox, kOff}, 1, true), 1);
  EXPECT_EQ(NextTabStop({kOff, kBox, kOff}, 1, false), 1);
}

TEST(TabOrder, ARadioGroupIsOneStopEnteredAtItsCheckedButton) {
  //                                 0     1         2               3         4
  const std::vector<TTabCandidate> order{kBox, Radio(7), Radio(7, true), Radio(7), kBox};
  EXPECT_EQ(NextTabStop(order, 0, true), 2);
  EXPECT_EQ(NextTabStop(order, 4, false), 2);
  // Leaving the group passes over the rest of it, either way.
  EXPECT_EQ(NextTabStop(order, 1, true), 4);
  EXPECT_EQ(NextTabStop(order, 3, false), 0);
  // None checked: entered where the tour reaches it.
  const std::vector<TTabCandidate> unchecked{kBox, Radio(7), Radio(7), kBox};
  EXPECT_EQ(NextTabStop(unchecked, 0, true), 1);
  EXPECT_EQ(NextTabStop(unchecked, 3, false), 2);
  // A checked button that cannot take the focus is no entry.
  const std::vector<TTabCandidate> lockedChecked{kBox, Radio(7), Radio(7, true, false), kBox};
  EXPECT_EQ(NextTabStop(lockedChecked, 0, true), 1);
}

TEST(TabOrder, ArrowsMoveInsideTheGroupOnly) {
  const std::vector<TTabCandidate> order{Radio(1), Radio(2), Radio(2, false, false),
                                         Radio(2), kBox,     Radio(2)};
  EXPECT_EQ(NextInGroup(order, 1, true), 3);  // passes over the disabled one
  EXPECT_EQ(NextInGroup(order, 3, true), 5);  // and over what is not in the group
  EXPECT_EQ(NextInGroup(order, 5, true), 1);  // wraps round
  EXPECT_EQ(NextInGroup(order, 1, false), 5);
  EXPECT_EQ(NextInGroup(order, 0, true), 0);  // alone in its group
  EXPECT_EQ(NextInGroup(order, 4, true), 4);  // no radio button at all
}

}  // namespace
}  // namespace hopvox
