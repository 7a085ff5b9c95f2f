#pragma once
// A panel that folds to a bar and unfolds again by a glyph in its corner.
// Its child controls live in an inner client panel that is hidden while the
// panel is collapsed; the panel's own surface keeps the glyph, a separator
// line and, while collapsed, the caption.
#include <memory>
#include <string>

#include "framework/Panel.h"
#include "widgets/VrClasses.h"
#include "widgets/logic/FoldGeometry.h"

namespace hopvox {

// Panel painting with both bevels: outer bevel, border (BorderWidth pixels
// in Color), inner bevel, fill.
class TDFWPaneles : public TPanel {
 public:
  TDFWPaneles() = default;
  void CreatePanel(TWindow* parent, const TBounds& bounds);

  TPanelBevel BevelInner() const { return bevelInner_; }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevels(TPanelBevel inner, TPanelBevel outer, int width);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TColor Color() const { return color_; }
  void SetColor(TColor c);

 protected:
  void PaintBackground(HDC dc) override;

 private:
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TColor color_ = clBtnFace;
};

class TDFWFoldPanel;

// The inner client: placed beside the glyph band by its fold panel.
class TDFWFoldPanelClient : public TDFWPaneles {
 public:
  explicit TDFWFoldPanelClient(TDFWFoldPanel& owner);
  TDFWFoldPanel& FoldPanel() const { return owner_; }

 private:
  TDFWFoldPanel& owner_;
};

class TDFWFoldPanel : public TDFWPaneles {
 public:
  struct Args {
    TWindow* parent = nullptr;
    TBounds bounds{};  // expanded
  };
  explicit TDFWFoldPanel(const Args& args);
  ~TDFWFoldPanel() override;

  // Children go here; a window created directly on the panel is moved in.
  TDFWFoldPanelClient& Client() { return *client_; }

  TFoldStatus FoldStatus() const { return status_; }
  void SetFoldStatus(TFoldStatus s);
  bool Folding() const { return cfg_.Folding; }
  void SetFolding(bool on);
  TFoldOrientation Orientation() const { return cfg_.Orientation; }
  void SetOrientation(TFoldOrientation o);
  TFoldPosition FoldPosition() const { return cfg_.Position; }
  void SetFoldPosition(TFoldPosition p);
  TColor FoldActiveColor() const { return foldActiveColor_; }
  void SetFoldActiveColor(TColor c);
  bool Seperated() const { return cfg_.Seperated; }
  void SetSeperated(bool on);
  TSeparatorStyle SeperatorLineStyle() const { return cfg_.SeperatorLineStyle; }
  void SetSeperatorLineStyle(TSeparatorStyle s);
  // A null bitmap brings back the default glyph of the orientation; any
  // other is copied and kept across orientation changes.
  HBITMAP GlyphExpand() const { return expand_.get(); }
  void SetGlyphExpand(HBITMAP bmp) { SetGlyph(Glyph::Expand, bmp); }
  HBITMAP GlyphCollaps() const { return collaps_.get(); }
  void SetGlyphCollaps(HBITMAP bmp) { SetGlyph(Glyph::Collaps, bmp); }
  TBorderStyle BorderStyle() const {
    return cfg_.BorderSingle ? TBorderStyle::bsSingle : TBorderStyle::bsNone;
  }
  void SetBorderStyle(TBorderStyle s);
  void SetBorderWidth(int width);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  HFONT CaptionFont() const { return captionFont_.get(); }
  // Keeps a copy: the caller's font may go.
  void SetCaptionFont(HFONT font);
  void SetPanelBevels(TPanelBevel inner, TPanelBevel outer, int width);
  void SetClientBevels(TPanelBevel inner, TPanelBevel outer, int width);

  int CollapsedHeight() const;
  int CollapsedWidth() const;
  // Where the glyph was last placed, panel coordinates.
  TRect GlyphRect() const { return glyphRect_; }

  // Asked before a glyph click folds or unfolds; clear the flag to refuse.
  std::function<void(TDFWFoldPanel& sender, TFoldStatus status, bool& doFoldAction)> OnFoldClick;
  std::function<void()> BeforeExpand, AfterExpand, BeforeCollaps, AfterCollaps;
  // The panel's size changed (folding included), once the client is placed.
  std::function<void()> OnResize;

  void PaintTo(HDC dc) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  friend struct FoldHover;
  enum class Glyph { Expand, Collaps };

  void Collapse();
  void Expand();
  void LayoutClient();
  void SetGlyph(Glyph which, HBITMAP bmp);
  void LoadDefaultGlyph(Glyph which);
  void GlyphChanged();
  void RebuildHighlights();
  HBITMAP CurrentGlyph() const;
  TSize GlyphSize(HBITMAP bmp) const;
  void UpdateGlyphRect();
  void InvalidateGlyph();
  void Relayout();
  void SetOwnBounds(const TRect& r);
  TRect Bounds() const;
  void FoldClick();
  bool HoverCheck();  // false once the pointer has left the panel
  void OnMouse(UINT msg, WPARAM wp, LPARAM lp);

  std::unique_ptr<TDFWFoldPanelClient> client_;
  FoldConfig cfg_;
  TFoldStatus status_ = TFoldStatus::fsExpanded;
  UniqueBitmap expand_, collaps_, expandHi_, collapsHi_;
  bool customExpand_ = false, customCollaps_ = false;
  bool hot_ = false;
  TColor foldActiveColor_ = clAqua;
  std::string caption_;
  UniqueFont captionFont_;
  int savedSize_ = 0;
  bool sizeLock_ = false;
  bool pressedHere_ = false;
  bool tracking_ = false;
  TRect glyphRect_;
  TFoldClickTracker clicks_;
};

}  // namespace hopvox
