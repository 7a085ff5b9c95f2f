#pragma once
// Where a title-bar button's system-menu entry and its separators go.
#include <cstdint>
#include <vector>

namespace hopvox {

inline constexpr int kSeparatorBeforeOffset = 1000;
inline constexpr int kSeparatorAfterOffset = 2000;

struct MenuInsertion {
  int index = 0;  // InsertMenuItem by position
  int id = 0;
  bool separator = false;
  bool operator==(const MenuInsertion&) const = default;
};

// The insertions, in the order they must be made, for an entry with command
// id `id` at `position` into a menu of `itemCount` items.
std::vector<MenuInsertion> PlanSystemMenuEntry(int itemCount, int position, int id, bool before,
                                               bool after);

// The command ids to delete when the entry goes.
std::vector<int> SystemMenuEntryIds(int id, bool before, bool after);

}  // namespace hopvox
