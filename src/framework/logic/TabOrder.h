#pragma once
// Where Tab, Shift+Tab and the arrow keys of a radio group take the keyboard
// focus. A window lists its controls in the order of its definition, each
// container before what it holds; a control that cannot take the focus now
// (disabled, hidden, on a page not shown, in a collapsed panel, no tab stop)
// is passed over. The radio buttons of one group are a single stop: Tab lands
// on the checked one, and the arrow keys move inside the group.
#include <vector>

namespace hopvox {

struct TTabCandidate {
  bool focusable = false;  // a tab stop that can take the focus now
  int group = -1;          // the radio group it belongs to, -1 for none
  bool checked = false;    // a radio button that is checked
};

// The candidate that Tab (forward) or Shift+Tab moves to from `current`,
// wrapping round at either end. With `current` -1 (the focus is on none of
// them) the tour starts at the first or the last. -1 when none can take the focus.
int NextTabStop(const std::vector<TTabCandidate>& order, int current, bool forward);

// The next or previous button of `current`'s radio group that can take the
// focus, wrapping round; `current` itself when it stands alone.
int NextInGroup(const std::vector<TTabCandidate>& order, int current, bool forward);

}  // namespace hopvox
