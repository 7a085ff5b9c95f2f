#pragma once
#include "framework/Window.h"

namespace hopvox {

enum class TBevel { bvNone, bvLowered, bvRaised };

// A container with an optional bevel; also the surface the pointer parks the
// focus on, so it accepts the keyboard focus.
class TPanel : public TWindow {
 public:
  TPanel(TWindow* parent, int left, int top, int width, int height,
         TBevel outer = TBevel::bvRaised);
  TPanel() = default;

 protected:
  void Create(TWindow* parent, int left, int top, int width, int height, TBevel outer);
  void PaintBackground(HDC dc) override;
  TBevel bevelOuter_ = TBevel::bvRaised;
};

}  // namespace hopvox
