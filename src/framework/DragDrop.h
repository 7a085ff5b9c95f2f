#pragma once
// Dragging from a list box onto other controls. The source window is
// subclassed: a press (the second one of a double click too) that moves past
// the system's drag distance starts a drag, which holds the mouse capture
// until the button goes up; the control under the pointer is asked whether it
// takes the drop (the cursor says so), and the release runs its drop handler.
// Escape or a lost capture cancels. A window takes drops when it is added as
// a target here or has an OnDragOver handler of its own; the source hears
// OnStartDrag and OnEndDrag.
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/Subclass.h"
#include "framework/Window.h"

namespace hopvox {

class TDragSource {
 public:
  // `source` must outlive this object.
  explicit TDragSource(TWindow& source);
  TDragSource(const TDragSource&) = delete;
  TDragSource& operator=(const TDragSource&) = delete;

  // A window that may take drops. Disabled or hidden windows never do.
  using TDragOverEvent = std::function<bool(TWindow& source)>;
  using TDragDropEvent = std::function<void(TWindow& source)>;
  void AddTarget(TWindow& target, TDragOverEvent onDragOver, TDragDropEvent onDragDrop);

  bool Dragging() const { return dragging_; }

 private:
  struct Target {
    TWindow* window;
    TDragOverEvent over;
    TDragDropEvent drop;
  };
  LRESULT Proc(UINT msg, WPARAM wp, LPARAM lp);
  void AfterPress(POINT screen);
  // Who takes a drop at a screen point: a target added here, or a window
  // with its own OnDragOver; both empty for nobody.
  struct Drop {
    TWindow* window = nullptr;
    const Target* target = nullptr;
  };
  Drop Accepting(POINT screen) const;
  void RunDrag();

  TWindow& source_;
  TSubclass subclass_;
  std::vector<Target> targets_;
  bool dragging_ = false;
};

}  // namespace hopvox
