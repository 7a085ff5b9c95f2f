// The subclass chain under Wine: links stacked on a window leave in any order
// without cutting the window off from its class procedure.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/DragDrop.h"
#include "framework/Form.h"
#include "framework/ListBox.h"
#include "framework/Subclass.h"

using namespace hopvox;

namespace {

constexpr UINT kProbe = WM_APP + 11;
std::vector<std::string> trace;

std::string Taken() {
  std::string s;
  for (const auto& t : trace) s += t + " ";
  trace.clear();
  return s;
}

LRESULT CALLBACK ClassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) {
    trace.push_back("class");
    return 42;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

HWND MakeWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ClassProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HopvoxSubclassTest";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

// A link that records the probe and passes everything on.
struct Link {
  Link(HWND wnd, std::string tag) : tag_(std::move(tag)) {
    sub.Attach(wnd, [this](UINT msg, WPARAM wp, LPARAM lp) {
      if (msg == kProbe) trace.push_back(tag_);
      if (msg == kProbe && beforePassing) beforePassing();
      return sub.CallNext(msg, wp, lp);
    });
  }
  TSubclass sub;
  std::function<void()> beforePassing;

 private:
  std::string tag_;
};

WNDPROC foreignNext = nullptr;
LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) trace.push_back("foreign");
  return CallWindowProcA(foreignNext, wnd, msg, wp, lp);
}

class Subclass : public ::testing::Test {
 protected:
  void SetUp() override {
    trace.clear();
    wnd_ = MakeWindow();
    classProc_ = GetWindowLongPtrA(wnd_, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
  }
  LRESULT Probe() { return SendMessageA(wnd_, kProbe, 0, 0); }
  HWND wnd_ = nullptr;
  LONG_PTR classProc_ = 0;
};

TEST_F(Subclass, TwoLinksLeaveInEitherOrderAndTheClassProcedureStillAnswers) {
  for (bool newestFirst : {true, false}) {
    SCOPED_TRACE(newestFirst ? "newest leaves first" : "oldest leaves first");
    auto a = std::make_unique<Link>(wnd_, "A");
    auto b = std::make_unique<Link>(wnd_, "B");
    EXPECT_EQ(Probe(), 42);
    EXPECT_EQ(Taken(), "B A class ");

    (newestFirst ? b : a).reset();
    EXPECT_EQ(Probe(), 42);
    EXPECT_EQ(Taken(), newestFirst ? "A class " : "B class ");

    (newestFirst ? a : b).reset();
    EXPECT_EQ(Probe(), 42);
    EXPECT_EQ(Taken(), "class ");
    EXPECT_EQ(GetWindowLongPtrA(wnd_, GWLP_WNDPROC), classProc_)
        << "the window has its procedure back";
  }
}

TEST_F(Subclass, AProcedureSetOnTopByOthersKeepsTheChainBelowItConnected) {
  auto a = std::make_unique<Link>(wnd_, "A");
  foreignNext = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProc)));
  a.reset();  // cannot take our procedure off without cutting the foreign one off
  EXPECT_EQ(GetWindowLongPtrA(wnd_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(ForeignProc));
  EXPECT_EQ(Probe(), 42);
  EXPECT_EQ(Taken(), "foreign class ");

  Link b(wnd_, "B");  // joins the chain that is still there, below the foreign procedure
  EXPECT_EQ(Probe(), 42);
  EXPECT_EQ(Taken(), "foreign B class ");

  DestroyWindow(wnd_);
  EXPECT_EQ(b.sub.Window(), nullptr) << "the chain dissolves with its window";
}

TEST_F(Subclass, ALinkBelowLeavingDuringAMessageIsSkippedAndALinkMayLeaveDuringItsOwn) {
  auto a = std::make_unique<Link>(wnd_, "A");
  Link b(wnd_, "B");
  b.beforePassing = [&] { a.reset(); };
  EXPECT_EQ(Probe(), 42);
  EXPECT_EQ(Taken(), "B class ");

  // A link that leaves while handling a message still hands it to the window.
  b.beforePassing = [&] { b.sub.Detach(); };
  EXPECT_EQ(Probe(), 42);
  EXPECT_EQ(Taken(), "B class ");
  EXPECT_EQ(GetWindowLongPtrA(wnd_, GWLP_WNDPROC), classProc_);
}

TEST(DragSourceLink, LeavingUnderAnotherLinkKeepsTheListBoxWorking) {
  TForm form("Drag", 200, 200, WS_OVERLAPPED | WS_CAPTION);
  TListBox list({.parent = &form, .bounds = {5, 5, 100, 100}});
  int clicks = 0;
  list.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { ++clicks; };
  auto drag = std::make_unique<TDragSource>(list);
  int above = 0;
  TSubclass top(list.Handle(), [&](UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == LB_ADDSTRING) ++above;
    return top.CallNext(msg, wp, lp);
  });
  drag.reset();
  EXPECT_EQ(list.Add("alpha"), 0);
  EXPECT_EQ(list.Count(), 1) << "the list box's own procedure still answers";
  EXPECT_EQ(above, 1);
  SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(clicks, 1) << "the wrapper still sees the control's messages";
}

}  // namespace
