// A lamp as it comes new, before the window definition styles it.
#include <gtest/gtest.h>

#include "Render.h"
#include "widgets/VrLeds.h"

namespace hopvox {
namespace {

using test::Snapshot;
using test::Sys;

TEST(NewLamp, TwentyByTenMaroonOffRedOn) {
  test::Host host;
  TVrUserLed led;
  EXPECT_EQ(led.Width(), 20);
  EXPECT_EQ(led.Height(), 10);
  EXPECT_FALSE(led.Active());
  EXPECT_EQ(led.OutlineColor(), clBlack);
  EXPECT_EQ(led.OutlineWidth(), 0);
  EXPECT_EQ(led.DrawStyle(), TVrDrawStyle::dsNormal);
  TVrBevel::Fields lamp;
  lamp.InnerStyle = TVrBevelStyle::bsNone;
  lamp.InnerShadow = clGreen;
  lamp.InnerHighlight = clLime;
  EXPECT_TRUE(led.Bevel().Get() == lamp) << "the family's bevel with the lamp's inner set";
  EXPECT_EQ(led.PaletteEx().Low1(), clMaroon);
  EXPECT_EQ(led.PaletteEx().Low2(), clBlack);
  EXPECT_EQ(led.PaletteEx().High1(), clRed);
  EXPECT_EQ(led.PaletteEx().High2(), clBlack);

  // Black outline, raised edge, one pixel of face: a 14 x 4 gradient at (3, 3).
  led.SetParent(&host);
  auto expectFace = [&](unsigned top) {
    Snapshot s(host.Handle());
    EXPECT_EQ(s.At(0, 0), clBlack);
    EXPECT_EQ(s.At(19, 9), clBlack);
    EXPECT_EQ(s.At(1, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(s.At(18, 8), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(s.At(2, 7), Sys(COLOR_BTNFACE));
    for (int row = 0; row < 4; ++row) {
      const TColor red = Rgb(top - row * top / 4, 0, 0);
      EXPECT_EQ(s.At(3, 3 + row), red) << "row " << row;
      EXPECT_EQ(s.At(16, 3 + row), red) << "row " << row;
    }
    EXPECT_EQ(s.At(20, 5), Sys(COLOR_BTNFACE)) << "beside the lamp";
  };
  expectFace(128);
  led.SetActive(true);
  expectFace(255);
}

}  // namespace
}  // namespace hopvox
