#pragma once
// The system's open-file dialog with a preview pane beside the file list: the
// file selected in the list is loaded through TPicture and shown shrunk to the
// pane when larger; a file that is no picture leaves the pane blank.
#include <windows.h>

#include <string>

#include "framework/Picture.h"

namespace hopvox {

class TOpenPictureDialog {
 public:
  // Control id of the preview pane within the dialog's added part.
  static constexpr int kPreviewId = 0x1100;

  std::string Title;
  // "name|pattern|name|pattern", as the filter property of the window definition.
  std::string Filter;
  // The file chosen; on entry it also names the folder and file to start with.
  std::string FileName;

  // Runs the dialog modally; false when the user cancels.
  bool Execute(HWND owner);

 private:
  static UINT_PTR CALLBACK Hook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
  void SelectionChanged(HWND dlg);
  void DrawPreview(const DRAWITEMSTRUCT& item) const;

  TPicture preview_;
};

}  // namespace hopvox
