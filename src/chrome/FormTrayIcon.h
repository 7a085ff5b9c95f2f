#pragma once
// Title-bar button that sends its window to the notification area and back.
// The icon lives only while the window is in the tray; its mouse messages
// arrive on the component's message window.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chrome/CaptionButton.h"
#include "chrome/logic/TrayRecord.h"

namespace hopvox {

enum TFormTrayIconOption : std::uint8_t {
  oHideOnRestore = 1 << 0,
  oMinimizeToTray = 1 << 1,
  oOneClickRestore = 1 << 2,
  oDblClickRestore = 1 << 3,
  oShowAtDesignTime = 1 << 4,
  oShowMenuOnLeftClick = 1 << 5,
};
using TFormTrayIconOptions = std::uint8_t;

struct TWin2kInfoBalloon {
  bool Enabled = false;
  std::string Text;
  std::string Title;
  std::uint16_t Timeout = 0;
  TWin2kInfoIcon Icon = TWin2kInfoIcon::iiNone;
};

// Shift state of the tray mouse events: the MK_ bits plus Alt.
inline constexpr unsigned kTrayShiftAlt = 0x1000;

class TFormTrayIcon : public TCustomCaptionButton {
 public:
  using TrayNotify = std::function<void(TFormTrayIcon& sender)>;
  using TrayMouseMove = std::function<void(TFormTrayIcon& sender, TShiftState, int x, int y)>;
  using TrayMouse =
      std::function<void(TFormTrayIcon& sender, TMouseButton, TShiftState, int x, int y)>;

  explicit TFormTrayIcon(TWindow& owner) : TFormTrayIcon([&owner] { return owner.Handle(); }) {}
  explicit TFormTrayIcon(OwnerHandle owner);
  ~TFormTrayIcon() override;

  TACaptionButton& CaptionButton() { return captionButton_; }

  // Tray-side properties (the title-bar button's own are under CaptionButton).
  bool Animate() const { return animate_; }
  void SetAnimate(bool v);
  std::uint16_t AnimateInterval() const { return animateInterval_; }  // milliseconds
  void SetAnimateInterval(std::uint16_t v);
  const std::string& Hint() const { return trayHint_; }
  void SetHint(const std::string& v);
  // The icon shown without an image list (a copy is kept).
  HICON Icon() const { return icon_.get(); }
  void SetIcon(HICON v);
  // Frames of the animation; the list is the caller's and must outlive us.
  const std::vector<HICON>* ImageList() const { return imageList_; }
  void SetImageList(const std::vector<HICON>* v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  TFormTrayIconOptions Options() const { return options_; }
  void SetOptions(TFormTrayIconOptions v) { options_ = v; }
  TPopupMenu* PopupMenu() const { return trayMenu_; }
  void SetPopupMenu(TPopupMenu* v) { trayMenu_ = v; }
  TMenuItem* PopupMenuRestoreItem() const { return restoreItem_; }
  void SetPopupMenuRestoreItem(TMenuItem* item);
  TMenuItem* PopupMenuTrayMinimizeItem() const { return minimizeItem_; }
  void SetPopupMenuTrayMinimizeItem(TMenuItem* item);
  bool ShowHint() const { return trayShowHint_; }
  void SetShowHint(bool v);
  bool Visible() const { return trayVisible_; }
  void SetVisible(bool v);
  TWin2kInfoBalloon& Win2kInfoBalloon() { return balloon_; }

  TrayNotify OnAnimate, OnMinimize, OnDblClick, OnPopupMenu, OnRestore, OnShow, OnHide;
  TrayMouseMove OnMouseMove;
  TrayMouse OnMouseDown, OnMouseUp;

  virtual void MinimizeToTray();
  virtual void RestoreFromTray();
  virtual void ShowBalloon();

  void Loaded() override;
  void MessageWindowProc(TcbMessage& m) override;

  // The record of the last shell request, for checking what was sent.
  const TrayRecord& LastRecord() const { return record_; }
  HICON DisplayedIcon() const { return displayed_.get(); }

 protected:
  void Click() override;
  virtual LRESULT AppWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  // kReAdd: the icon again after a taskbar restart, without the balloon.
  enum class Request { kAdd, kReAdd, kModify, kDelete, kBalloon };
  void ShellRequest(Request r);
  void TrayCallback(UINT mouseMessage);
  void ShowPopupMenu();
  bool OwnerIsMainForm() const;
  HWND AppWindow() const;
  void RestartAnimation();
  void ShowImage();
  // Makes `item` run `action` after its own click handler; a replaced item
  // gets its handler back.
  void TakeOverItem(TMenuItem*& slot, std::function<void()>& previous, TMenuItem* item,
                    void (TFormTrayIcon::*action)());

  bool animate_ = false;
  std::uint16_t animateInterval_ = 200;
  std::string trayHint_;
  UniqueIcon icon_, displayed_;
  const std::vector<HICON>* imageList_ = nullptr;
  int imageIndex_ = 0;
  TFormTrayIconOptions options_ = oDblClickRestore | oShowAtDesignTime;
  TPopupMenu* trayMenu_ = nullptr;
  TMenuItem* restoreItem_ = nullptr;
  TMenuItem* minimizeItem_ = nullptr;
  std::function<void()> restorePrevious_, minimizePrevious_;  // the items' own handlers
  bool trayShowHint_ = true;
  bool trayVisible_ = false;
  TWin2kInfoBalloon balloon_;
  alignas(8) TrayRecord record_{};  // as the shell's structure is aligned
  HWND appWindow_ = nullptr;
  TSubclass appHook_;  // on the application window: minimising it sends us to the tray
  bool leftDown_ = false;
  UINT taskbarCreated_ = 0;
};

}  // namespace hopvox
