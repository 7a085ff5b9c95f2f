#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chrome/logic/RollSteps.h"
#include "chrome/logic/SystemMenuPlan.h"
#include "chrome/logic/TrayRecord.h"

namespace hopvox {
namespace {

TEST(RollSteps, RollUpAndDownAtSpeedEight) {
  EXPECT_EQ(RollUpHeights(300, 0, 8),
            (std::vector<int>{300, 267, 234, 201, 168, 135, 102, 69, 36, 3, 0}));
  std::vector<int> down;
  for (int h = 0; h < 300; h += 33) down.push_back(h);
  down.push_back(300);
  EXPECT_EQ(UnrollHeights(300, 0, 8), down);
}

TEST(RollSteps, StepCountsAndMinimumStep) {
  EXPECT_EQ(RollStepCount(10), 3);
  EXPECT_EQ(RollStepCount(0), 33);
  EXPECT_EQ(RollStepCount(8), 9);
  // 300 / 3 = 100 per step.
  EXPECT_EQ(RollUpHeights(300, 0, 10), (std::vector<int>{300, 200, 100, 0}));
  // 20 / 33 rounds to 0; the step is never below 2.
  const auto small = RollUpHeights(20, 0, 0);
  ASSERT_FALSE(small.empty());
  for (std::size_t i = 1; i < small.size(); ++i) EXPECT_GE(small[i - 1] - small[i], 1);
  EXPECT_EQ(small.size(), 11u);  // 20, 18, ..., 2, 0
  EXPECT_EQ(small.back(), 0);
}

TEST(RollSteps, RemainHeightBoundsBothWays) {
  const auto up = RollUpHeights(100, 40, 8);  // step 11
  EXPECT_EQ(up.front(), 100);
  EXPECT_EQ(up.back(), 40);
  const auto down = UnrollHeights(100, 40, 8);
  EXPECT_EQ(down.front(), 40);
  EXPECT_EQ(down.back(), 100);
  // A saved height below the remain height unrolls to the remain height.
  EXPECT_EQ(UnrollHeights(10, 40, 8).back(), 40);
}

TEST(RollSteps, RolledHeightAndSizingCodes) {
  EXPECT_EQ(RolledHeight(19, 3, 4, true, 0), 25);
  EXPECT_EQ(RolledHeight(19, 3, 4, false, 5), 31);
  for (int code = 10; code <= 17; ++code) EXPECT_EQ(RolledHitTest(code), 18) << code;
  EXPECT_EQ(RolledHitTest(2), 2);  // caption still moves the window
  EXPECT_EQ(RolledHitTest(9), 9);
  EXPECT_EQ(RolledHitTest(20), 20);
}

std::string Text(const TrayRecord& r, int offset, int size) {
  std::string s(reinterpret_cast<const char*>(r.data() + offset), size);
  return s.substr(0, s.find('\0'));
}

TrayRecordInput HopvoxTray() {
  TrayRecordInput in;
  in.balloonWanted = true;
  in.win2kOrLater = true;
  in.window = 0x1234;
  in.icon = 0x5678;
  in.visible = true;
  in.hint = "Hopvox";
  in.balloonText = "Hopvox";
  in.balloonIcon = TWin2kInfoIcon::iiInfo;
  return in;
}

TEST(TrayRecord, BalloonRecordOnWindows2000) {
  const auto r = FillTrayRecord(HopvoxTray());
  EXPECT_EQ(ReadTrayU32(r, tray::kCbSize), 488u);
  EXPECT_EQ(ReadTrayU32(r, tray::kHwnd), 0x1234u);
  EXPECT_EQ(ReadTrayU32(r, tray::kId), 0u);
  EXPECT_EQ(ReadTrayU32(r, tray::kFlags), 1u | 2u | 4u | 0x10u);
  EXPECT_EQ(ReadTrayU32(r, tray::kCallback), 0x3A64u);
  EXPECT_EQ(ReadTrayU32(r, tray::kIcon), 0x5678u);
  EXPECT_EQ(Text(r, tray::kTip, 128), "Hopvox");
  EXPECT_EQ(Text(r, tray::kInfo, 256), "Hopvox");
  EXPECT_EQ(Text(r, tray::kInfoTitle, 64), "");
  EXPECT_EQ(ReadTrayU32(r, tray::kTimeout), 0u);
  EXPECT_EQ(ReadTrayU32(r, tray::kInfoFlags), 1u);
}

TEST(TrayRecord, OldSystemsAndPlainRequestsGetTheShortRecord) {
  auto in = HopvoxTray();
  in.win2kOrLater = false;
  auto r = FillTrayRecord(in);
  EXPECT_EQ(ReadTrayU32(r, tray::kCbSize), 88u);
  EXPECT_EQ(ReadTrayU32(r, tray::kFlags) & 0x10u, 0u);
  for (int i = 88; i < 488; ++i) ASSERT_EQ(r[i], 0) << i;  // nothing past the short form

  in = HopvoxTray();
  in.balloonWanted = false;  // modify or delete
  in.visible = false;
  r = FillTrayRecord(in);
  EXPECT_EQ(ReadTrayU32(r, tray::kCbSize), 88u);
  EXPECT_EQ(ReadTrayU32(r, tray::kFlags), 1u | 4u);
}

TEST(TrayRecord, TipZeroedWithoutShowHint) {
  auto in = HopvoxTray();
  in.showHint = false;
  const auto r = FillTrayRecord(in);
  for (int i = 0; i < 128; ++i) ASSERT_EQ(r[tray::kTip + i], 0) << i;
}

TEST(TrayRecord, LongTextsAreCutInsideTheirFields) {
  auto in = HopvoxTray();
  const std::string tip(300, 't'), info(600, 'i'), title(100, 'T');
  in.hint = tip;
  in.balloonText = info;
  in.balloonTitle = title;
  auto r = FillTrayRecord(in);
  EXPECT_EQ(Text(r, tray::kTip, 128), std::string(127, 't'));
  EXPECT_EQ(r[tray::kTip + 127], 0);
  EXPECT_EQ(Text(r, tray::kInfo, 256), std::string(255, 'i'));
  EXPECT_EQ(ReadTrayU32(r, tray::kTimeout), 0u);  // info did not spill into the timeout
  EXPECT_EQ(Text(r, tray::kInfoTitle, 64), std::string(63, 'T'));
  EXPECT_EQ(ReadTrayU32(r, tray::kInfoFlags), 1u);

  in.win2kOrLater = false;  // the short record has a 64-byte tip
  r = FillTrayRecord(in);
  EXPECT_EQ(Text(r, tray::kTip, 64), std::string(63, 't'));
  EXPECT_EQ(r[tray::kTip + 63], 0);
}

TEST(SystemMenuPlan, PositionsAndSeparators) {
  // Beyond count + 1: at the end.
  EXPECT_EQ(PlanSystemMenuEntry(7, 20, 5738, false, false),
            (std::vector<MenuInsertion>{{7, 5738, false}}));
  EXPECT_EQ(PlanSystemMenuEntry(7, 8, 5738, false, false).front().index, 8);
  // Separator before: same index, inserted after the entry so it ends up above it.
  EXPECT_EQ(PlanSystemMenuEntry(7, 7, 5736, true, false),
            (std::vector<MenuInsertion>{{7, 5736, false}, {7, 6736, true}}));
  // Both: separator, entry, separator.
  EXPECT_EQ(PlanSystemMenuEntry(7, 3, 100, true, true),
            (std::vector<MenuInsertion>{{3, 100, false}, {3, 1100, true}, {5, 2100, true}}));
  EXPECT_EQ(PlanSystemMenuEntry(7, 3, 100, false, true),
            (std::vector<MenuInsertion>{{3, 100, false}, {4, 2100, true}}));
  EXPECT_EQ(SystemMenuEntryIds(100, true, true), (std::vector<int>{100, 1100, 2100}));
  EXPECT_EQ(SystemMenuEntryIds(100, false, true), (std::vector<int>{100, 2100}));
}

}  // namespace
}  // namespace hopvox
