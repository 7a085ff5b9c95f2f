// The fold panel's look beyond the main window's settings, its caption font,
// turning it sideways, and the glyph highlight with the shared hover check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../Pump.h"
#include "Render.h"
#include "widgets/DFWFoldPanel.h"

namespace hopvox {
namespace {

using test::At;
using test::Snapshot;
using test::Sys;

TDFWFoldPanel::Args MainServerAt(TWindow* host, int left) {
  return {.parent = host, .bounds = {left, 10, 173, 164}};
}

TEST(FoldPanelLook, CaptionFontIsSmallFontsSeven) {
  test::Host host;
  TDFWFoldPanel panel(MainServerAt(&host, 10));
  LOGFONTA lf{};
  ASSERT_TRUE(GetObjectA(panel.CaptionFont(), sizeof lf, &lf));
  EXPECT_STREQ(lf.lfFaceName, "Small Fonts");
  ClientDC screen(nullptr);
  EXPECT_EQ(lf.lfHeight, -MulDiv(7, GetDeviceCaps(screen.get(), LOGPIXELSY), 72));

  // Another font is copied: the caller may delete its own.
  HFONT mine =
      CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
  panel.SetCaptionFont(mine);
  DeleteObject(mine);
  ASSERT_TRUE(GetObjectA(panel.CaptionFont(), sizeof lf, &lf));
  EXPECT_STREQ(lf.lfFaceName, "Tahoma");
  EXPECT_EQ(lf.lfHeight, -20);
}

TEST(FoldPanelLook, CollapsedWithoutBevelsHasARaisedOnePixelFrame) {
  test::Host host;
  TDFWFoldPanel panel(MainServerAt(&host, 10));
  panel.SetPanelBevels(TPanelBevel::bvNone, TPanelBevel::bvNone, 1);
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  ASSERT_EQ(panel.Height(), 12);
  Snapshot s(panel.Handle());
  EXPECT_EQ(s.At(150, 0), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(s.At(150, 11), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(172, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(150, 5), Sys(COLOR_BTNFACE));
  panel.SetFoldStatus(TFoldStatus::fsExpanded);
  EXPECT_EQ(Snapshot(panel.Handle()).At(5, 163), Sys(COLOR_BTNFACE)) << "no frame when expanded";
}

TEST(FoldPanelLook, TurningSidewaysFoldsTheWidthInstead) {
  test::Host host;
  TDFWFoldPanel panel(MainServerAt(&host, 10));
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  panel.SetOrientation(TFoldOrientation::foHorizontal);
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsCollapsed);
  EXPECT_EQ(panel.Width(), 14) << "EXPAND_H is 12 wide, and the raised bevel";
  EXPECT_EQ(panel.Height(), 164) << "the height comes back unfolded";
  EXPECT_EQ(panel.Left(), 10);
  EXPECT_EQ(panel.GlyphRect(), (TRect{1, 1, 13, 42}));
  EXPECT_EQ(panel.CollapsedWidth(), 12);
  // The caption runs down the bar, from 10 pixels below the glyph.
  panel.SetCaption("Main Server");
  Snapshot bar(panel.Handle());
  int ink = 0;
  for (int x = 1; x < 13; ++x)
    for (int y = 75; y < 160; ++y) ink += bar.At(x, y) != Sys(COLOR_BTNFACE);
  EXPECT_GT(ink, 5);

  panel.SetFoldStatus(TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Width(), 173) << "the width it had when it turned";
  EXPECT_EQ(panel.Height(), 164);
  RECT c = panel.Client().BoundsRect();
  EXPECT_EQ(c.left, 1);
  EXPECT_EQ(c.top, 15) << "below the 12 high glyph, bevel and separator";
  EXPECT_EQ(c.right, 172);

  panel.SetOrientation(TFoldOrientation::foVertical);
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(panel.Width(), 173);
  EXPECT_EQ(panel.Height(), 14);
}

TEST(FoldPanelLook, FoldingBackOnBringsTheGlyphBandBack) {
  test::Host host;
  TDFWFoldPanel panel(MainServerAt(&host, 10));
  panel.SetFolding(false);
  ASSERT_EQ(panel.Client().BoundsRect().left, 1);
  panel.SetFolding(true);
  EXPECT_EQ(panel.Client().BoundsRect().left, 15);
  EXPECT_EQ(Snapshot(panel.Handle()).At(2, 1), clWhite) << "the glyph is drawn again";
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(panel.Height(), 14);
}

// Two "Main Server" panels side by side; the real pointer is placed where a
// user would hold it, since the hover check reads it.
struct TwoPanels : ::testing::Test {
  test::Host host;
  TDFWFoldPanel a{MainServerAt(&host, 10)}, b{MainServerAt(&host, 200)};
  POINT saved{};
  TwoPanels() {
    GetCursorPos(&saved);
    // Kept on the screen, so the pointer can reach both glyphs.
    SetWindowPos(host.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ~TwoPanels() override { SetCursorPos(saved.x, saved.y); }

  // Puts the pointer on the panel's glyph and tells the panel so.
  void HoverGlyph(TDFWFoldPanel& p) {
    POINT pt{6, 20};
    ClientToScreen(p.Handle(), &pt);
    SetCursorPos(pt.x, pt.y);
    SendMessageA(p.Handle(), WM_MOUSEMOVE, 0, At(6, 20));
  }
  // The glyph's white top edge turns aqua when lit.
  static bool Lit(TDFWFoldPanel& p) { return Snapshot(p.Handle()).At(2, 1) == clAqua; }
};

TEST_F(TwoPanels, LitGlyphKeepsItsTransparentCornerAndLeavingUnlightsIt) {
  HoverGlyph(a);
  Snapshot s(a.Handle());
  EXPECT_EQ(s.At(2, 1), clAqua);
  EXPECT_EQ(s.At(1, 1), Sys(COLOR_BTNFACE)) << "the olive corner, dark green when lit, left out";
  SendMessageA(a.Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Lit(a));
}

// Reference ticks, and whether panel b was lit at each.
std::vector<bool>* g_litAtTick = nullptr;
TDFWFoldPanel* g_watched = nullptr;
void CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD) {
  g_litAtTick->push_back(TwoPanels::Lit(*g_watched));
}

// Dispatches until `ticks` reference ticks came. Mouse-leave messages are
// dropped: only the hover check may take a highlight off here.
bool PumpTicks(const std::vector<bool>& seen, size_t ticks) {
  return test::PumpUntil([&] { return seen.size() >= ticks; }, 10000,
                         [](const MSG& msg) { return msg.message != WM_MOUSELEAVE; }, false);
}

TEST_F(TwoPanels, SharedHoverCheckUnlightsThePanelThePointerLeft) {
  HoverGlyph(a);
  ASSERT_TRUE(Lit(a));
  HoverGlyph(b);
  EXPECT_FALSE(Lit(a)) << "the first panel's check ran at once";
  EXPECT_TRUE(Lit(b));

  std::vector<bool> lit;
  g_litAtTick = &lit;
  g_watched = &b;
  // 200 ms reference ticks; the hover check runs every 300 ms.
  UINT_PTR reference = SetTimer(nullptr, 0, 200, WatchTick);
  ASSERT_TRUE(PumpTicks(lit, 2));
  EXPECT_TRUE(Lit(b)) << "the check leaves the panel under the pointer lit";

  KillTimer(nullptr, reference);
  HoverGlyph(b);  // the check starts afresh
  reference = SetTimer(nullptr, 0, 200, WatchTick);
  lit.clear();
  POINT away{400, 300};  // on the window, off both panels
  ClientToScreen(host.Handle(), &away);
  SetCursorPos(away.x, away.y);
  ASSERT_TRUE(PumpTicks(lit, 3));
  KillTimer(nullptr, reference);
  std::string seen;
  for (bool on : lit) seen += on ? 'L' : '-';
  EXPECT_TRUE(lit[0]) << seen << ": unlit before the check was due";
  EXPECT_FALSE(lit[2]) << seen << ": still lit long after the check was due";
}

}  // namespace
}  // namespace hopvox
