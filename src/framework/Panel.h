#pragma once
#include "framework/Window.h"

namespace hopvox {

enum class TBevel { bvNone, bvLowered, bvRaised };

// A container with an optional bevel; also the surface the pointer parks the
// focus on, so it accepts the keyboard focus.
class TPanel : public TWindow {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};
    TBevel outer = TBevel::bvRaised;
  };
  explicit TPanel(const Args& args);
  TPanel() = default;

 protected:
  void Create(TWindow* parent, const TBounds& bounds, TBevel outer);
  void PaintBackground(HDC dc) override;
  TBevel bevelOuter_ = TBevel::bvRaised;
};

}  // namespace hopvox
