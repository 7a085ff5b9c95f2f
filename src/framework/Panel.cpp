#include "framework/Panel.h"

namespace hopvox {

TPanel::TPanel(const Args& a) { Create(a.parent, a.bounds, a.outer); }

void TPanel::Create(TWindow* parent, const TBounds& bounds, TBevel outer) {
  bevelOuter_ = outer;
  CreateOwn("HopvoxPanel", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, parent,
            bounds.left, bounds.top, bounds.width, bounds.height);
}

void TPanel::PaintBackground(HDC dc) {
  TWindow::PaintBackground(dc);
  if (bevelOuter_ == TBevel::bvNone) return;
  RECT rc = ClientRect();
  DrawEdge(dc, &rc, bevelOuter_ == TBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace hopvox
