#pragma once
// Ordering of a window's title-bar buttons (index 0 = rightmost).
#include <algorithm>
#include <cstddef>
#include <vector>

namespace hopvox {

// Stable exchange sort by the order each item held while the form was read:
// neighbours swap only when the later one is strictly smaller; passes repeat
// until none swaps. Returns whether anything moved.
template <class T, class Key>
bool SortByStoredOrder(std::vector<T>& items, Key key) {
  if (items.size() < 2) return false;
  bool moved = false;
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
      if (key(items[i + 1]) < key(items[i])) {
        std::swap(items[i], items[i + 1]);
        swapped = moved = true;
      }
    }
  }
  return moved;
}

// Moves the item at `from` to the clamped index `to`; returns whether it moved.
// A negative `from` (no place yet) moves nothing.
template <class T>
bool MoveToOrder(std::vector<T>& items, int from, int to) {
  if (from < 0 || from >= static_cast<int>(items.size())) return false;
  to = std::clamp(to, 0, static_cast<int>(items.size()) - 1);
  if (to == from) return false;
  T item = items[from];
  items.erase(items.begin() + from);
  items.insert(items.begin() + to, item);
  return true;
}

}  // namespace hopvox
