#pragma once
// The single-instance guard: a named mutex tells a second copy of the program
// that one is already running; the second copy brings the first forward,
// says so and ends.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Handles.h"
#include "services/VrComponent.h"

namespace hopvox {

class TVrRunOnce : public TVrComponent {
 public:
  std::string MessageText;
  bool ShowMessage = false;
  bool Terminate = true;
  bool RestorePrevInst = true;
  std::function<void()> OnExists;

  // After the form's data is read: the guard's one action, named after the
  // application title.
  void Loaded();
  bool AnotherInstanceRan() const { return another_; }

 private:
  UniqueHandle mutex_;  // held until the form goes; only its existence counts
  bool another_ = false;
};

// The name the guard uses for a title: at most 255 characters of it.
std::string RunOnceName(const std::string& title);

// Sent by a later copy to the running copy's application window, with the
// later copy's process id: a copy hidden in the tray comes out of it, lets
// that process put its notice in front, and answers non-zero. A copy that
// is not hidden answers 0 and is brought forward by the window calls.
UINT ShowInstanceMessage();

// A top-level window with exactly this title that belongs to another
// process, or null.
HWND FindOtherInstanceWindow(const std::string& title);

}  // namespace hopvox
