#pragma once
// Extra push buttons in a window's title bar, left of the standard ones.
// Each is a hook component: it paints itself on non-client paints and takes
// its clicks from the non-client mouse messages. It can also show a tooltip
// and put an entry into the window's system menu.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chrome/cbClasses.h"
#include "framework/Handles.h"
#include "framework/PopupMenu.h"
#include "chrome/logic/ButtonPress.h"
#include "chrome/logic/CaptionGeometry.h"

namespace hopvox {

class TCustomCaptionButton;
using TcbNotifyEvent = std::function<void(TCustomCaptionButton& sender)>;

enum TMenuSeparator : unsigned { seBefore = 1, seAfter = 2 };
using TMenuSeparators = unsigned;

// A button's entry in its window's system menu. Ids: the entry c, the
// separator before it c + 1000, the one after it c + 2000.
class TSystemMenu {
 public:
  explicit TSystemMenu(TCustomCaptionButton& button) : button_(button) {}
  ~TSystemMenu();
  TSystemMenu(const TSystemMenu&) = delete;
  TSystemMenu& operator=(const TSystemMenu&) = delete;

  bool ApplyToMenu() const { return applyToMenu_; }
  void SetApplyToMenu(bool v);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  std::uint16_t Position() const { return position_; }
  void SetPosition(std::uint16_t v);
  TMenuSeparators Separators() const { return separators_; }
  void SetSeparators(TMenuSeparators v);

  bool Inserted() const { return inserted_; }
  void Insert();
  void Remove();
  void Rebuild() {
    Remove();
    Insert();
  }
  void SetCheck(bool checked);
  // The button's popup menu as it hangs in the system menu (null without one).
  HMENU Submenu() const { return submenu_.get(); }
  // Fills the submenu from the popup menu's items as they are now.
  void RefreshSubmenu();

 private:
  TCustomCaptionButton& button_;
  bool applyToMenu_ = false;
  std::string caption_;
  std::uint16_t position_ = 0;
  TMenuSeparators separators_ = 0;
  bool inserted_ = false;
  UniqueMenu submenu_;  // the button's popup menu, hung into the system menu
};

// Runs the popup-menu item whose command arrived through the system menu.
bool DispatchPopupCommand(TPopupMenu& menu, UINT id);

// The property group CaptionButton of the derived components: it owns
// nothing and forwards to the button's own setters.
class TACaptionButton {
 public:
  explicit TACaptionButton(TCustomCaptionButton& b) : b_(b) {}
  int BtnOrder() const;
  void SetBtnOrder(int v);
  HCURSOR Cursor() const;
  void SetCursor(HCURSOR v);
  HCURSOR CursorDown() const;
  void SetCursorDown(HCURSOR v);
  bool Enabled() const;
  void SetEnabled(bool v);
  const std::string& Hint() const;
  void SetHint(const std::string& v);
  std::int32_t SeparatorWidth() const;
  void SetSeparatorWidth(std::int32_t v);
  bool ShowHint() const;
  void SetShowHint(bool v);
  bool Visible() const;
  void SetVisible(bool v);

 private:
  TCustomCaptionButton& b_;
};

struct TcbSignFont {
  std::string name = "Arial";
  COLORREF color = CLR_INVALID;  // CLR_INVALID: the system's button-text colour
  bool bold = false;
};

class TCustomCaptionButton : public TcbFormHookComponent {
 public:
  explicit TCustomCaptionButton(OwnerHandle owner);
  explicit TCustomCaptionButton(TWindow& owner)
      : TCustomCaptionButton([&owner] { return owner.Handle(); }) {}
  ~TCustomCaptionButton() override;

  // Called once the owner has set the button's properties: sorts the
  // window's buttons by BtnOrder and registers the tooltip.
  virtual void Loaded();
  bool Loading() const { return loading_; }

  // Properties.
  bool AllowPress() const { return press_.allowPress; }
  void SetAllowPress(bool v);
  int BtnOrder() const;
  void SetBtnOrder(int v);
  HCURSOR Cursor() const { return cursor_; }
  void SetCursor(HCURSOR v) { cursor_ = v; }
  HCURSOR CursorDown() const { return cursorDown_; }
  void SetCursorDown(HCURSOR v) { cursorDown_ = v; }
  bool Down() const { return press_.down; }
  void SetDown(bool v);
  bool Enabled() const { return press_.enabled; }
  void SetEnabled(bool v);
  HBITMAP Glyph() const { return glyph_.get(); }
  void SetGlyph(HBITMAP v);  // copies the picture
  HBITMAP GlyphDown() const { return glyphDown_.get(); }
  void SetGlyphDown(HBITMAP v);
  bool GlyphTransparent() const { return glyphTransparent_; }
  void SetGlyphTransparent(bool v);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* v);
  std::uint8_t SeparatorWidth() const { return separatorWidth_; }
  void SetSeparatorWidth(std::uint8_t v);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  const TcbSignFont& SignFont() const { return signFont_; }
  void SetSignFont(const TcbSignFont& v);
  int SignLeft() const { return signLeft_; }
  void SetSignLeft(int v);
  int SignTop() const { return signTop_; }
  void SetSignTop(int v);
  char Sign() const { return sign_; }
  void SetSign(char v);
  TSystemMenu& SystemMenu() { return systemMenu_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  // Loads a bitmap resource of the program as Glyph or GlyphDown.
  static HBITMAP LoadGlyph(const char* resourceName);

  TcbNotifyEvent OnButtonClick, OnMenuClick, OnClick, OnPressed, OnReleased;

  int CommandId() const { return commandId_; }
  int LayoutOffset() const { return layoutOffset_; }
  const Rect& ButtonRect() const { return rect_; }
  bool DrawnPressed() const { return press_.DrawnPressed(); }
  bool ToolAdded() const { return toolAdded_; }
  unsigned ToolId() const { return toolId_; }

  void PaintButton(bool pressed);
  void Repaint() { PaintButton(press_.RepaintState()); }
  // The window's buttons were added, removed, hidden or reordered.
  void LayoutWithFrameRefresh();

  // Tooltip of this button (one tool in the process-wide tooltip window).
  void AddTool();
  void UpdateTool();
  void RemoveTool();
  // Hands a pointer move over the title bar to the tooltip window.
  void RelayToTool(LPARAM screenPoint);

  void BeforeMessage(TcbMessage& m, bool& handled) override;
  void AfterMessage(TcbMessage& m) override;
  void Rehooked() override;
  void MessageWindowProc(TcbMessage& m) override;

 protected:
  virtual void BeforeButtonClick() {}
  virtual void DoButtonClick();
  virtual void BeforeMenuClick() {}
  virtual void DoMenuClick();
  virtual void Click();
  virtual void DoPressed();
  virtual void DoReleased();

  TACaptionButton captionButton_{*this};

 private:
  CaptionWindow ReadWindow() const;
  void Apply(const PressResult& r);
  void EndPress();
  void PaintGlyph(HDC mem, bool pressed, int w, int h);

  bool loading_ = true;
  HCURSOR cursor_;
  HCURSOR cursorDown_;
  UniqueBitmap glyph_, glyphDown_;
  bool glyphTransparent_ = true;
  std::string hint_;
  TPopupMenu* popupMenu_ = nullptr;
  std::uint8_t separatorWidth_ = 0;
  bool showHint_ = true;
  TcbSignFont signFont_;
  int signLeft_ = 0, signTop_ = 0;
  char sign_ = 'A';
  TSystemMenu systemMenu_{*this};
  bool visible_ = true;

  bool toolAdded_ = false;
  unsigned toolId_ = 0;
  HWND toolWindow_ = nullptr;  // the window the tool was added for
  int commandId_ = 0;
  int layoutOffset_ = 0;
  bool popupOpen_ = false;
  ButtonPress press_;
  Rect rect_;
  int storedOrder_ = -1;
};

// The general-purpose title-bar button.
class TCaptionButton : public TCustomCaptionButton {
 public:
  using TCustomCaptionButton::TCustomCaptionButton;
};

// The buttons of each window, in BtnOrder order (index 0 = rightmost).
struct TacRealButtonsList {
  HWND window = nullptr;
  std::vector<TCustomCaptionButton*> buttons;
};

class TacVirtualBtnList {
 public:
  static TacVirtualBtnList* Instance();
  static TacVirtualBtnList& Acquire();
  TacRealButtonsList* Find(HWND window, bool create);
  TacRealButtonsList* ListOf(const TCustomCaptionButton* b);
  void Remove(TCustomCaptionButton* b);

 private:
  std::vector<std::unique_ptr<TacRealButtonsList>> lists_;
};

CaptionMetrics ReadCaptionMetrics();

// The one tooltip window of every title-bar button in the process; the first
// call creates it (the program does so at start, before any window).
HWND CaptionTooltipWindow();

}  // namespace hopvox
