#pragma once
// Title-bar toggle that keeps its window above all others while down, with
// a checked system-menu entry that follows the window's real state.
#include <functional>

#include "chrome/CaptionButton.h"

namespace hopvox {

class TFormTopmost;
using TFormTopmostChangedEvent = std::function<void(TFormTopmost& sender, bool topmost)>;

class TFormTopmost : public TCustomCaptionButton {
 public:
  explicit TFormTopmost(TWindow& owner) : TFormTopmost([&owner] { return owner.Handle(); }) {}
  explicit TFormTopmost(OwnerHandle owner);

  TACaptionButton& CaptionButton() { return captionButton_; }
  TFormTopmostChangedEvent OnTopmostChanged;

  void Loaded() override;
  void AfterMessage(TcbMessage& m) override;

 protected:
  void Click() override;

 private:
  UniqueBitmap up_, down_;
};

}  // namespace hopvox
