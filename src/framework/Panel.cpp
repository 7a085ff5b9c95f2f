#include "framework/Panel.h"

namespace hopvox {

TPanel::TPanel(TWindow* parent, int left, int top, int width, int height, TBevel outer) {
  Create(parent, left, top, width, height, outer);
}

void TPanel::Create(TWindow* parent, int left, int top, int width, int height, TBevel outer) {
  bevelOuter_ = outer;
  CreateOwn("HopvoxPanel", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
            parent, left, top, width, height);
}

void TPanel::PaintBackground(HDC dc) {
  TWindow::PaintBackground(dc);
  if (bevelOuter_ == TBevel::bvNone) return;
  RECT rc = ClientRect();
  DrawEdge(dc, &rc, bevelOuter_ == TBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace hopvox
