#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>

#include "ChromeTestWindow.h"
#include "chrome/cbClasses.h"

namespace hopvox {
namespace {

using test::Trace;

class Recorder : public TcbFormHookComponent {
 public:
  Recorder(const char* tag, HWND* window)
      : TcbFormHookComponent([window] { return *window; }), tag_(tag) {}
  void BeforeMessage(TcbMessage& m, bool& handled) override {
    if (m.msg == test::kProbe) Trace().push_back(tag_ + "<");
    if (m.msg == test::kProbe && m.wParam == 2 && tag_ == "B")
      throw std::runtime_error("hook failed");
    if (m.msg == test::kProbe && m.wParam == 1 && tag_ == swallow) {
      handled = true;
      m.result = 7;
    }
  }
  void AfterMessage(TcbMessage& m) override {
    if (m.msg == test::kProbe) Trace().push_back(tag_ + ">");
    if (m.msg == test::kProbe && m.wParam == 3 && tag_ == "B")
      throw std::runtime_error("after failed");
    if (m.msg == kTopmostNotifyMessage)
      Trace().push_back(tag_ + "-topmost" + std::to_string(m.wParam));
  }
  void Rehooked() override { Trace().push_back(tag_ + "-rehooked"); }
  static inline const char* swallow = "";

 private:
  std::string tag_;
};

std::string Joined() {
  std::string s;
  for (auto& t : Trace()) s += t + " ";
  Trace().clear();
  return s;
}

class HookChain : public ::testing::Test {
 protected:
  void SetUp() override {
    Trace().clear();
    window_ = test::MakeWindow();
    base_ = GetWindowLongPtrA(window_, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    test::PumpPending();
  }
  HWND window_ = nullptr;
  LONG_PTR base_ = 0;
};

TEST_F(HookChain, NewestFirstBaseLastAndOrderSurvivesRemoval) {
  auto a = std::make_unique<Recorder>("A", &window_);
  auto b = std::make_unique<Recorder>("B", &window_);
  auto c = std::make_unique<Recorder>("C", &window_);
  EXPECT_EQ(SendMessageA(window_, test::kProbe, 0, 0), 42);
  EXPECT_EQ(Joined(), "C< B< A< base A> B> C> ");

  b.reset();
  SendMessageA(window_, test::kProbe, 0, 0);
  EXPECT_EQ(Joined(), "C< A< base A> C> ");

  Recorder::swallow = "C";  // a handled message goes no further down
  EXPECT_EQ(SendMessageA(window_, test::kProbe, 1, 0), 7);
  EXPECT_EQ(Joined(), "C< C> ");
  Recorder::swallow = "";

  c.reset();
  a.reset();
  EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_WNDPROC), base_) << "base procedure put back";
  EXPECT_EQ(TcbHookList::Instance(), nullptr) << "the last component frees the list";
}

TEST_F(HookChain, RecreatedHandleIsHookedAgainInListOrder) {
  auto a = std::make_unique<Recorder>("A", &window_);
  auto b = std::make_unique<Recorder>("B", &window_);
  HWND old = window_;
  window_ = test::MakeWindow();  // the owner's new handle
  const LONG_PTR newBase = GetWindowLongPtrA(window_, GWLP_WNDPROC);
  DestroyWindow(old);
  test::PumpPending();  // the rehook request is posted
  EXPECT_EQ(Joined(), "A-rehooked B-rehooked ");
  EXPECT_EQ(a->HookedWindow(), window_);
  SendMessageA(window_, test::kProbe, 0, 0);
  EXPECT_EQ(Joined(), "B< A< base A> B> ");
  b.reset();
  a.reset();
  EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_WNDPROC), newBase);
}

TEST_F(HookChain, TopmostSetsTheStyleAndNotifiesEveryHook) {
  auto a = std::make_unique<Recorder>("A", &window_);
  auto b = std::make_unique<Recorder>("B", &window_);
  EXPECT_FALSE(a->Topmost());
  a->SetTopmost(true);
  EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(b->Topmost());
  EXPECT_EQ(Joined(), "A-topmost1 B-topmost1 ");
  a->SetTopmost(true);  // no change, no notification
  EXPECT_EQ(Joined(), "");
  b->SetTopmost(false);
  EXPECT_FALSE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Joined(), "A-topmost0 B-topmost0 ");
}

BOOL CALLBACK CollectText(HWND child, LPARAM out) {
  char buf[256] = {};
  GetWindowTextA(child, buf, sizeof buf);
  *reinterpret_cast<std::string*>(out) += std::string(buf) + "|";
  return TRUE;
}

// Finds the error box the application shows, reads its texts and closes it.
std::string DismissErrorBox() {
  std::string texts;
  for (int i = 0; i < 100 && texts.empty(); ++i) {
    Sleep(50);
    // Shown only once its texts are in place.
    HWND box = FindWindowA("#32770", nullptr);
    if (!box || !IsWindowVisible(box)) continue;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  return texts;
}

TEST_F(HookChain, ExceptionInAHookGoesToTheErrorBoxAndTheWindowGoesOn) {
  auto a = std::make_unique<Recorder>("A", &window_);
  auto b = std::make_unique<Recorder>("B", &window_);
  std::string shown;
  std::thread closer([&] { shown = DismissErrorBox(); });
  SendMessageA(window_, test::kProbe, 2, 0);
  closer.join();
  EXPECT_NE(shown.find("hook failed"), std::string::npos) << shown;
  Trace().clear();
  EXPECT_EQ(SendMessageA(window_, test::kProbe, 0, 0), 42);
  EXPECT_EQ(Joined(), "B< A< base A> B> ");
}

TEST_F(HookChain, ExceptionAfterTheWindowKeepsItsResult) {
  auto a = std::make_unique<Recorder>("A", &window_);
  auto b = std::make_unique<Recorder>("B", &window_);
  std::string shown;
  std::thread closer([&] { shown = DismissErrorBox(); });
  EXPECT_EQ(SendMessageA(window_, test::kProbe, 3, 0), 42) << "the window's own answer";
  closer.join();
  EXPECT_NE(shown.find("after failed"), std::string::npos) << shown;
  EXPECT_EQ(Joined(), "B< A< base A> B> ");
}

// A component that takes its window down while it is being destroyed (as
// one owning its window would): the dying window is no handle recreation.
class WindowOwner : public Recorder {
 public:
  using Recorder::Recorder;
  ~WindowOwner() override {
    destroying_ = true;
    DestroyWindow(*owned);
  }
  HWND* owned = nullptr;
};

TEST_F(HookChain, AComponentBeingDestroyedAsksForNoRehook) {
  auto owner = std::make_unique<WindowOwner>("A", &window_);
  owner->owned = &window_;
  auto b = std::make_unique<Recorder>("B", &window_);
  HWND next = test::MakeWindow();  // where a rehook would put B
  owner.reset();                   // destroys the window B sits on
  window_ = next;
  test::PumpPending();
  EXPECT_EQ(Joined(), "") << "rehooked after a component's own destruction";
  b.reset();
}

TEST_F(HookChain, MessageWindowAgreesToEndTheSession) {
  Recorder a("A", &window_);
  ASSERT_TRUE(IsWindow(a.MessageWindow()));
  EXPECT_EQ(SendMessageA(a.MessageWindow(), WM_QUERYENDSESSION, 0, 0), 1);
}

}  // namespace
}  // namespace hopvox
