#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Render.h"
#include "framework/Application.h"
#include "framework/DragDrop.h"
#include "widgets/DFWFoldPanel.h"

namespace hopvox {
namespace {

using test::At;
using test::Snapshot;
using test::Sys;

// "Main Server" as on the main window, at (10, 10) of the host.
struct MainServerPanel : ::testing::Test {
  test::Host host;
  TDFWFoldPanel panel{{.parent = &host, .bounds = {10, 10, 173, 164}}};
  int clicks = 0, foldClicks = 0, before = 0, after = 0;
  MainServerPanel() {
    panel.SetCaption("Main Server");
    panel.OnClick = [this] { ++clicks; };
    panel.OnFoldClick = [this](TDFWFoldPanel&, TFoldStatus, bool&) { ++foldClicks; };
    panel.BeforeExpand = panel.BeforeCollaps = [this] { ++before; };
    panel.AfterExpand = panel.AfterCollaps = [this] { ++after; };
  }
  void Send(UINT msg, int x, int y) {
    SendMessageA(panel.Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(x, y));
  }
  void Press(int x, int y) { Send(WM_LBUTTONDOWN, x, y); }
  void Release(int x, int y) { Send(WM_LBUTTONUP, x, y); }
};

TEST_F(MainServerPanel, ExpandedLayout) {
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 164);
  RECT c = panel.Client().BoundsRect();
  EXPECT_EQ(c.left, 15);
  EXPECT_EQ(c.top, 1);
  EXPECT_EQ(c.right, 172);
  EXPECT_EQ(c.bottom, 163);
  EXPECT_TRUE(panel.Client().Visible());
  Snapshot s(panel.Handle());
  EXPECT_EQ(s.At(13, 1), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(14, 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(s.At(13, 162), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(0, 100), Sys(COLOR_BTNHIGHLIGHT)) << "raised outer bevel";
  EXPECT_EQ(s.At(2, 1), clWhite) << "top edge of the collapse glyph";
  EXPECT_EQ(s.At(1, 1), Sys(COLOR_BTNFACE)) << "olive corner left out";
}

TEST_F(MainServerPanel, CollapsedBarWithCaption) {
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(panel.Height(), 14);
  EXPECT_EQ(panel.Width(), 173);
  EXPECT_EQ(panel.Top(), 10);
  EXPECT_EQ(panel.GlyphRect(), (TRect{1, 1, 42, 13}));
  EXPECT_FALSE(panel.Client().Visible());
  Snapshot s(panel.Handle());
  EXPECT_EQ(s.At(2, 1), clWhite);
  EXPECT_EQ(s.At(42, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(43, 5), Sys(COLOR_BTNHIGHLIGHT));
  // The caption starts at x 52: some text pixel in the first columns.
  bool ink = false;
  for (int x = 52; x < 60; ++x)
    for (int y = 1; y < 13; ++y) ink = ink || s.At(x, y) == Sys(COLOR_BTNTEXT);
  EXPECT_TRUE(ink);
  for (int y = 1; y < 13; ++y) EXPECT_NE(s.At(50, y), Sys(COLOR_BTNTEXT));
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(before, 1) << "collapsing a collapsed panel does nothing";
}

TEST_F(MainServerPanel, GlyphClickFoldsOtherReleasesDoNot) {
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  Press(5, 5);
  Release(6, 6);
  EXPECT_EQ(foldClicks, 1);
  EXPECT_EQ(clicks, 0) << "a glyph click is no ordinary click";
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 164);

  Press(5, 5);
  Release(100, 80);
  EXPECT_EQ(foldClicks, 1);
  EXPECT_EQ(clicks, 1) << "released elsewhere on the panel";
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded);

  Press(5, 5);
  Release(400, 5);
  EXPECT_EQ(foldClicks, 1);
  EXPECT_EQ(clicks, 1) << "released outside the panel";

  Press(100, 80);
  Release(5, 5);
  EXPECT_EQ(foldClicks, 1) << "pressed off the glyph";
  EXPECT_EQ(clicks, 2);
}

TEST_F(MainServerPanel, VetoKeepsTheState) {
  panel.OnFoldClick = [](TDFWFoldPanel&, TFoldStatus status, bool& doFold) {
    EXPECT_EQ(status, TFoldStatus::fsExpanded);
    doFold = false;
  };
  Press(5, 5);
  Release(5, 5);
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 164);
}

TEST_F(MainServerPanel, SizeLockAndRememberedHeight) {
  int resizes = 0;
  panel.OnResize = [&] { ++resizes; };
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(resizes, 1) << "folding resizes";
  panel.SetBounds(10, 10, 150, 100);
  EXPECT_EQ(panel.Width(), 150);
  EXPECT_EQ(panel.Height(), 14);
  EXPECT_EQ(resizes, 2);
  panel.SetFoldStatus(TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 164);
  panel.SetBounds(10, 10, 150, 120);
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  panel.SetFoldStatus(TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 120);
}

TEST_F(MainServerPanel, HoverHighlightsAndPressedLook) {
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  Send(WM_MOUSEMOVE, 20, 6);
  EXPECT_EQ(Snapshot(panel.Handle()).At(2, 1), clAqua) << "white AND aqua";
  Send(WM_MOUSEMOVE, 100, 6);
  EXPECT_EQ(Snapshot(panel.Handle()).At(2, 1), clWhite);
  Press(20, 6);
  Snapshot s(panel.Handle());
  EXPECT_EQ(s.At(2, 2), Sys(COLOR_BTNSHADOW)) << "sunken frame";
  EXPECT_EQ(s.At(40, 11), Sys(COLOR_BTNHIGHLIGHT));
  Release(20, 6);
}

TEST_F(MainServerPanel, ChildrenLiveInTheClientAndItsClicksAreThePanels) {
  HWND child = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20,
                               panel.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(GetParent(child), panel.Client().Handle());
  int mx = -1, my = -1;
  panel.OnMouseMove = [&](TShiftState, int x, int y) {
    mx = x;
    my = y;
  };
  SendMessageA(panel.Client().Handle(), WM_MOUSEMOVE, 0, At(100, 50));
  EXPECT_EQ(mx, 115);
  EXPECT_EQ(my, 51);
  SendMessageA(panel.Client().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
  SendMessageA(panel.Client().Handle(), WM_LBUTTONUP, 0, At(100, 50));
  EXPECT_EQ(clicks, 1);
  // The second press of a double click is the panel's double click, and its
  // release clicks nothing.
  int doubleClicks = 0;
  panel.OnDblClick = [&] { ++doubleClicks; };
  SendMessageA(panel.Client().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(100, 50));
  SendMessageA(panel.Client().Handle(), WM_LBUTTONUP, 0, At(100, 50));
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(clicks, 1);
  DestroyWindow(child);
}

// A 20 x 20 white glyph; its olive bottom-left pixel is the transparent colour.
UniqueBitmap WhiteGlyph() {
  ClientDC screen(nullptr);
  UniqueBitmap bmp(CreateCompatibleBitmap(screen.get(), 20, 20));
  UniqueDC dc(CreateCompatibleDC(screen.get()));
  ScopedSelectObject s(dc.get(), bmp.get());
  RECT all{0, 0, 20, 20};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetPixel(dc.get(), 0, 19, RGB(128, 128, 0));
  return bmp;
}

TEST_F(MainServerPanel, CustomGlyphStaysThroughOrientationChangesAndLightsUp) {
  UniqueBitmap white = WhiteGlyph();
  panel.SetGlyphCollaps(white.get());
  EXPECT_EQ(panel.GlyphRect(), (TRect{1, 1, 21, 21}));
  EXPECT_EQ(panel.Client().BoundsRect().left, 23) << "band: glyph, bevel, separator";
  Send(WM_MOUSEMOVE, 16, 16);
  EXPECT_EQ(Snapshot(panel.Handle()).At(16, 16), clAqua) << "the custom glyph lit";
  Send(WM_MOUSEMOVE, 100, 100);

  panel.SetOrientation(TFoldOrientation::foHorizontal);
  EXPECT_EQ(BitmapSize(panel.GlyphCollaps()).cx, 20) << "custom glyph kept";
  EXPECT_EQ(BitmapSize(panel.GlyphExpand()).cx, 12) << "default glyph follows: EXPAND_H";
  panel.SetGlyphCollaps(nullptr);
  EXPECT_EQ(BitmapSize(panel.GlyphCollaps()).cx, 41) << "COLLAPS_H";
  panel.SetOrientation(TFoldOrientation::foVertical);
  EXPECT_EQ(BitmapSize(panel.GlyphCollaps()).cx, 12) << "default again: follows back";
}

TEST_F(MainServerPanel, GlyphCornerSeparatorAndHighlightColour) {
  panel.SetFoldPosition(TFoldPosition::fpRightTop);
  EXPECT_EQ(panel.GlyphRect(), (TRect{160, 1, 172, 42}));
  EXPECT_EQ(panel.Client().BoundsRect().right, 157);
  panel.SetFoldPosition(TFoldPosition::fpLeftTop);
  EXPECT_EQ(panel.Client().BoundsRect().left, 15);

  panel.SetSeperatorLineStyle(TSeparatorStyle::bsRaised);
  Snapshot raised(panel.Handle());
  EXPECT_EQ(raised.At(13, 100), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(raised.At(14, 100), Sys(COLOR_BTNSHADOW));
  panel.SetSeperated(false);
  EXPECT_EQ(panel.Client().BoundsRect().left, 13) << "no room kept for the line";
  EXPECT_EQ(Snapshot(panel.Handle()).At(13, 100), Sys(COLOR_BTNFACE));

  panel.SetFoldActiveColor(Rgb(255, 255, 0));
  Send(WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(Snapshot(panel.Handle()).At(2, 1), Rgb(255, 255, 0)) << "white AND yellow";
}

TEST_F(MainServerPanel, BorderWidthAndSingleBorderInsetTheClient) {
  panel.SetBorderWidth(3);
  EXPECT_EQ(panel.Client().BoundsRect().left, 15);
  EXPECT_EQ(panel.Client().BoundsRect().top, 4);
  EXPECT_EQ(panel.Client().BoundsRect().right, 169);
  panel.SetBorderWidth(0);
  panel.SetBorderStyle(TBorderStyle::bsSingle);
  RECT c = panel.Client().BoundsRect();
  EXPECT_EQ(c.right, 170) << "171 inside the frame, less the bevel";
  EXPECT_EQ(c.bottom, 161);
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(panel.Height(), 16) << "glyph 12, bevels 2, frame 2";
  EXPECT_EQ(panel.GlyphRect(), (TRect{1, 1, 42, 13}));
  panel.SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_EQ(panel.Height(), 14) << "a bar keeps fitting its glyph";
}

TEST_F(MainServerPanel, ClientDragEventsAreThePanelsInItsCoordinates) {
  TDFWFoldPanelClient& client = panel.Client();
  test::Host other;
  bool accept = true;
  client.OnDragOver(other, 100, 50, accept);
  EXPECT_FALSE(accept) << "no handler on the panel: no drop";
  int x = -1, y = -1, drops = 0, starts = 0, ends = 0;
  TWindow* source = nullptr;
  panel.OnDragOver = [&](TWindow& s, int px, int py, bool& ok) {
    source = &s;
    x = px;
    y = py;
    ok = px > 100;
  };
  accept = true;
  client.OnDragOver(other, 100, 50, accept);
  EXPECT_TRUE(accept);
  EXPECT_EQ(source, &other);
  EXPECT_EQ(x, 115);
  EXPECT_EQ(y, 51);
  panel.OnDragDrop = [&](TWindow&, int px, int py) {
    ++drops;
    x = px;
    y = py;
  };
  client.OnDragDrop(other, 2, 3);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(x, 17);
  EXPECT_EQ(y, 4);
  panel.OnStartDrag = [&] { ++starts; };
  client.OnStartDrag();
  EXPECT_EQ(starts, 1);
  panel.OnEndDrag = [&](TWindow* target, int px, int) {
    ++ends;
    EXPECT_EQ(target, nullptr);
    x = px;
  };
  client.OnEndDrag(nullptr, 0, 0);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(x, 15);
}

void MouseTo(POINT screen) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in.mi.dx = (screen.x * 65536 + 32768) / w;
  in.mi.dy = (screen.y * 65536 + 32768) / h;
  SendInput(1, &in, sizeof in);
}

void LeftButton(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
}

// Waits (at most `ms`) for what another thread reports.
bool Await(const std::atomic<bool>& seen, DWORD ms = 5000) {
  for (DWORD start = GetTickCount(); !seen && GetTickCount() - start < ms;) Sleep(10);
  return seen;
}

POINT OnScreen(const TWindow& w, int x, int y) {
  POINT p{x, y};
  ClientToScreen(w.Handle(), &p);
  return p;
}

// The pointer really pressed on one panel's client, moved onto another panel
// and released there: each panel hears the drag as its own events.
TEST(FoldPanelDrag, APointerDragFromOneClientOntoAnotherPanel) {
  test::Host host;
  SetWindowPos(host.Handle(), HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(host.Handle());
  TDFWFoldPanel from{{.parent = &host, .bounds = {10, 10, 173, 150}}};
  TDFWFoldPanel to{{.parent = &host, .bounds = {200, 10, 173, 150}}};
  TDragSource drag(from.Client());
  std::atomic<bool> started{false}, over{false}, ended{false};
  int starts = 0, drops = 0, ends = 0;
  TPoint overAt{-1, -1}, dropAt{-1, -1};
  const TWindow* overSource = nullptr;
  const TWindow* dropSource = nullptr;
  const TWindow* endTarget = nullptr;
  from.OnStartDrag = [&] {
    ++starts;
    started = true;
  };
  to.OnDragOver = [&](TWindow& source, int x, int y, bool& accept) {
    overSource = &source;
    overAt = {x, y};
    accept = true;
    over = true;
  };
  to.OnDragDrop = [&](TWindow& source, int x, int y) {
    ++drops;
    dropSource = &source;
    dropAt = {x, y};
  };
  from.OnEndDrag = [&](TWindow* target, int, int) {
    ++ends;
    endTarget = target;
    ended = true;
  };

  const POINT a = OnScreen(from.Client(), 60, 60), b = OnScreen(to.Client(), 80, 40);
  // The input comes from another thread: this one runs the drag's loop.
  std::thread pointer([&] {
    MouseTo(a);
    LeftButton(MOUSEEVENTF_LEFTDOWN);
    // Past the system's drag distance, a little at a time, until the drag is on.
    for (int i = 1; i <= 10; ++i) {
      MouseTo({a.x + 3 * i, a.y});
      if (Await(started, 300)) break;
    }
    for (int i = 1; i <= 10; ++i) {
      MouseTo({a.x + (b.x - a.x) * i / 10, a.y + (b.y - a.y) * i / 10});
      Sleep(10);
    }
    Await(over);
    LeftButton(MOUSEEVENTF_LEFTUP);
  });
  for (DWORD start = GetTickCount(); !ended && GetTickCount() - start < 20000;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Application().ProcessMessages();
  }
  pointer.join();

  EXPECT_EQ(starts, 1);
  EXPECT_TRUE(over);
  EXPECT_EQ(overSource, &from.Client());
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(dropSource, &from.Client());
  // In the drop panel's own coordinates: its client starts at (15, 1).
  EXPECT_EQ(dropAt, (TPoint{15 + 80, 1 + 40}));
  EXPECT_EQ(overAt, dropAt) << "the last move was over the drop point";
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(endTarget, &to.Client()) << "the window that took the drop";
}

TEST(FoldPanel, FoldingOffShowsNoGlyphAndKeepsTheClientFull) {
  test::Host host;
  TDFWFoldPanel panel{{.parent = &host, .bounds = {0, 0, 173, 100}}};
  int clicks = 0;
  panel.OnClick = [&] { ++clicks; };
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  panel.SetFolding(false);
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded);
  EXPECT_EQ(panel.Height(), 100);
  EXPECT_EQ(panel.Client().BoundsRect().left, 1);
  // Where the glyph's white top edge would be, the face shows.
  EXPECT_EQ(Snapshot(panel.Handle()).At(2, 1), Sys(COLOR_BTNFACE));
  panel.SetFoldStatus(TFoldStatus::fsCollapsed);
  EXPECT_EQ(panel.FoldStatus(), TFoldStatus::fsExpanded) << "no collapsing without Folding";
  SendMessageA(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(1, 5));
  SendMessageA(panel.Handle(), WM_LBUTTONUP, 0, At(1, 5));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace hopvox
