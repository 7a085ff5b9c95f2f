#pragma once
// The program's open-file dialog as a user works it: the file list, the file
// name box and the panes the program adds, whose pixels are read off the screen.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/Driver.h"

namespace e2e {

// A control anywhere inside the dialog, also in the part the program adds.
HWND DialogItem(HWND dialog, int id);
// The file name box (an edit inside the cmb13 combo, or edt1 in older layouts).
HWND FileNameBox(HWND dialog);
// Clicks the empty end of the file list, so it has the focus and nothing is
// selected; false when the dialog has no file list.
bool FocusFileList(const HopvoxRun& run, HWND dialog);
// Presses `key` (VK_HOME, VK_DOWN, ...) in the focused file list. Returns the
// file name box's text once it changed: the name of the file now selected.
std::string SelectInFileList(const HopvoxRun& run, HWND dialog, WORD key);
// Chooses entry `index` of the "files of type" list, as a pick from its
// drop-down does.
void ChooseFileType(HWND dialog, int index);
// The names the file list shows now, in its order.
std::vector<std::string> FileListNames(const HopvoxRun& run, HWND dialog);

// Screen colours of a window's client area, row by row, as 0xRRGGBB.
struct TClientPixels {
  int width = 0, height = 0;
  std::vector<unsigned> rgb;
  unsigned At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};
TClientPixels ClientPixels(HWND window);

// A 24-bit bitmap file of one colour (0xRRGGBB).
std::string BitmapFileOf(int width, int height, unsigned rgb);

}  // namespace e2e
