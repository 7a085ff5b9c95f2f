#pragma once
// A windowless control: it has bounds on its parent's surface, is painted by
// the parent and gets the parent's mouse messages over its area.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Window.h"

namespace hopvox {

// Hands a mouse message of a window with graphic children to the hint window.
void RelayHintEvent(HWND window, UINT msg, WPARAM wp, LPARAM lp);

class TGraphicControl {
 public:
  TGraphicControl() = default;
  virtual ~TGraphicControl();
  TGraphicControl(const TGraphicControl&) = delete;
  TGraphicControl& operator=(const TGraphicControl&) = delete;

  // Name from the window definition ("lednumber"), as TWindow's.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  TWindow* Parent() const { return parent_; }
  void SetParent(TWindow* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBounds(int left, int top, int width, int height);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  HCURSOR Cursor() const { return cursor_; }
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  // Shown through the application's hint window while the pointer rests on
  // the control, like the hint of a windowed control.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // Its own font, or its parent's when it has none.
  HFONT Font() const { return font_ ? font_ : parent_ ? parent_->Font() : nullptr; }
  void SetFont(HFONT font);
  // The parent's font changed; a control drawing with it lays itself out again.
  void ParentFontChanged();

  // Asks the parent to repaint this control's area.
  void Invalidate();
  // Paints with the DC origin at the control's top-left corner.
  virtual void Paint(HDC dc) = 0;
  // True when the point (control coordinates) belongs to the control.
  virtual bool HitTest(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The system colours changed; controls that derive their look from them rebuild it.
  virtual void SysColorChanged() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void Click();

  std::function<void()> OnClick;
  std::function<void(TMouseButton, TShiftState, int, int)> OnMouseDown;
  std::function<void(TShiftState, int, int)> OnMouseMove;
  std::function<void(TMouseButton, TShiftState, int, int)> OnMouseUp;

 protected:
  // Called after the bounds changed.
  virtual void Resized() {}
  // Called when the font it draws with changed.
  virtual void FontChanged() {}

 private:
  // Keeps the control's tool in the hint window in step with its hint,
  // bounds, visibility and parent.
  void UpdateHintTool();
  void RemoveHintTool();

 private:
  std::string name_;
  TWindow* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool pressed_ = false;
  HCURSOR cursor_ = nullptr;
  HFONT font_ = nullptr;
  std::string hint_;
  HWND hintToolWindow_ = nullptr;  // the parent window the tool was added for
};

}  // namespace hopvox
