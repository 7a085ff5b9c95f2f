#pragma once
// Where a picture goes in a preview pane: at its own size when it fits,
// otherwise shrunk to fit with its proportions kept; centred either way. A
// small picture is not blown up, so the preview shows it as the logo will.
namespace hopvox {

struct TPlacement {
  int left = 0, top = 0, width = 0, height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// Empty when the picture or the pane has no area.
TPlacement FitIntoPane(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight);

}  // namespace hopvox
