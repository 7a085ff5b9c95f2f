#include "widgets/VrLcd.h"

namespace hopvox {

TVrCustomNum::TVrCustomNum() {
  SetBounds(0, 0, 100, 26);
  model_.OnChange = [this] {
    if (OnChange) OnChange();
  };
  palette_.OnChange = [this] { LoadStrip(); };
  LoadStrip();
}

void TVrCustomNum::SetValue(std::int32_t v) {
  model_.SetValue(v, [this] { UpdateControlCanvas(); });
}

void TVrCustomNum::Apply(NumEffect e) {
  switch (e) {
    case NumEffect::None:
      break;
    case NumEffect::Refresh:
      UpdateControlCanvas();
      break;
    case NumEffect::AdjustSize:
      AdjustControlSize();
      break;
    case NumEffect::LoadStrip:
      LoadStrip();
      break;
  }
}

void TVrCustomNum::LoadStrip() {
  strip_ = LoadResourceBitmap(StripOf(model_.Style()).ResourceName);
  // Grey marks the unlit segments, silver the lit ones.
  ReplaceColors(strip_.get(), {{RGB(128, 128, 128), ToColorRef(palette_.Low())},
                               {RGB(192, 192, 192), ToColorRef(palette_.High())}});
  SIZE size = BitmapSize(strip_.get());
  cellWidth_ = size.cx / kStripCells;
  cellHeight_ = size.cy;
  AdjustControlSize();
}

SIZE TVrCustomNum::ContentSize() const { return {model_.ContentWidth(cellWidth_), cellHeight_}; }

void TVrCustomNum::PaintImage() {
  PrepareBuffer();
  for (const NumCell& c : model_.Layout(cellWidth_, cellHeight_, Width(), Height()))
    DrawTransparent(BufferDC(), c.X, c.Y, cellWidth_, cellHeight_, strip_.get(),
                    c.Cell * cellWidth_, 0, RGB(0, 0, 0));
  FlushBuffer();
}

}  // namespace hopvox
