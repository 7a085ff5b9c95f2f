#include "chrome/logic/SystemMenuPlan.h"

namespace hopvox {

std::vector<MenuInsertion> PlanSystemMenuEntry(int itemCount, int position, int id, bool before,
                                               bool after) {
  const int p = position <= itemCount + 1 ? position : itemCount;
  std::vector<MenuInsertion> out{{p, id, false}};
  if (before) {
    out.push_back({p, id + kSeparatorBeforeOffset, true});  // pushes the entry down one
    if (after) out.push_back({p + 2, id + kSeparatorAfterOffset, true});
  } else if (after) {
    out.push_back({p + 1, id + kSeparatorAfterOffset, true});
  }
  return out;
}

std::vector<int> SystemMenuEntryIds(int id, bool before, bool after) {
  std::vector<int> out{id};
  if (before) out.push_back(id + kSeparatorBeforeOffset);
  if (after) out.push_back(id + kSeparatorAfterOffset);
  return out;
}

}  // namespace hopvox
