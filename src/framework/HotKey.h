#pragma once
#include "framework/Window.h"

namespace hopvox {

// The system hot-key box. Codes are hotkey codes: virtual key in the low
// byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt. Every modifier combination is
// refused, so a box only ever holds a plain key or nothing.
class THotKey : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    int code = 0;
  };
  explicit THotKey(const Args& args);
  int HotKey() const;
  void SetHotKey(int code);
};

}  // namespace hopvox
