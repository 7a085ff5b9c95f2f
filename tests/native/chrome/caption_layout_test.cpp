#include <gtest/gtest.h>

#include <vector>

#include "chrome/logic/ButtonOrder.h"
#include "chrome/logic/CaptionGeometry.h"

namespace hopvox {
namespace {

TEST(CaptionLayout, FiveButtonsWithSeparatorTwoStepBySlotWidth) {
  const int s = 18;
  std::vector<LayoutSlot> slots(5, LayoutSlot{true, 2, 0});
  LayoutCaptionButtons(slots, s);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(slots[i].offset, (i + 1) * s + 2) << i;
}

TEST(CaptionLayout, InvisibleButtonTakesNoSlotAndKeepsItsOffset) {
  const int s = 18;
  std::vector<LayoutSlot> slots(4, LayoutSlot{true, 2, 0});
  slots[1].visible = false;
  slots[1].offset = 777;
  LayoutCaptionButtons(slots, s);
  EXPECT_EQ(slots[0].offset, s + 2);
  EXPECT_EQ(slots[1].offset, 777);
  EXPECT_EQ(slots[2].offset, 2 * s + 2);  // moved right by one slot (2 + s - 2)
  EXPECT_EQ(slots[3].offset, 3 * s + 2);
}

TEST(CaptionLayout, ToolWindowsUseTheSmallSlot) {
  CaptionMetrics m;
  CaptionWindow w;
  EXPECT_EQ(CaptionSlotWidth(w, m), m.cxSize);
  w.toolWindow = true;
  EXPECT_EQ(CaptionSlotWidth(w, m), m.cxSmSize);
}

TEST(CaptionGeometry, CloseOnlyDialogWindow) {
  CaptionMetrics m;  // 18x18 buttons, dialog frame 3
  CaptionWindow w;
  w.width = 600;
  w.systemMenu = true;  // close button only
  const auto g = ComputeButtonGeometry(w, m, 20);
  // Free width 600 - 18; frame x 3 - 2 = 1.
  EXPECT_EQ(g.imageX, 600 - 18 - 20 - 1);
  EXPECT_EQ(g.imageY, 5);
  EXPECT_EQ(g.imageWidth, 16);
  EXPECT_EQ(g.imageHeight, 14);
  EXPECT_EQ(g.hitRect, (Rect{g.imageX - 5, 5, g.imageX - 5 + 16, 13}));
}

TEST(CaptionGeometry, FreeWidthDependsOnTheStandardButtons) {
  CaptionMetrics m;
  CaptionWindow w;
  w.width = 500;
  w.thickFrame = true;
  const int plain = ComputeButtonGeometry(w, m, 0).imageX;
  EXPECT_EQ(plain, 500 - (m.cxFrame - 2));
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageY, m.cyFrame + 2);

  w.contextHelp = true;
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageX, plain - m.cxSize);
  w.minimizeBox = true;  // help is not shown beside min/max
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageX, plain - 2 * m.cxSize);
  w.systemMenu = true;
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageX, plain - 3 * m.cxSize);
  w.toolWindow = true;  // tool windows have only the close button and small sizes
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageX, plain - m.cxSmSize);
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageWidth, m.cxSmSize - 2);

  w = {};
  w.width = 500;
  w.thickFrame = true;
  w.iconic = true;  // minimised windows measure with the dialog frame
  EXPECT_EQ(ComputeButtonGeometry(w, m, 0).imageY, m.cyDlgFrame + 2);
}

TEST(CaptionHitTest, OnlyInsideTheButtonColumnsAndAboveTheClientArea) {
  const Rect r{100, 5, 116, 13};
  EXPECT_FALSE(CaptionButtonHit(r, 100, -5));
  EXPECT_TRUE(CaptionButtonHit(r, 101, -5));
  EXPECT_TRUE(CaptionButtonHit(r, 117, -5));
  EXPECT_FALSE(CaptionButtonHit(r, 118, -5));
  EXPECT_FALSE(CaptionButtonHit(r, 110, 0));
}

TEST(CaptionHitTest, CaptionBandUsesUnsignedWords) {
  CaptionMetrics m;
  CaptionWindow w;
  auto lp = [](int x, int y) {
    return static_cast<std::uint32_t>((static_cast<std::uint16_t>(y) << 16) |
                                      static_cast<std::uint16_t>(x));
  };
  EXPECT_FALSE(PointerLeftCaptionBand(lp(10, -1), w, m));
  EXPECT_FALSE(PointerLeftCaptionBand(lp(10, -m.cyCaption), w, m));
  EXPECT_TRUE(PointerLeftCaptionBand(lp(10, 0), w, m));
  EXPECT_TRUE(PointerLeftCaptionBand(lp(10, 40), w, m));
  w.hasMenu = true;  // the menu bar belongs to the band
  EXPECT_FALSE(PointerLeftCaptionBand(lp(10, -m.cyCaption - m.cyMenu), w, m));
}

TEST(CaptionTooltip, HotAreaAndMenuBarShift) {
  CaptionMetrics m;
  CaptionWindow w;
  const Rect b{100, 5, 116, 13};
  EXPECT_EQ(TooltipHotArea(b, true, w, m), (Rect{101, -m.cyCaption, 117, 0}));
  EXPECT_EQ(TooltipHotArea(b, false, w, m), Rect{});
  w.hasMenu = true;
  EXPECT_EQ(TooltipHotArea(b, true, w, m), (Rect{101, -m.cyCaption - m.cyMenu, 117, -m.cyMenu}));
  w.toolWindow = true;
  EXPECT_EQ(TooltipHotArea(b, true, w, m).top, -m.cySmCaption - m.cyMenu);
  EXPECT_EQ(PopupMenuAnchor(b, true, m).y, -m.cyMenu - 2);
  EXPECT_EQ(PopupMenuAnchor(b, false, m).x, 102);
}

TEST(ButtonOrder, StableExchangeSort) {
  struct B {
    char name;
    int order;
  };
  std::vector<B> v{{'a', 2}, {'b', -1}, {'c', 0}, {'d', 2}, {'e', 1}};
  EXPECT_TRUE(SortByStoredOrder(v, [](const B& b) { return b.order; }));
  std::string names;
  for (auto& b : v) names += b.name;
  EXPECT_EQ(names, "bcead");  // equal orders keep their creation order
  EXPECT_FALSE(SortByStoredOrder(v, [](const B& b) { return b.order; }));
  std::vector<B> one{{'x', 5}};
  EXPECT_FALSE(SortByStoredOrder(one, [](const B& b) { return b.order; }));
}

TEST(ButtonOrder, MoveClampsAndIgnoresUnplacedButtons) {
  std::vector<int> v{0, 1, 2, 3};
  EXPECT_TRUE(MoveToOrder(v, 0, 99));
  EXPECT_EQ(v, (std::vector<int>{1, 2, 3, 0}));
  EXPECT_TRUE(MoveToOrder(v, 3, -4));
  EXPECT_EQ(v, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(MoveToOrder(v, 2, 2));
  EXPECT_FALSE(MoveToOrder(v, -1, 0));
}

}  // namespace
}  // namespace hopvox
