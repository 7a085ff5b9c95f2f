// The window's fonts as the controls really draw with them: the window font
// reaches every control down the tree unless the control has its own.
#include <gtest/gtest.h>

#include <set>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

std::string Font(const std::string& face, int weight = 400) {
  return face + "|" + std::to_string(e2e::FontHeight(8)) + "|" + std::to_string(weight);
}

// The faces the window definition gives; everything else draws with the
// window's own font.
std::string ExpectedFont(const std::string& control) {
  if (control.rfind("ipbox", 0) == 0 || control == "ListBox") return Font("Comic Sans MS");
  static const std::set<std::string> addressPages = {"PageControl2", "TabSheet4", "TabSheet5",
                                                     "TabSheet6", "tabsheet11"};
  if (addressPages.count(control)) return Font("Arial");
  if (control == "Label28" || control == "Label30") return Font("Arial", 700);
  return Font("Trebuchet MS");
}

}  // namespace

TEST(Fonts, EveryControlDrawsWithTheWindowFontOrItsOwn) {
  HopvoxRun run("look_fonts");
  run.Start();
  const std::vector<std::string> controls = e2e::NamedControls(run);
  // Panels, pages, fold-panel clients and the radio group's own buttons all
  // lie between the window and some of these.
  ASSERT_GT(controls.size(), 80u);
  for (const std::string& c : controls) {
    if (c == "timerbar") continue;  // draws no text and keeps no font
    EXPECT_EQ(e2e::FontOf(run, c), ExpectedFont(c)) << c;
  }
}

TEST(Fonts, WindowlessControlsDrawWithTheirParentsFont) {
  HopvoxRun run("look_label_fonts");
  run.Start();
  for (const char* label : {"Label12", "Label17", "Label15", "Label25", "Label20", "Label18",
                            "Label19", "Label31", "Label21", "Label29", "Label28", "Label30"})
    EXPECT_EQ(e2e::FontOf(run, label), ExpectedFont(label)) << label;
}
