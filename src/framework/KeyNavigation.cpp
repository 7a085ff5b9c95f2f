#include "framework/KeyNavigation.h"

#include <algorithm>
#include <vector>

#include "framework/Edit.h"
#include "framework/PageControl.h"
#include "framework/RadioButton.h"
#include "framework/Window.h"
#include "framework/logic/TabOrder.h"

namespace hopvox {

namespace {

// Every control below a window, each container before what it holds.
struct TTour {
  std::vector<TWindow*> controls;
  std::vector<TTabCandidate> order;
};

void Collect(HWND parent, TTour& tour, int& groups) {
  std::vector<TWindow*> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (TWindow* w = TWindow::FromHandle(child)) children.push_back(w);
  // Raising a window (an expanding fold panel) changes the stacking order,
  // not the order of the window definition.
  std::sort(children.begin(), children.end(),
            [](TWindow* a, TWindow* b) { return a->CreationOrder() < b->CreationOrder(); });
  const int group = groups++;  // the radio buttons of one parent are one group
  for (TWindow* w : children) {
    HWND wnd = w->Handle();
    const bool usable = IsWindowVisible(wnd) && IsWindowEnabled(wnd);
    auto* radio = dynamic_cast<TRadioButton*>(w);
    tour.controls.push_back(w);
    // The system keeps the tab-stop style on the checked radio button only;
    // the group's other buttons are reached by the arrows all the same.
    const bool stop = radio || (GetWindowLongA(wnd, GWL_STYLE) & WS_TABSTOP);
    tour.order.push_back({.focusable = usable && stop,
                          .group = radio ? group : -1,
                          .checked = radio && radio->Checked()});
    if (usable) Collect(wnd, tour, groups);
  }
}

TTour TourOf(HWND root) {
  TTour tour;
  int groups = 0;
  Collect(root, tour, groups);
  return tour;
}

// The control holding the focus, or -1 when the focus is on none of them.
int IndexOf(const TTour& tour, HWND focus) {
  for (HWND wnd = focus; wnd; wnd = GetParent(wnd))
    for (size_t i = 0; i < tour.controls.size(); ++i)
      if (tour.controls[i]->Handle() == wnd) return static_cast<int>(i);
  return -1;
}

void FocusByKey(TWindow& control) {
  control.SetFocus();
  // As in every dialog: what is typed next replaces the text.
  if (auto* edit = dynamic_cast<TEdit*>(&control)) edit->SelectAll();
}

bool TabThrough(TWindow& window, HWND focus, bool forward) {
  TTour tour = TourOf(window.Handle());
  const int current = IndexOf(tour, focus);
  const int next = NextTabStop(tour.order, current, forward);
  if (next >= 0 && next != current) FocusByKey(*tour.controls[static_cast<size_t>(next)]);
  return true;
}

bool MoveInGroup(TWindow& window, HWND focus, bool forward) {
  TTour tour = TourOf(window.Handle());
  const int current = IndexOf(tour, focus);
  if (current < 0 || tour.order[static_cast<size_t>(current)].group < 0) return false;
  const int next = NextInGroup(tour.order, current, forward);
  if (next != current) {
    auto* radio = static_cast<TRadioButton*>(tour.controls[static_cast<size_t>(next)]);
    FocusByKey(*radio);
    radio->SetChecked(true);  // as a click on it does
  }
  return true;
}

bool SwitchPage(HWND focus, bool forward) {
  TPageControl* pages = nullptr;
  for (HWND wnd = focus; wnd && !pages; wnd = GetParent(wnd))
    pages = dynamic_cast<TPageControl*>(TWindow::FromHandle(wnd));
  if (!pages) return false;
  const int count = pages->PageCount();
  if (count < 2) return true;
  TTabSheet* old = pages->ActivePage();
  const bool inside = old && IsChild(old->Handle(), focus);
  TTabSheet* page = pages->Page((pages->ActivePageIndex() + (forward ? 1 : count - 1)) % count);
  pages->SetActivePage(page);
  if (!inside) return true;
  // The focus follows onto the page shown; with nothing there to take it,
  // it stays on the page control, where Ctrl+Tab goes on working.
  TTour tour = TourOf(page->Handle());
  const int first = NextTabStop(tour.order, -1, true);
  if (first >= 0)
    FocusByKey(*tour.controls[static_cast<size_t>(first)]);
  else
    pages->SetFocus();
  return true;
}

}  // namespace

bool NavigateByKey(TWindow& window, WPARAM key) {
  HWND focus = GetFocus();
  TWindow* focused = TWindow::FromHandle(focus);
  if (GetKeyState(VK_MENU) < 0) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  bool used = false;
  switch (key) {
    case VK_TAB:
      used = ctrl ? SwitchPage(focus, !shift) : TabThrough(window, focus, !shift);
      break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      used = !ctrl && MoveInGroup(window, focus, key == VK_RIGHT || key == VK_DOWN);
      break;
    case VK_RETURN:
      used = !ctrl && focused && focused->KeyClick();
      break;
    default:
      break;
  }
  // The keyboard is in use: show where it is.
  if (used && IsWindow(window.Handle()))
    SendMessageA(window.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  return used;
}

}  // namespace hopvox
