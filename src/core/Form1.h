#pragma once
// The main window: every control of the window definition, the run-time
// values the polling engine reads, and the handlers of start-up, the polling
// switch, the interval and priority controls and close.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "chrome/CaptionButton.h"
#include "chrome/FormRoller.h"
#include "chrome/FormTopmost.h"
#include "chrome/FormTrayIcon.h"
#include "chrome/mdCTRLS.h"
#include "core/logic/Channels.h"
#include "core/logic/PollingTick.h"
#include "core/logic/RunValues.h"
#include "framework/Button.h"
#include "framework/DragDrop.h"
#include "framework/CheckBox.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/HotKey.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/ListBox.h"
#include "framework/OpenPictureDialog.h"
#include "framework/PageControl.h"
#include "framework/Panel.h"
#include "framework/PopupMenu.h"
#include "framework/RadioButton.h"
#include "framework/RadioGroup.h"
#include "framework/ScreenScale.h"
#include "framework/TrackBar.h"
#include "services/DXInput.h"
#include "services/ThdTimer.h"
#include "services/VrAudio.h"
#include "services/VrSystem.h"
#include "ui/HelpViewer.h"
#include "ui/logic/LockOrder.h"
#include "widgets/DFWFoldPanel.h"
#include "widgets/VrLcd.h"
#include "widgets/VrLeds.h"
#include "widgets/VrUpDown.h"

namespace hopvox {

class TIniFile;

// The run-time values the polling engine reads are the fields of TRunValues.
class TForm1 : public TForm, public TRunValues {
 public:
  TForm1();
  ~TForm1() override;

  // ---- controls of the window definition ----
  // Left: channel addresses.
  std::unique_ptr<TPanel> addressPanel;  // Panel1
  std::unique_ptr<TImage> Image3;
  std::unique_ptr<TPageControl> PageControl2;
  std::array<std::unique_ptr<TTabSheet>, 4> addressPages;   // TabSheet4, 5, 6, tabsheet11
  std::array<std::unique_ptr<TEdit>, kChannelCount> ipbox;  // ipbox1..ipbox16
  std::vector<std::unique_ptr<TLabel>> channelLabels;
  std::unique_ptr<TLabel> Label11, Label10;
  // Right: channel hotkeys.
  std::unique_ptr<TPanel> Panel4;
  std::unique_ptr<TImage> Image4;
  std::unique_ptr<TPageControl> PageControl3;
  std::array<std::unique_ptr<TTabSheet>, 4> hotkeyPages;              // TabSheet7, 8, 9, tabsheet10
  std::array<std::unique_ptr<THotKey>, kChannelCount> channelHotKey;  // HotKey1..HotKey20
  std::vector<std::unique_ptr<TLabel>> hotkeyLabels;
  std::array<std::unique_ptr<TVrUserLed>, 4>
      savedLed;  // savedledok, savedledok2, savedledok3, savedokled4
  std::array<std::unique_ptr<TButton>, 4> Accept;  // Accept1..Accept4
  std::unique_ptr<TRadioButton> ctrlbutton, altbutton, shftbutton, nonbutton;
  // Middle: the six fold panels, indexed by their number (DFWFoldPanel1..6).
  std::array<std::unique_ptr<TDFWFoldPanel>, 7> DFWFoldPanel;
  std::vector<std::unique_ptr<TLabel>> panelLabels;
  std::unique_ptr<TImage> banner, logo;  // Image2, Image1
  std::unique_ptr<TLabel> supportLink;   // Label34
  UniqueFont linkFont;                   // the window font, underlined, for supportLink
  UniqueFont entryFont;                  // address boxes and the database list
  UniqueFont pagesFont;                  // the address pages
  UniqueFont headingFont;                // headings inside the fold panels
  // "Main Server".
  std::unique_ptr<TEdit> serverip, serverpassword;
  std::unique_ptr<TCheckBox> serverbox;
  // "Speaker Volume" and "Mic Gain".
  std::unique_ptr<THotKey> volumeUpBox, volumeDownBox;  // hotkey7, hotkey6
  std::unique_ptr<THotKey> micUpBox, micDownBox;        // HotKey15, HotKey16
  std::unique_ptr<TVrNum> volumeDisplay, micDisplay;    // lednumber, lednumber2
  std::unique_ptr<TVrUpDown> volumeArrows, micArrows;   // updown, VrUpDown1
  std::unique_ptr<TButton> Acceptvolume, Acceptmic;
  // "Miscellaneous".
  std::unique_ptr<TPanel> Panel5;
  std::unique_ptr<TCheckBox> windowsstartbox, hintbox;
  std::unique_ptr<TButton> viewSettingsButton;  // Button1
  std::unique_ptr<TTrackBar> timerbar;
  // "System".
  std::unique_ptr<TRadioGroup> cpuradiobtns;
  // "Name & IP Database".
  std::unique_ptr<TListBox> ListBox;
  std::unique_ptr<TEdit> listnamebox, listipbox;
  std::unique_ptr<TButton> listadd, listdelete;
  // Bottom.
  std::unique_ptr<TPanel> Panel3, Panel2;
  std::unique_ptr<TButton> aboutButton, exitButton, helpButton;
  std::unique_ptr<TCheckBox> enablebox;
  // Tray menu.
  TPopupMenu PopupMenu1;
  // Title-bar buttons, in the order of the window definition (after the
  // menu they use, so they go first), and the theme guard.
  std::unique_ptr<TFormRoller> FormRoller1;
  std::unique_ptr<TFormTrayIcon> TrayIcon;
  std::unique_ptr<TFormTopmost> FormTopmost1;
  std::unique_ptr<TCaptionButton> captionlockbtn;
  std::unique_ptr<TCaptionButton> RunRWButton;
  std::unique_ptr<TXPThemeAPI> XPThemeAPI1;

  // ---- services (src/core/Form1Services.cpp) ----
  TVrRunOnce VrRunOnce1;
  // Polling timers, one per modifier: Ctrl, Alt, Shift, none
  // (Timer1, Timer2, Timer3, Timer6).
  TThreadedTimer ctrlTimer, altTimer, shiftTimer, noModifierTimer;
  std::unique_ptr<TDXInput> DXInput1;
  TVrWave clickSound, confirmSound, refusalSound;  // Wave, Wave2, Wave3
  std::array<TVrWave, kChannelCount> chwave;       // chwave1..chwave16
  std::array<TThreadedTimer*, 4> PollingTimers();
  // ctrlbutton, altbutton, shftbutton, nonbutton: 1..4.
  void modifierButtonClick(int modifier);

  // ---- handlers ----
  void FormCreate();
  void enableboxClick();
  void Enabled1Click();
  void timerbarChange();
  void cpuradiobtnsClick();
  void FormCloseQuery(bool& canClose);
  void FormEndSession();
  void FormDestroy();

  // The folder of the settings file and the database, with its trailing
  // backslash: the program's folder, or the user's where that may not be written.
  std::string settingsDir;
  std::string SettingsPath() const;

  // ---- edit lock, fold panels, page synchronisation, focus parking (src/ui/Form1Window.cpp) ----
  void captionlockbtnPressed();
  void captionlockbtnReleased();
  // Fold glyph of DFWFoldPanel<number>: click sound, bring it to the front;
  // "Miscellaneous" also shows the interval in force on the track bar.
  void DFWFoldPanelFoldClick(int number);
  // A click on the surface of DFWFoldPanel<number> collapses the other five.
  void DFWFoldPanelClick(int number);
  void AddressPageShow(int page);      // TabSheet4Show .. tabsheet11Show
  void HotkeyPageMouseMove(int page);  // TabSheet7MouseMove .. tabsheet10MouseMove
  void FormMouseMove();
  void Label34MouseMove();
  void Image1MouseMove();
  // Makes addressPanel the active control, so the control being edited stores its value.
  void ParkFocus();
  void SetLockableEnabled(bool on);

  // ---- channel server slots (src/ui/ChannelSlots.cpp) ----
  void ipboxExit(int slot);  // ipbox1Exit .. ipbox16Exit
  bool ipboxDragOver(int slot, TWindow& source);
  void ipboxDragDrop(int slot, TWindow& source);
  void serveripExit();
  void serverpasswordExit();
  void serverboxExit();

  // ---- channel hotkey capture (src/ui/HotkeyCapture.cpp) ----
  void HotKeyMouseDown(int channel);  // HotKey1MouseDown .. HotKey20MouseDown
  void AcceptClick();  // Accept1Click, Accept2Click, Accept3Click (Accept3 and Accept4)
  // The four saved lamps and Accept buttons show one state: accepted or pending.
  void ShowKeysAccepted(bool accepted);

  // ---- speaker volume and mic gain panels (src/ui/LevelPanels.cpp) ----
  void updownUpClick();
  void updownDownClick();
  void VrUpDown1UpClick();
  void VrUpDown1DownClick();
  void volumeHotKeyMouseDown(THotKey& box);  // hotkey7MouseDown, hotkey6MouseDown
  void micHotKeyMouseDown(THotKey& box);     // HotKey15MouseDown, HotKey16MouseDown
  void AcceptvolumeClick();
  void AcceptmicClick();

  // ---- name and IP database (src/ui/Database.cpp) ----
  void ListBoxClick();
  void ListBoxMouseDown();
  void ListBoxMouseMove(int x, int y);
  void listnameboxClick();
  void listipboxClick();
  void ListaddClick();
  void listdeleteClick();
  void DFWFoldPanel1AfterCollaps();
  std::string DatabasePath() const;

  // ---- miscellaneous options and links (src/ui/MiscOptions.cpp) ----
  void BindMiscOptions();
  // Start-up: the stored logo path becomes the dialog's file name and, when
  // the file exists, the logo.
  void LoadStoredLogo(const std::string& path);
  void hintboxClick();
  void windowsstartboxClick();
  void Button1Click();
  void Image1Click();
  void helpbuttonClick();
  void aboutButtonClick();
  void AboutHV1Click();
  void Image2DblClick();
  // Opens the help window at a section ("" for the top).
  void ShowHelp(std::string_view section);
  void Label34Click();
  void RunRWButtonButtonClick();
  TOpenPictureDialog Picturebox;  // its file name is the logo's path
  std::unique_ptr<THelpViewer> helpViewer;
  DWORD lastBannerClick_ = 0;
  int lastBannerX_ = 0, lastBannerY_ = 0;

  // ---- polling engine (src/core/PollingEngine.cpp) ----
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer6Timer();
  // One tick of the handler: one keyboard snapshot, every step against it.
  void PollingTick(TPollHandler handler);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // The probe (src/core/Form1Query.cpp): values and texts a test driver in
  // another process asks for by name, each name with its getter.
  void BuildProbe();
  int QueryValue(const std::string& name) const;
  bool QueryText(const std::string& name, std::string& value) const;
  std::unordered_map<std::string, std::function<int()>> valueProbes_;
  std::unordered_map<std::string, std::function<std::string()>> textProbes_;
  // What the window definition sets on a control besides what it is made of.
  struct TProps {
    std::string hint{};
    HCURSOR cursor = nullptr;
    HFONT font = nullptr;
    // Its place in the edit lock's order (ui/logic/LockOrder.h); a lockable
    // control starts disabled, as the window starts locked.
    int lock = -1;
  };
  // Puts a control of the window definition into its slot, named and with its
  // properties. `Made` is the control's class where it differs from the slot's.
  template <class Made = void, class Slot,
            class M = std::conditional_t<std::is_void_v<Made>, Slot, Made>>
  M* Define(std::unique_ptr<Slot>& slot, const std::string& name, const typename M::Args& args,
            const TProps& props = {}) {
    typename M::Args onScreen = args;
    onScreen.bounds = ScaleToScreen(args.bounds);
    return Define(slot, name, std::make_unique<M>(onScreen), props);
  }
  // The same for a control made by one of the definition's own factories.
  template <class Made, class Slot>
  Made* Define(std::unique_ptr<Slot>& slot, const std::string& name, std::unique_ptr<Made> made,
               const TProps& props = {});
  void BuildWindow();
  void BuildAddressSide();
  void BuildHotkeySide();
  void BuildFoldPanels();
  void BuildBottom();
  void BuildCaptionButtons();  // src/core/Form1Chrome.cpp
  // Creates fold panel `number`; returns its client, where its controls go.
  TWindow* NewFoldPanel(int number, const std::string& caption, int top, int expandedHeight);
  // One of the two level panels: heading, hotkey boxes, arrows, display, Accept.
  struct TLevelPanel;
  void BuildLevelPanel(const TLevelPanel& level);
  // Sets the four polling timers from the checked modifier button.
  void EnableTimersFromModifier();
  void DisableTimers();
  // The seven settings kept until the window closes, written by a close and
  // by the end of the session alike; throws EIniFileError.
  void WriteCloseSettings();
  // The polling switch, shown by both enablebox and the tray menu's Enabled1.
  void SetPolling(bool on);
  void BuildServices();
  void LoadChannelSounds();
  void SetTimerIntervals(int interval);
  void EnableModifierTimer(int modifier);
  // Each editing group binds its controls' events (called from FormCreate).
  void BindWindowHandlers();
  void BindChannelSlots();
  void BindHotkeyCapture();
  void BindLevelPanels();
  void BindDatabase();
  void StoreAddress(int slot);
  std::unique_ptr<TDragSource> listDrag_;
  // The controls of the edit lock, in the lock's order, as the definition made them.
  std::array<TWindow*, lock::kCount> lockable_{};

  std::vector<std::unique_ptr<TWindow>> ownedWindows_;
};

}  // namespace hopvox
