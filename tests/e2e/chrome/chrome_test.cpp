// The title-bar buttons of the running program, driven through the
// non-client messages of its real title bar.
#include <gtest/gtest.h>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

constexpr UINT kTrayCallback = 0x3A64;

std::string HintOf(const HopvoxRun& run, const std::string& name) {
  const ATOM atom = static_cast<ATOM>(run.Query(name + ".Hint"));
  char text[256] = {};
  GlobalGetAtomNameA(atom, text, sizeof text);
  GlobalDeleteAtom(atom);
  return text;
}

int ClientHeight(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r.bottom;
}

TEST(Chrome, LockButtonToggles) {
  HopvoxRun run("chrome_lock");
  run.Start();
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 1);
  EXPECT_EQ(HintOf(run, "captionlockbtn"), "Locked, no editing");
  EXPECT_EQ(HintOf(run, "FormTopmost1"), "Stay on top");
  EXPECT_EQ(HintOf(run, "TrayIcon"), "Minimize to system tray");
  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 0);
  run.PressCaptionButton("captionlockbtn");
  EXPECT_EQ(run.Query("captionlockbtn.Down"), 1);
  run.Close();
}

TEST(Chrome, StayOnTopFromButtonAndSystemMenu) {
  HopvoxRun run("chrome_topmost");
  run.Start();
  EXPECT_FALSE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  run.PressCaptionButton("FormTopmost1");
  EXPECT_TRUE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(run.Query("FormTopmost1.Down"), 1);
  EXPECT_EQ(run.Query("FormTopmost1.MenuChecked"), 1);
  SendMessageA(run.Form(), WM_SYSCOMMAND, run.Query("FormTopmost1.CommandId"), 0);
  EXPECT_FALSE(GetWindowLongA(run.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(run.Query("FormTopmost1.Down"), 0);
  EXPECT_EQ(run.Query("FormTopmost1.MenuChecked"), 0);
  run.Close();
}

TEST(Chrome, RollsUpToTheTitleBarAndBack) {
  HopvoxRun run("chrome_roller");
  run.Start();
  const int before = ClientHeight(run.Form());
  ASSERT_EQ(before, 348);
  run.PressCaptionButton("FormRoller1");
  ASSERT_EQ(run.Query("FormRoller1.RollUp"), 1);
  EXPECT_EQ(HintOf(run, "FormRoller1"), "Roll down");
  EXPECT_LE(ClientHeight(run.Form()), 4);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(run.Form(), rgn), SIMPLEREGION);
  RECT box{};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.bottom, run.Query("FormRoller1.RolledHeight"));
  // The borders refuse sizing while rolled up.
  RECT w{};
  GetWindowRect(run.Form(), &w);
  const LRESULT edge = SendMessageA(run.Form(), WM_NCHITTEST, 0, MAKELPARAM(w.left, w.top + 10));
  EXPECT_TRUE(edge < HTLEFT || edge > HTBOTTOMRIGHT) << edge;

  run.PressCaptionButton("FormRoller1");
  EXPECT_EQ(run.Query("FormRoller1.RollUp"), 0);
  EXPECT_EQ(ClientHeight(run.Form()), before);
  EXPECT_EQ(GetWindowRgn(run.Form(), rgn), ERROR);
  DeleteObject(rgn);
  run.Close();
}

TEST(Chrome, TrayButtonHidesAndAClickOnTheIconRestores) {
  HopvoxRun run("chrome_tray");
  run.Start();
  HWND app = GetWindow(run.Form(), GW_OWNER);
  ASSERT_TRUE(app);
  run.PressCaptionButton("TrayIcon");
  EXPECT_FALSE(IsWindowVisible(run.Form()));
  EXPECT_FALSE(IsWindowVisible(app)) << "the taskbar button stays";
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 1);

  auto tray = reinterpret_cast<HWND>(static_cast<INT_PTR>(run.Query("TrayIcon.MessageWindow")));
  ASSERT_TRUE(IsWindow(tray));
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONDOWN);
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0) << "icon removed on restore";

  // A click on the icon while the window shows changes nothing.
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONDOWN);
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONUP);
  SendMessageA(tray, kTrayCallback, 0, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(run.Form()));
  EXPECT_EQ(run.Query("TrayIcon.Visible"), 0);
  run.Close();
}

}  // namespace
