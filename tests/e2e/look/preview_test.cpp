// The logo's open dialog previews the file selected in its list: fitted into
// the pane, at its own size when small, and a blank pane for a file that is
// no picture. Each entry of its type list lists the files of its own type.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/FileDialog.h"

using e2e::HopvoxRun;

namespace {

constexpr int kLogoX = 204 + 85, kLogoY = 171 + 87;
constexpr int kPreviewPane = 0x1100;
constexpr unsigned kGreen = 0x00C800;

bool IsGreen(unsigned rgb) { return rgb == kGreen; }

// How many pixels of the middle row and of the middle column show the picture.
struct Extent {
  int across = 0, down = 0;
};
Extent GreenExtent(const e2e::TClientPixels& p) {
  Extent e;
  for (int x = 0; x < p.width; ++x) e.across += IsGreen(p.At(x, p.height / 2));
  for (int y = 0; y < p.height; ++y) e.down += IsGreen(p.At(p.width / 2, y));
  return e;
}

bool Blank(const e2e::TClientPixels& p) {
  const unsigned background = GetSysColor(COLOR_WINDOW);
  const unsigned rgb =
      (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  return !p.rgb.empty() &&
         std::all_of(p.rgb.begin(), p.rgb.end(), [&](unsigned c) { return c == rgb; });
}

// The file list's names in name order, once it shows `expected` (or, when it
// never does, as the wait left it).
std::vector<std::string> ListedOnce(const HopvoxRun& run, HWND dialog,
                                    const std::vector<std::string>& expected) {
  std::vector<std::string> names;
  e2e::WaitFor(
      [&] {
        names = e2e::FileListNames(run, dialog);
        std::sort(names.begin(), names.end());
        return names == expected;
      },
      std::chrono::seconds(5));
  return names;
}

}  // namespace

TEST(PicturePreview,
     TheSelectedFileShowsFittedANonPictureLeavesThePaneBlankAndEachTypeListsItsFiles) {
  HopvoxRun run("look_preview");
  run.WriteFile("broken.jpg", "not a picture at all");
  run.WriteFile("small.bmp", e2e::BitmapFileOf(20, 10, kGreen));
  run.WriteFile("wide.bmp", e2e::BitmapFileOf(600, 300, kGreen));
  // One file of each other type, named to sort between the first and the
  // last above, and one of no picture type.
  for (const char* name : {"logo.jpeg", "logo.ico", "logo.emf", "logo.wmf", "notes.txt"})
    run.WriteFile(name, "x");
  // The dialog opens in the stored logo's folder, not where it was last used;
  // a logo that is gone since selects nothing there.
  run.WriteFile("Hopvox.ini", "[Hopvox logo]\r\nlogo=" + run.PathOf("gone.bmp") + "\r\n");
  run.Start();
  run.ClickAt(kLogoX, kLogoY);
  const HWND dialog = run.WaitForWindow("Browse for an image");
  ASSERT_TRUE(dialog);
  const HWND pane = e2e::DialogItem(dialog, kPreviewPane);
  ASSERT_TRUE(pane);
  EXPECT_TRUE(IsWindowVisible(pane));
  EXPECT_TRUE(e2e::WaitFor([&] { return Blank(e2e::ClientPixels(pane)); }))
      << "nothing is selected yet";
  ASSERT_TRUE(e2e::FocusFileList(run, dialog));

  // Larger than the pane: shrunk to its width, half as high.
  ASSERT_EQ(e2e::SelectInFileList(run, dialog, VK_END), "wide.bmp");
  e2e::TClientPixels shown;
  ASSERT_TRUE(
      e2e::WaitFor([&] { return GreenExtent(shown = e2e::ClientPixels(pane)).across > 0; }));
  ASSERT_LT(shown.width, 600);
  Extent e = GreenExtent(shown);
  EXPECT_EQ(e.across, shown.width);
  EXPECT_NEAR(e.down, shown.width / 2, 1);
  EXPECT_FALSE(IsGreen(shown.At(shown.width / 2, 0)));

  // Smaller than the pane: its own size, centred.
  ASSERT_EQ(e2e::SelectInFileList(run, dialog, VK_UP), "small.bmp");
  ASSERT_TRUE(
      e2e::WaitFor([&] { return GreenExtent(shown = e2e::ClientPixels(pane)).across == 20; }));
  e = GreenExtent(shown);
  EXPECT_EQ(e.down, 10);
  EXPECT_TRUE(IsGreen(shown.At(shown.width / 2 - 10, shown.height / 2)));
  EXPECT_TRUE(IsGreen(shown.At(shown.width / 2 + 9, shown.height / 2)));

  // Not a picture: the pane goes blank again.
  ASSERT_EQ(e2e::SelectInFileList(run, dialog, VK_HOME), "broken.jpg");
  EXPECT_TRUE(e2e::WaitFor([&] { return Blank(e2e::ClientPixels(pane)); }));

  // Each type lists its own files, in turn and back to all of them.
  const std::vector<std::pair<int, std::vector<std::string>>> types = {
      {1, {"logo.jpeg"}},
      {2, {"broken.jpg"}},
      {3, {"small.bmp", "wide.bmp"}},
      {4, {"logo.ico"}},
      {5, {"logo.emf"}},
      {6, {"logo.wmf"}},
      {0,
       {"broken.jpg", "logo.emf", "logo.ico", "logo.jpeg", "logo.wmf", "small.bmp", "wide.bmp"}}};
  for (const auto& [index, files] : types) {
    e2e::ChooseFileType(dialog, index);
    EXPECT_EQ(ListedOnce(run, dialog, files), files) << "type " << index;
  }

  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(dialog); }));
}
