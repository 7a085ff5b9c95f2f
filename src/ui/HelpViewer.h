#pragma once
// The help window: the help text in a read-only, scrollable text box. The
// text comes from the help file beside the program, or from the copy built
// into it when that file is missing.
#include <string>
#include <string_view>

#include "framework/Form.h"

namespace hopvox {

class THelpViewer : public TForm {
 public:
  explicit THelpViewer(const std::string& helpFile);
  // The text shown (line ends as Windows text boxes want them).
  std::string Text() const;
  // Scrolls the section titled `title` to the top (as far as the text
  // allows); the top of the help when there is no such section.
  void ShowSection(std::string_view title);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND text_ = nullptr;
};

// The built-in copy of the help.
std::string BuiltInHelpText();

}  // namespace hopvox
