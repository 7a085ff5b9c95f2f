#pragma once
// Title-bar button that rolls its window up to the title bar and back down,
// shrinking or growing the client area in steps.
#include <cstdint>
#include <functional>
#include <string>

#include "chrome/CaptionButton.h"

namespace hopvox {

class TFormRoller;
using TFormRollerChangedEvent = std::function<void(TFormRoller& sender, bool rollUp)>;

class TFormRoller : public TCustomCaptionButton {
 public:
  explicit TFormRoller(TWindow& owner) : TFormRoller([&owner] { return owner.Handle(); }) {}
  explicit TFormRoller(OwnerHandle owner);
  ~TFormRoller() override;

  TACaptionButton& CaptionButton() { return captionButton_; }

  bool Animate() const { return animate_; }
  void SetAnimate(bool v) { animate_ = v; }
  std::uint8_t AnimateSpeed() const { return animateSpeed_; }
  void SetAnimateSpeed(std::uint8_t v) { animateSpeed_ = v > 10 ? 10 : v; }
  // The button's hint and system-menu caption while unrolled, and while rolled up.
  const std::string& HintRollUp() const { return hintRollUp_; }
  void SetHintRollUp(const std::string& v);
  const std::string& HintRollDown() const { return hintRollDown_; }
  void SetHintRollDown(const std::string& v);
  // Client height left showing below the title bar when rolled up.
  std::uint16_t RemainHeight() const { return remainHeight_; }
  void SetRemainHeight(std::uint16_t v);
  bool RollUp() const { return rollUp_; }
  void SetRollUp(bool v);
  bool Busy() const { return busy_; }

  TFormRollerChangedEvent OnRollerChanged;

  // Height from the window's top edge that stays visible when rolled up.
  int RolledHeightNow() const;

  void AfterMessage(TcbMessage& m) override;
  void Rehooked() override;

 protected:
  void Click() override;

 private:
  void SetRolledRegion();
  void ShowRollHint();
  void SetClientHeight(int h);
  int ClientHeight() const;
  void PaintRolledEdge();

  bool animate_ = true;
  std::uint8_t animateSpeed_ = 8;
  std::string hintRollUp_ = "Roll up";
  std::string hintRollDown_ = "Roll down";
  std::uint16_t remainHeight_ = 0;
  bool rollUp_ = false;
  bool busy_ = false;
  int savedClientHeight_ = 0;
  UniqueBitmap rollUpGlyph_, rollDownGlyph_;
};

}  // namespace hopvox
