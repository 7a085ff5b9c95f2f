#include <gtest/gtest.h>

#include <array>
#include <map>

#include "services/logic/DikToVk.h"
#include "services/logic/KeyStates.h"

namespace hopvox {
namespace {

// The mapping written out key by key, independently of the table's code.
const std::map<int, int> kExpected = {
    {1, 27},    {2, 49},   {3, 50},   {4, 51},   {5, 52},   {6, 53},   {7, 54},   {8, 55},
    {9, 56},    {10, 57},  {11, 48},  {12, 189}, {13, 187}, {14, 8},   {15, 9},   {16, 81},
    {17, 87},   {18, 69},  {19, 82},  {20, 84},  {21, 89},  {22, 85},  {23, 73},  {24, 79},
    {25, 80},   {26, 219}, {27, 221}, {28, 13},  {29, 17},  {30, 65},  {31, 83},  {32, 68},
    {33, 70},   {34, 71},  {35, 72},  {36, 74},  {37, 75},  {38, 76},  {39, 186}, {40, 222},
    {41, 192},  {42, 16},  {43, 220}, {44, 90},  {45, 88},  {46, 67},  {47, 86},  {48, 66},
    {49, 78},   {50, 77},  {51, 188}, {52, 190}, {53, 191}, {54, 16},  {55, 106}, {56, 18},
    {57, 32},   {58, 20},  {59, 112}, {60, 113}, {61, 114}, {62, 115}, {63, 116}, {64, 117},
    {65, 118},  {66, 119}, {67, 120}, {68, 121}, {69, 144}, {70, 145}, {71, 103}, {72, 104},
    {73, 105},  {74, 109}, {75, 100}, {76, 101}, {77, 102}, {78, 107}, {79, 97},  {80, 98},
    {81, 99},   {82, 96},  {83, 110}, {86, 226}, {87, 122}, {88, 123}, {156, 13}, {157, 17},
    {181, 111}, {184, 18}, {199, 36}, {200, 38}, {201, 33}, {203, 37}, {205, 39}, {207, 35},
    {208, 40},  {209, 34}, {210, 45}, {211, 46}, {219, 91}, {220, 92}, {221, 93},
};

TEST(DikToVk, EveryScanCodeMapsAsListedAndTheRestToZero) {
  for (int scan = 0; scan < 256; ++scan) {
    const auto it = kExpected.find(scan);
    EXPECT_EQ(DikToVk(scan), it == kExpected.end() ? 0 : it->second) << "scan code " << scan;
  }
  EXPECT_EQ(DikToVk(-1), 0);
  EXPECT_EQ(DikToVk(256), 0);
}

TEST(DikToVk, TheLayoutNamesTheKeysItKnowsOutsideTheModifiersAndTheKeypad) {
  std::array<std::uint8_t, kLayoutScanCodes> layout;
  layout.fill(200);
  layout[12] = 0;  // a key this layout gives no code
  const auto toVk = DikToVkFor(layout);
  for (int scan : {1, 2, 16, 21, 30, 44, 50, 52, 58, 59, 70, 86, 87, 112, 115, 125, 127})
    EXPECT_EQ(toVk[scan], 200) << "scan code " << scan;
  for (int scan : {0, 12, 29, 42, 54, 55, 56, 69, 71, 74, 78, 82, 83, 128, 156, 157, 184, 211})
    EXPECT_EQ(toVk[scan], DikToVk(scan)) << "scan code " << scan;
}

TEST(KeyStates, ASnapshotHoldsOnlyMappedKeysAndOnlyCodesOneTo255) {
  std::uint8_t scan[256] = {};
  scan[157] = scan[52] = scan[84] = 0x80;  // right Ctrl, full stop, an unlisted key
  TKeyStates k;
  k.SetDown(65);  // from an earlier snapshot
  k.Clear();
  k.SetFromScanCodes(scan, DikToVkTable());
  for (int code = -1; code <= 256; ++code)
    EXPECT_EQ(k.Down(code), code == 17 || code == 190) << code;
  EXPECT_EQ(k.Raw()[0], 0);  // the unlisted key landed nowhere

  for (int c = -1; c <= 256; ++c) k.SetDown(c);
  EXPECT_FALSE(k.Down(0));
  EXPECT_FALSE(k.Down(0x2031));  // "1" with the Shift bit of a hot-key value
  EXPECT_TRUE(k.Down(255));
}

// AltGr held with the other Alt or the right Ctrl: those still count.
TEST(KeyStates, AltGrLeavesTheOtherAltAndTheRightCtrl) {
  struct Case {
    TKeyStates::TSides held;
    bool alt, ctrl;
  };
  for (const Case& c :
       {Case{{true, false, false, true}, false, false},
        Case{{true, false, true, true}, true, false}, Case{{true, true, false, true}, false, true},
        Case{{true, false, true, false}, true, true}}) {
    TKeyStates k;
    for (int code : {17, 18, 162, 163, 164, 165}) k.SetDown(code);
    k.TakeOutAltGr(c.held);
    EXPECT_EQ(k.Down(18), c.alt);
    EXPECT_EQ(k.Down(17), c.ctrl);
    EXPECT_EQ(k.Down(165), !c.held.rightAlt);
  }
}

}  // namespace
}  // namespace hopvox
