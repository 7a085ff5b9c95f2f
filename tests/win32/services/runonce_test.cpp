#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../SwapImport.h"
#include "framework/Application.h"
#include "services/VrSystem.h"

namespace hopvox {
namespace {

struct Notice {
  std::string text;
  UINT type;
};
std::vector<Notice> g_notices;

int WINAPI RecordNotice(HWND, LPCSTR text, LPCSTR, UINT type) {
  g_notices.push_back({text, type});
  return IDOK;
}

HANDLE WINAPI RefuseMutex(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

// A title of this test's own, so no other program's guard is met.
class OwnTitle {
 public:
  OwnTitle() : saved_(Application().Title()) {
    Application().SetTitle("Hopvox run-once test " + std::to_string(GetCurrentProcessId()));
  }
  ~OwnTitle() { Application().SetTitle(saved_); }
  OwnTitle(const OwnTitle&) = delete;
  OwnTitle& operator=(const OwnTitle&) = delete;

 private:
  std::string saved_;
};

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

// The guard's mutex carries the title, so any program can tell by that name
// that a copy runs; a later copy says so in an information box with one OK.
TEST(RunOnce, TheMutexIsNamedByTheTitleAndTheNoticeIsAnInformationBox) {
  OwnTitle title;
  test::ScopedImport<decltype(&MessageBoxA)> box("user32.dll", "MessageBoxA", &RecordNotice);
  ASSERT_TRUE(box.Original());
  {
    TVrRunOnce first;
    first.Loaded();
    HANDLE byName = OpenMutexA(SYNCHRONIZE, FALSE, Application().Title().c_str());
    EXPECT_NE(byName, nullptr);
    if (byName) CloseHandle(byName);

    TVrRunOnce second;
    second.ShowMessage = true;
    second.MessageText = "Already running";
    g_notices.clear();
    second.Loaded();
    ASSERT_EQ(g_notices.size(), 1u);
    EXPECT_EQ(g_notices[0].text, "Already running");
    EXPECT_EQ(g_notices[0].type & (MB_TYPEMASK | MB_ICONMASK),
              static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(TakeQuitRequest());
  }
  EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, Application().Title().c_str()), nullptr);
}

// A guard that cannot make its mutex cannot tell: it takes another copy to run.
TEST(RunOnce, AMutexThatCannotBeMadeCountsAsAnotherCopy) {
  OwnTitle title;
  test::ScopedImport<decltype(&CreateMutexA)> refuse("kernel32.dll", "CreateMutexA", &RefuseMutex);
  ASSERT_TRUE(refuse.Original());
  TVrRunOnce guard;
  guard.Loaded();
  EXPECT_TRUE(guard.AnotherInstanceRan());
  EXPECT_TRUE(TakeQuitRequest());
}

}  // namespace
}  // namespace hopvox
