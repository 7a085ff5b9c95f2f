#pragma once
// Drawing bases of the widget family. TVrGraphicControl adds the refresh and
// loading rules; TVrGraphicImageControl draws through an off-screen buffer and
// can be transparent by keeping a copy of the parent's pixels beneath it.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "widgets/logic/Color.h"

namespace hopvox {

class TVrGraphicControl : public TGraphicControl {
 public:
  // Shown in the designer only; never stored.
  std::string Version() const { return "1.6"; }

  // While the window definition sets properties, refreshes are skipped;
  // EndLoad shows the loaded state.
  void BeginLoad() { loading_ = true; }
  void EndLoad();
  bool Loading() const { return loading_; }

  bool AutoSize() const { return autoSize_; }
  // Switching it on fits the bounds to the content at once.
  void SetAutoSize(bool on);

  // Repaints at once (unless loading).
  virtual void UpdateControlCanvas();
  // Lets the size follow the content when AutoSize is on, then refreshes.
  virtual void AdjustControlSize();
  // Applies the current bounds again, so a size rule can act.
  virtual void ReapplyBounds();

  void MouseEnter() override;
  void MouseLeave() override;

  // Private notifications of the family (none set by the program).
  std::function<void()> OnMouseEnterHook, OnMouseLeaveHook;

 protected:
  // Size the content asks for; (0, 0) to leave the bounds alone.
  virtual SIZE ContentSize() const { return {0, 0}; }

 private:
  bool loading_ = false;
  bool autoSize_ = false;
};

class TVrGraphicImageControl : public TVrGraphicControl {
 public:
  TVrGraphicImageControl();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  TColor Color() const { return color_; }
  void SetColor(TColor c);

  void UpdateControlCanvas() override;
  // The framework's paint entry: sets up the buffer and runs PaintImage.
  void Paint(HDC dc) final;

 protected:
  // Subclasses draw here: PrepareBuffer, draw into BufferDC, FlushBuffer.
  virtual void PaintImage() = 0;
  void PrepareBuffer();
  void FlushBuffer();
  HDC BufferDC() const { return bufferDC_.get(); }

 private:
  void SizeBuffer(HDC like);

  bool transparent_ = false;
  bool captureBackground_ = true;
  TColor color_ = clBlack;
  HDC canvas_ = nullptr;
  UniqueBitmap buffer_;  // declared first: the DC holding it goes first
  UniqueDC bufferDC_;
  HGDIOBJ bufferOld_ = nullptr;
  UniqueBitmap background_;
  SIZE bufferSize_{0, 0};
};

}  // namespace hopvox
