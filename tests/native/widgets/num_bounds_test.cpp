#include <gtest/gtest.h>

#include "widgets/logic/VrNumModel.h"

namespace hopvox {
namespace {

TEST(VrNumBounds, NewDisplayDefaults) {
  TVrNumModel m;
  EXPECT_EQ(m.Value(), 0);
  EXPECT_EQ(m.Digits(), 4);
  EXPECT_EQ(m.Min(), 0);
  EXPECT_EQ(m.Max(), 9999);
  EXPECT_EQ(m.Spacing(), 2);
  EXPECT_EQ(m.Style(), TVrNumStyle::ns13x24);
  EXPECT_FALSE(m.LeadingZero());
  EXPECT_FALSE(m.ZeroBlank());
  EXPECT_FALSE(m.Signed());
  EXPECT_EQ(m.Alignment(), TVrNumAlignment::naCenter);
  m.SetValue(12345, nullptr);
  EXPECT_EQ(m.Value(), 9999);
}

// Moving a bound leaves the shown value alone, even outside the new range;
// only the next assignment is clamped.
TEST(VrNumBounds, MovingABoundDoesNotReclampTheValue) {
  TVrNumModel m;
  m.SetDigits(3);
  m.SetValue(200, nullptr);
  int changes = 0;
  m.OnChange = [&] { ++changes; };
  EXPECT_EQ(m.SetMax(100), NumEffect::Refresh);
  EXPECT_EQ(m.Value(), 200);
  EXPECT_EQ(m.Text(), "200");
  EXPECT_EQ(m.SetMin(50), NumEffect::Refresh);
  m.SetMax(300);
  EXPECT_EQ(m.SetMin(250), NumEffect::Refresh);
  EXPECT_EQ(m.Value(), 200);
  EXPECT_EQ(changes, 0) << "no value change, no OnChange";
  m.SetValue(200, nullptr);
  EXPECT_EQ(m.Value(), 250) << "the next assignment is clamped";
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace hopvox
