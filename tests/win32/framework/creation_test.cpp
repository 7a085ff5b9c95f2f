// A window that cannot be made is an error, never a wrapper with no window:
// every later call on it would quietly do nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/Form.h"

using namespace hopvox;

namespace {

struct Refusing : TWindow {
  void MakeStandard(const char* className) {
    CreateStandard(className, "", WS_CHILD, 0, nullptr, 0, 0, 10, 10);
  }
  void MakeOwn() { CreateOwn("HopvoxRefusingWindow", "", WS_POPUP, 0, nullptr, 0, 0, 10, 10); }
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_CREATE) return -1;  // refuses to be created
    return TWindow::WndProc(msg, wp, lp);
  }
};

std::string ErrorOf(void (*make)(Refusing&)) {
  Refusing w;
  try {
    make(w);
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(w.Handle(), nullptr);
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(WindowCreation, AWindowThatCannotBeMadeRaisesAnErrorNamingItsClass) {
  EXPECT_EQ(ErrorOf([](Refusing& w) { w.MakeStandard("NoSuchHopvoxClass"); }),
            "Cannot create a window of class NoSuchHopvoxClass");
  EXPECT_EQ(ErrorOf([](Refusing& w) { w.MakeOwn(); }),
            "Cannot create a window of class HopvoxRefusingWindow");
}
