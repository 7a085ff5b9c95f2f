#pragma once
// Keyboard navigation inside a top-level window of ours: Tab and Shift+Tab
// through the controls in the order of the window definition, the arrow keys
// inside a radio group, Enter on buttons and check boxes, and Ctrl+Tab and
// Ctrl+Shift+Tab through the pages of the page control holding the focus.
#include <windows.h>

namespace hopvox {

class TWindow;

// A key going down somewhere in `window`. Returns true when navigation used
// it; the focused control then never sees it.
bool NavigateByKey(TWindow& window, WPARAM key);

}  // namespace hopvox
