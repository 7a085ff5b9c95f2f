// The window's own surfaces as the pointer meets them: each one that parks
// the focus commits the edit in progress; the window's frame; hotkey boxes
// cleared by either button and accepted keys that fire at the next tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Driver.h"
#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

using e2e::Contains;

struct Surface {
  const char* control;
  int x, y;
};

// Tabs "0-3" .. "12-15" of both page controls.
constexpr int kTabX[] = {22, 66, 110, 154};
const char* const kHotkeyPages[] = {"TabSheet7", "TabSheet8", "TabSheet9", "tabsheet10"};

// Types `text` into `box` and moves the pointer onto the surface; true when
// the text was stored then.
bool CommittedBy(const HopvoxRun& run, const std::string& box, const std::string& text,
                 const Surface& s) {
  run.MoveMouse(box, 20, 8);  // an edit box parks nothing
  run.Focus(box);
  run.SetText(box, text);
  run.MoveMouse(s.control, s.x, s.y);
  return Contains(run.ReadFile("Hopvox.ini"), "=" + text + "\r\n");
}

void RightClickAt(const HopvoxRun& run, const std::string& control, int x, int y) {
  e2e::MouseTo(run.ScreenPoint(control, x, y));
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, in, sizeof in[0]);
  run.Settle();
}

}  // namespace

TEST(Surfaces, EveryParkingSurfaceCommitsTheEditAndTheWindowIsFixed) {
  HopvoxRun run("surfaces");
  const std::string stored = "[Hopvox timing]\r\nTiming=70\r\n";
  run.WriteFile("Hopvox.ini", stored);
  run.Start();

  // Centred, one fixed border, a system menu but no minimise or maximise box.
  const LONG style = GetWindowLongA(run.Form(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_SYSMENU);
  RECT r;
  GetWindowRect(run.Form(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);

  // Unlocking and locking again are no edits.
  for (int i = 0; i < 3; ++i) run.PressCaptionButton("captionlockbtn");
  ASSERT_TRUE(run.Enabled("ipbox1"));
  EXPECT_EQ(run.ReadFile("Hopvox.ini"), stored);

  // The link goes grey under the pointer and black again over the background.
  run.MoveMouse("Form1", 240, 150);
  ASSERT_EQ(run.Query("Label34.color"), static_cast<int>(RGB(128, 128, 128)));
  run.MoveMouse("Form1", 3, 150);
  EXPECT_EQ(run.Query("Label34.color"), 0);

  run.ExpandFoldPanel(2);
  int n = 0;
  for (const Surface& s :
       {Surface{"Form1", 3, 150}, Surface{"Panel2", 2, 2}, Surface{"Panel3", 2, 2},
        Surface{"Panel1", 20, 15} /* Image3 */, Surface{"DFWFoldPanel2", 4, 150}})
    EXPECT_TRUE(CommittedBy(run, "ipbox1", "surface" + std::to_string(++n), s)) << s.control;
  // Each hotkey page, with the address page of the same channels in front.
  for (int p = 0; p < 4; ++p) {
    run.ClickAt("PageControl2", kTabX[p], 10);
    EXPECT_TRUE(CommittedBy(run, "ipbox" + std::to_string(4 * p + 1), "page" + std::to_string(p),
                            {kHotkeyPages[p], 5, 150}))
        << kHotkeyPages[p];
  }

  // A hotkey box stops capturing once the pointer is on its page.
  run.ClickAt("HotKey17", 30, 9);
  run.MoveMouse("tabsheet10", 5, 150);
  EXPECT_EQ(run.FocusedWindow(), run.Control("Panel1"));
  e2e::Tap('7');
  run.Settle();
  EXPECT_EQ(run.HotKey("HotKey17"), 0);
  run.Kill();
}

TEST(Surfaces, AcceptedKeysFireAtTheNextTickAndEitherButtonClearsABox) {
  HopvoxRun run("accept_fires");
  run.WriteFile("Hopvox.ini",
                "[Hopvox key modifier]\r\nModifier=1\r\n[Hopvox keys]\r\nBase channel=49\r\n"
                "Channel 5=0x46\r\n[Hopvox Ips]\r\nChannel 1=10.0.0.2\r\n");
  run.Start();
  // Locked, Accept takes the boxes as they are: the stored codes, rewritten.
  run.Click("Accept1");
  EXPECT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; }));
  const std::string ini = run.ReadFile("Hopvox.ini");
  EXPECT_TRUE(Contains(ini, "Base channel=49\r\n")) << ini;
  EXPECT_TRUE(Contains(ini, "Channel 5=70\r\n")) << ini;

  run.PressCaptionButton("captionlockbtn");
  run.ClickAt("HotKey2", 30, 9);
  run.Focus("HotKey2");
  e2e::Tap('7');
  ASSERT_TRUE(e2e::WaitFor([&] { return run.HotKey("HotKey2") == '7'; }));
  run.Click("Accept1");
  ASSERT_TRUE(e2e::WaitFor([&] { return run.Query("savedledok") == 1; }));

  // The right button clears a box too, and the lamps turn red.
  ASSERT_EQ(run.HotKey("HotKey1"), 49);
  RightClickAt(run, "HotKey1", 30, 9);
  EXPECT_EQ(run.HotKey("HotKey1"), 0);
  EXPECT_EQ(run.Query("savedledok"), 0);
  EXPECT_TRUE(run.Enabled("Accept4"));

  // The accepted key joins at the next tick.
  const auto log = run.PressInAnotherProgram(VK_CONTROL, '7');
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "/JOIN1 10.0.0.2");
  run.Kill();
}

TEST(Surfaces, ALockedSlotShowsTheNoDropPointer) {
  HopvoxRun run("no_drop");
  run.WriteFile("HopVoxIPs.ini", "[HopVoxIPs]\nAlpha=2.2.2.2:3784\n");
  run.Start();
  run.ExpandFoldPanel(1);
  run.MoveMouse("ListBox", 30, 8);
  e2e::LeftDown();
  run.Settle();
  const POINT a = run.ScreenPoint("ListBox", 30, 8), b = run.ScreenPoint("ipbox1", 20, 8);
  for (int i = 1; i <= 10; ++i)
    run.MoveTo({a.x + (b.x - a.x) * i / 10, a.y + (b.y - a.y) * i / 10});
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::PointerShape(run) == e2e::Pointer::NoDrop; }));
  e2e::LeftUp();
  run.Settle();
  EXPECT_EQ(run.Text("ipbox1"), "");
  run.Kill();
}
