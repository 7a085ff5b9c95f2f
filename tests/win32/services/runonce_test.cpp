#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/Application.h"
#include "services/VrSystem.h"

namespace hopvox {
namespace {

bool TakeQuitRequest() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST(RunOnce, LaterGuardsSeeTheFirstUntilItIsGoneAndSkipOurOwnWindows) {
  const std::string saved = Application().Title();
  const std::string title = "Hopvox run-once test " + std::to_string(GetCurrentProcessId());
  Application().SetTitle(title);
  auto first = std::make_unique<TVrRunOnce>();
  first->Loaded();
  EXPECT_FALSE(first->AnotherInstanceRan());
  EXPECT_FALSE(TakeQuitRequest());

  int exists = 0;
  auto second = std::make_unique<TVrRunOnce>();
  second->Terminate = false;
  second->OnExists = [&] { ++exists; };
  second->Loaded();
  EXPECT_TRUE(second->AnotherInstanceRan());
  EXPECT_EQ(exists, 1);
  EXPECT_FALSE(TakeQuitRequest());

  {
    TVrRunOnce third;  // Terminate is the default; no notice
    third.Loaded();
    EXPECT_TRUE(TakeQuitRequest());
  }

  // A window of ours with the title is not the earlier instance, and keeps
  // its title.
  HWND own = CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             nullptr, nullptr);
  EXPECT_EQ(FindOtherInstanceWindow(title), nullptr);
  char text[256] = {};
  GetWindowTextA(own, text, sizeof text);
  EXPECT_EQ(title, text);
  DestroyWindow(own);

  first.reset();
  second.reset();
  TVrRunOnce later;
  later.Loaded();
  EXPECT_FALSE(later.AnotherInstanceRan());
  Application().SetTitle(saved);
}

}  // namespace
}  // namespace hopvox
