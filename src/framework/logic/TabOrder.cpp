#include "framework/logic/TabOrder.h"

#include <cstddef>

namespace hopvox {

namespace {

// The index `steps` places from `base` in the given direction, wrapping round.
int Step(int base, int steps, bool forward, int count) {
  const int i = (base + (forward ? steps : -steps)) % count;
  return i < 0 ? i + count : i;
}

// A group is entered at its checked button, or where the tour reached it.
int GroupEntry(const std::vector<TTabCandidate>& order, int reached) {
  const int group = order[static_cast<size_t>(reached)].group;
  if (group < 0) return reached;
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i].group == group && order[i].focusable && order[i].checked)
      return static_cast<int>(i);
  return reached;
}

}  // namespace

int NextTabStop(const std::vector<TTabCandidate>& order, int current, bool forward) {
  const int count = static_cast<int>(order.size());
  if (count == 0) return -1;
  if (current >= count) current = -1;
  const int base = current >= 0 ? current : (forward ? -1 : count);
  const int ownGroup = current >= 0 ? order[static_cast<size_t>(current)].group : -1;
  for (int steps = 1; steps <= count; ++steps) {
    const int i = Step(base, steps, forward, count);
    const TTabCandidate& c = order[static_cast<size_t>(i)];
    if (!c.focusable) continue;
    // The rest of the group the focus is in is no further stop.
    if (ownGroup >= 0 && c.group == ownGroup && i != current) continue;
    return i == current ? current : GroupEntry(order, i);
  }
  return -1;
}

int NextInGroup(const std::vector<TTabCandidate>& order, int current, bool forward) {
  const int count = static_cast<int>(order.size());
  if (current < 0 || current >= count) return current;
  const int group = order[static_cast<size_t>(current)].group;
  if (group < 0) return current;
  for (int steps = 1; steps < count; ++steps) {
    const int i = Step(current, steps, forward, count);
    if (order[static_cast<size_t>(i)].group == group && order[static_cast<size_t>(i)].focusable)
      return i;
  }
  return current;
}

}  // namespace hopvox
