#pragma once
// Base of every windowed control. Our own window classes and the subclassed
// standard controls alike keep `this` in the window's user data and route each
// message to the virtual WndProc; child notifications are handed back to the
// child's wrapper (Notify), so a control handles its own clicks and colours.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Subclass.h"

namespace hopvox {

class TGraphicControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state flags of mouse events (MK_* bits of the message).
using TShiftState = unsigned;

// Where a control sits on its parent, in the parent's client pixels.
struct TBounds {
  int left = 0, top = 0, width = 0, height = 0;
};

class TWindow {
 public:
  TWindow() = default;
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle() const { return handle_; }
  TWindow* Parent() const { return parent_; }
  static TWindow* FromHandle(HWND wnd);

  // Name from the window definition ("ipbox3"). It is also kept on the window
  // as a global atom, so a test driver in another process finds controls by name.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const;  // in the parent's client coordinates
  int Left() const { return BoundsRect().left; }
  int Top() const { return BoundsRect().top; }
  int Width() const;
  int Height() const;
  RECT ClientRect() const;

  bool Enabled() const;
  // Disabling the control that has the focus (or holds it) moves the focus to
  // the window first, so its exit handler runs as for any move inside the window.
  void SetEnabled(bool on);
  bool Visible() const;
  void SetVisible(bool on);
  void BringToFront();
  std::string Text() const;
  void SetText(const std::string& text);
  // The font the window draws with. A window without a font of its own uses
  // its parent's, down the whole tree: setting a font on a window reaches
  // every descendant that has not been given its own.
  HFONT Font() const { return font_; }
  void SetFont(HFONT font);
  bool ParentFont() const { return parentFont_; }
  void SetFocus();
  bool Focused() const;
  // Its place in the order the controls were made: the order of the window
  // definition, which keyboard navigation follows.
  unsigned CreationOrder() const { return creationOrder_; }
  // Enter on the focused control: a button or check box acts as on a click
  // and returns true.
  virtual bool KeyClick() { return false; }

  // Tooltip text; shown when both ShowHint and the application's hints are on.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  // Windowless children painted on this window's surface.
  void AddGraphic(TGraphicControl* control);
  void RemoveGraphic(TGraphicControl* control);
  const std::vector<TGraphicControl*>& Graphics() const { return graphics_; }

  std::function<void()> OnClick;
  // The second press of a double click: it raises this, not a second click.
  std::function<void()> OnDblClick;
  std::function<void(WORD& key, TShiftState)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  std::function<void(WORD& key, TShiftState)> OnKeyUp;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;
  std::function<void(TShiftState, int, int)> OnMouseMove;
  std::function<void(TMouseButton, TShiftState, int, int)> OnMouseDown;
  std::function<void(TMouseButton, TShiftState, int, int)> OnMouseUp;
  // Dragging (framework/DragDrop.h), in this window's client coordinates.
  // Over a window: whether it takes the drop (`accept` starts true); the
  // drop itself. On the window the drag comes from: its start, and its end
  // with the window that took the drop (null for none).
  std::function<void(TWindow& source, int x, int y, bool& accept)> OnDragOver;
  std::function<void(TWindow& source, int x, int y)> OnDragDrop;
  std::function<void()> OnStartDrag;
  std::function<void(TWindow* target, int x, int y)> OnEndDrag;

  // Paints the window's own surface and its graphic children into `dc`; used
  // by WM_PAINT and WM_PRINTCLIENT alike.
  virtual void PaintTo(HDC dc);

 protected:
  // Creates a window of our own registered class (see RegisterOwnClass).
  void CreateOwn(const char* className, const char* text, DWORD style, DWORD exStyle,
                 TWindow* parent, int left, int top, int width, int height);
  // Creates a standard control and subclasses it.
  void CreateStandard(const char* className, const char* text, DWORD style, DWORD exStyle,
                      TWindow* parent, int left, int top, int width, int height);
  static void RegisterOwnClass(const char* className, UINT classStyle = CS_DBLCLKS,
                               HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
  // A notification this window sent to its parent, handed back. Return true
  // and set `result` when handled.
  virtual bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Fills the background before graphic children paint; default: window colour.
  virtual void PaintBackground(HDC dc);
  // Mouse routing to graphic children; returns true when one took the event.
  bool RouteMouse(UINT msg, WPARAM wp, LPARAM lp);
  bool ownClass_ = false;

 private:
  void InheritFont();
  void FontChanged();
  // WndProc's handlers, one per kind of message. Those returning bool say
  // whether the message is answered (with `result`) or goes on to the
  // default procedure; KeyMessage may change the key that goes on.
  bool ForwardToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool PaintMessage(UINT msg, WPARAM wp, LRESULT& result);
  bool KeyMessage(UINT msg, WPARAM& wp);
  LRESULT FocusMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool FontMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void SysColorMessage(WPARAM wp, LPARAM lp);
  bool SetCursorMessage(WPARAM wp, LPARAM lp, LRESULT& result);
  bool MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK OwnProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT Dispatch(TWindow* self, UINT msg, WPARAM wp, LPARAM lp);
  void Attach(HWND wnd);
  void UpdateHintTool();
  TGraphicControl* GraphicAt(int x, int y) const;

  HWND handle_ = nullptr;
  TWindow* parent_ = nullptr;
  unsigned creationOrder_ = 0;
  std::string name_;
  TSubclass subclass_;  // standard controls only
  std::string hint_;
  bool showHint_ = true;
  bool hintTool_ = false;
  HCURSOR cursor_ = nullptr;
  HFONT font_ = nullptr;
  bool parentFont_ = true;
  std::vector<TGraphicControl*> graphics_;
  bool clickPressed_ = false;  // a left press (not a double click) began here
  TGraphicControl* captured_ = nullptr;
  TGraphicControl* hovered_ = nullptr;
};

}  // namespace hopvox
