// The error boundary under Wine: errors reach the standard error box, shown
// by the main thread whoever raised them, or nothing at all, as the policy says.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"

using namespace hopvox;

namespace {

constexpr UINT kProbe = WM_APP + 12;

BOOL CALLBACK CollectText(HWND child, LPARAM out) {
  char buf[256] = {};
  GetWindowTextA(child, buf, sizeof buf);
  *reinterpret_cast<std::string*>(out) += std::string(buf) + "|";
  return TRUE;
}

// Closes every error box that comes up until stopped, and remembers what each said
// and which thread showed it.
class BoxWatcher {
 public:
  BoxWatcher()
      : thread_([this] {
          while (!stop_) {
            Sleep(20);
            HWND box = FindWindowA("#32770", nullptr);
            if (!box || !IsWindowVisible(box)) continue;
            std::string texts;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts));
            shownBy_ = GetWindowThreadProcessId(box, nullptr);
            seen_.push_back(texts);
            SendMessageA(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box)) Sleep(5);
          }
        }) {}
  // Stops watching and returns what the boxes said.
  std::vector<std::string> Seen() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }
  ~BoxWatcher() { Seen(); }
  DWORD ShownBy() const { return shownBy_; }

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::string> seen_;
  std::atomic<DWORD> shownBy_{0};
  std::thread thread_;
};

TEST(ErrorBoundary, ShowPolicyPutsTheErrorInTheBoxAndTheCallerGoesOn) {
  Application().Handle();
  BoxWatcher watcher;
  EXPECT_FALSE(Application().Guard([] { throw std::runtime_error("Unable to write to x.ini"); }));
  EXPECT_FALSE(Application().Guard([] { throw 7; }));
  EXPECT_TRUE(Application().Guard([] {}));
  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_NE(seen[0].find("Unable to write to x.ini"), std::string::npos) << seen[0];
  EXPECT_NE(seen[1].find("Unexpected error"), std::string::npos) << seen[1];
  EXPECT_EQ(watcher.ShownBy(), GetCurrentThreadId());
}

TEST(ErrorBoundary, AWorkerThreadsErrorIsShownByTheMainThread) {
  Application().Handle();
  BoxWatcher watcher;
  std::atomic<bool> done{false}, guarded{true};
  std::thread worker([&] {
    guarded = Application().Guard([] { throw std::runtime_error("reader failed"); });
    done = true;
  });
  while (!done) {
    Application().ProcessMessages();
    Sleep(5);
  }
  worker.join();
  const auto seen = watcher.Seen();
  EXPECT_FALSE(guarded);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find("reader failed"), std::string::npos) << seen[0];
  EXPECT_EQ(watcher.ShownBy(), GetCurrentThreadId());
}

TEST(ErrorBoundary, DropPolicyShowsNothing) {
  Application().Handle();
  BoxWatcher watcher;  // a box would block the call until the watcher closed it
  EXPECT_FALSE(
      Application().Guard([] { throw std::runtime_error("tick failed"); }, TErrorPolicy::epDrop));
  EXPECT_TRUE(watcher.Seen().empty());
}

struct Throwing : TForm {
  Throwing() : TForm("Throwing", 100, 100, WS_OVERLAPPED) {}
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kProbe && wp == 1) throw std::runtime_error("handler failed");
    if (msg == kProbe) return 5;
    return TForm::WndProc(msg, wp, lp);
  }
};

TEST(ErrorBoundary, AWindowProcedureThatThrowsShowsTheErrorAndTheWindowGoesOn) {
  Throwing form;
  BoxWatcher watcher;
  EXPECT_EQ(SendMessageA(form.Handle(), kProbe, 1, 0), 0);
  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find("handler failed"), std::string::npos);
  EXPECT_EQ(SendMessageA(form.Handle(), kProbe, 0, 0), 5);
}

}  // namespace
