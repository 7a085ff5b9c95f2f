#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Application.h"
#include "services/VrSystem.h"

namespace hopvox {
namespace {

bool TakeQuitRequest() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

class RunOnce : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Application().Title();
    Application().SetTitle("Hopvox run-once test " + std::to_string(GetCurrentProcessId()));
    TakeQuitRequest();
  }
  void TearDown() override {
    Application().SetTitle(saved_);
    TakeQuitRequest();
  }
  std::string saved_;
};

TEST_F(RunOnce, SecondGuardSeesTheFirstUntilItIsGone) {
  std::vector<std::string> events;
  auto first = std::make_unique<TVrRunOnce>();
  first->OnExists = [&] { events.push_back("first"); };
  first->Loaded();
  EXPECT_FALSE(first->AnotherInstanceRan());
  EXPECT_FALSE(TakeQuitRequest());

  {
    TVrRunOnce keepRunning;
    keepRunning.Terminate = false;
    keepRunning.OnExists = [&] { events.push_back("second"); };
    keepRunning.Loaded();
    EXPECT_TRUE(keepRunning.AnotherInstanceRan());
    EXPECT_FALSE(TakeQuitRequest());
  }
  {
    TVrRunOnce quitting;  // Terminate is the default; no message box
    quitting.Loaded();
    EXPECT_TRUE(quitting.AnotherInstanceRan());
    EXPECT_TRUE(TakeQuitRequest());
  }
  EXPECT_EQ(events, std::vector<std::string>{"second"});

  first.reset();
  TVrRunOnce later;
  later.Loaded();
  EXPECT_FALSE(later.AnotherInstanceRan());
  EXPECT_FALSE(TakeQuitRequest());
}

TEST_F(RunOnce, OurOwnWindowsAreNeverTakenForTheOtherInstance) {
  const std::string title = Application().Title();
  HWND own = CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(own);
  EXPECT_EQ(FindOtherInstanceWindow(title), nullptr);
  char text[256] = {};
  GetWindowTextA(own, text, sizeof text);
  EXPECT_EQ(title, text);  // left untouched
  DestroyWindow(own);
}

TEST(RunOnceName, LongTitlesAreCutTo255Characters) {
  EXPECT_EQ(RunOnceName("Hopvox XP"), "Hopvox XP");
  EXPECT_EQ(RunOnceName(std::string(300, 'x')), std::string(255, 'x'));
}

}  // namespace
}  // namespace hopvox
