// The framework's controls under Wine: message routing to wrappers and
// graphic children, state setters that run click handlers, hand-overs to
// the main thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/Application.h"
#include "framework/CheckBox.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/HotKey.h"
#include "framework/PageControl.h"
#include "framework/Panel.h"
#include "framework/RadioGroup.h"
#include "framework/TrackBar.h"

using namespace hopvox;

namespace {

struct Box : TGraphicControl {
  int paints = 0;
  int colourChanges = 0;
  void SysColorChanged() override { ++colourChanges; }
  void Paint(HDC dc) override {
    ++paints;
    RECT rc{0, 0, Width(), Height()};
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
};

class Controls : public ::testing::Test {
 protected:
  TForm form{"Test", 300, 200, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU};
  void Pump() { Application().ProcessMessages(); }
};

TEST_F(Controls, SettersRunClickHandlersOnlyOnChange) {
  TCheckBox box({.parent = &form, .caption = "Enabled", .bounds = {5, 5, 80, 17}, .checked = true});
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  box.SetChecked(false);
  EXPECT_EQ(clicks, 1);
  // A user click goes through the parent's notification to the wrapper.
  SendMessageA(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(box.Checked());

  TRadioGroup group({.parent = &form,
                     .caption = "Cpu priority",
                     .bounds = {100, 5, 120, 120},
                     .items = {"Lowest", "Low", "Normal"}});
  int changes = 0;
  group.OnClick = [&] { ++changes; };
  group.SetItemIndex(2);
  group.SetItemIndex(2);
  EXPECT_EQ(changes, 1);
  SendMessageA(group.Button(0).Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_FALSE(group.Button(2).Checked());
  EXPECT_EQ(changes, 2);
  group.SetItemIndex(-1);
  EXPECT_FALSE(group.Button(0).Checked());

  TTrackBar bar({.parent = &form,
                 .bounds = {5, 150, 200, 30},
                 .min = 50,
                 .max = 120,
                 .position = 70,
                 .lineSize = 10,
                 .pageSize = 10,
                 .frequency = 10});
  int moves = 0;
  bar.OnChange = [&] { ++moves; };
  bar.SetPosition(70);
  bar.SetPosition(500);  // clamped by the control
  EXPECT_EQ(bar.Position(), 120);
  EXPECT_EQ(moves, 1);
}

TEST_F(Controls, HotKeyBoxHoldsPlainKeysOnly) {
  THotKey key({.parent = &form, .bounds = {5, 5, 80, 20}, .code = 49});
  EXPECT_EQ(key.HotKey(), 49);
  key.SetHotKey(-1);
  EXPECT_EQ(key.HotKey(), 0);
  key.SetHotKey(0x4000 | 'A');
  EXPECT_EQ(key.HotKey(), 0x4000 | 'A');
}

// The character is set, not left to the control: its default differs between
// systems (a dot with visual styles), so a character no system uses by
// default must come out exactly as asked.
TEST_F(Controls, APasswordBoxShowsTheCharacterItWasGiven) {
  TEdit box({.parent = &form, .bounds = {5, 5, 100, 20}});
  EXPECT_EQ(SendMessageA(box.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
  box.SetPasswordChar('#');
  EXPECT_EQ(SendMessageA(box.Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
  box.SetPasswordChar(0);
  EXPECT_EQ(SendMessageA(box.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(Controls, MouseReachesTheGraphicChildUnderThePointer) {
  TPanel panel({.parent = &form, .bounds = {0, 0, 200, 100}});
  Box lower, upper;
  lower.SetBounds(10, 10, 50, 50);
  upper.SetBounds(30, 30, 50, 50);
  lower.SetParent(&panel);
  upper.SetParent(&panel);
  int lowerClicks = 0, upperClicks = 0, panelClicks = 0;
  lower.OnClick = [&] { ++lowerClicks; };
  upper.OnClick = [&] { ++upperClicks; };
  panel.OnClick = [&] { ++panelClicks; };

  auto click = [&](int x, int y, int upX, int upY) {
    SendMessageA(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(upX, upY));
  };
  click(40, 40, 40, 40);  // overlap: the later child lies on top
  click(15, 15, 15, 15);
  click(15, 15, 150, 90);  // released off the child: no click for anyone
  click(150, 90, 150, 90);
  EXPECT_EQ(upperClicks, 1);
  EXPECT_EQ(lowerClicks, 1);
  EXPECT_EQ(panelClicks, 1);

  // Painting through WM_PRINTCLIENT reaches the children.
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 100);
  HGDIOBJ old = SelectObject(mem, bmp);
  SendMessageA(panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
  EXPECT_EQ(GetPixel(mem, 40, 40) & 0xFFFFFF, 0u);
  EXPECT_NE(GetPixel(mem, 150, 90) & 0xFFFFFF, 0u);
  EXPECT_GT(lower.paints, 0);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

TEST_F(Controls, ColourChangesReachGraphicChildrenOfNestedContainers) {
  TPanel outer({.parent = &form, .bounds = {0, 0, 200, 100}});
  TPanel inner({.parent = &outer, .bounds = {10, 10, 100, 50}});
  Box onForm, nested;
  onForm.SetParent(&form);
  nested.SetParent(&inner);
  SendMessageA(form.Handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(onForm.colourChanges, 1);
  EXPECT_EQ(nested.colourChanges, 1);
}

TEST_F(Controls, PageControlRunsShowOnlyForANewPage) {
  TPageControl pages({.parent = &form, .bounds = {0, 0, 200, 150}});
  TTabSheet a(&pages, "0-3"), b(&pages, "4-7");
  int shown = 0;
  b.OnShow = [&] { ++shown; };
  EXPECT_EQ(pages.ActivePage(), &a);
  pages.SetActivePage(&b);
  pages.SetActivePage(&b);
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(b.Visible());
  EXPECT_FALSE(a.Visible());
}

TEST(Synchronize, RunsOnTheMainThreadAndCarriesExceptionsBack) {
  Application().Handle();
  const DWORD mainId = GetCurrentThreadId();
  std::atomic<DWORD> ranOn{0};
  std::atomic<bool> threw{false}, done{false};
  std::thread worker([&] {
    Application().Synchronize([&] { ranOn = GetCurrentThreadId(); });
    try {
      Application().Synchronize([] { throw std::runtime_error("tick failed"); });
    } catch (const std::runtime_error&) {
      threw = true;
    }
    done = true;
  });
  for (int i = 0; i < 500 && !done; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
  worker.join();
  EXPECT_EQ(ranOn, mainId);
  EXPECT_TRUE(threw);
}

}  // namespace
