// The window definition: every control with its name, parent, bounds,
// caption, hint and initial state.
#include <windows.h>

#include <stdexcept>

#include "core/Form1.h"
#include "framework/Application.h"
#include "framework/Font.h"
#include "framework/ScreenScale.h"
#include "widgets/logic/SavedLampStyle.h"

namespace hopvox {

namespace {

constexpr int kClientWidth = 577;
constexpr int kClientHeight = 348;

HCURSOR HandPoint() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)); }
HCURSOR IBeam() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)); }

const char* const kPageCaptions[4] = {"0-3", "4-7", "8-11", "12-15"};
const char* const kAddressPageNames[4] = {"TabSheet4", "TabSheet5", "TabSheet6", "tabsheet11"};
const char* const kHotkeyPageNames[4] = {"TabSheet7", "TabSheet8", "TabSheet9", "tabsheet10"};
const char* const kLedNames[4] = {"savedledok", "savedledok2", "savedledok3", "savedokled4"};

// The saved-state lamps of the hotkey pages.
std::unique_ptr<TVrUserLed> SavedLed(TWindow* page) {
  auto led = std::make_unique<TVrUserLed>();
  led->SetParent(page);
  const TBounds b = ScaleToScreen(TBounds{24, 161, 20, 18});
  led->SetBounds(b.left, b.top, b.width, b.height);
  ApplySavedLampStyle(led->Bevel(), led->PaletteEx());
  return led;
}

// A level display: three ns11x20 digits, 0..255, green and lime on black.
std::unique_ptr<TVrNum> LevelDisplay(TWindow* parent, int left, int top) {
  auto num = std::make_unique<TVrNum>();
  num->BeginLoad();
  num->SetParent(parent);
  const TBounds b = ScaleToScreen(TBounds{left, top, 41, 25});
  num->SetBounds(b.left, b.top, b.width, b.height);
  num->SetDigits(3);
  num->SetStyle(TVrNumStyle::ns11x20);
  num->Palette().SetLow(clGreen);
  num->Palette().SetHigh(clLime);
  num->SetMax(255);
  num->SetColor(clBlack);
  num->EndLoad();
  return num;
}

std::unique_ptr<TVrUpDown> LevelArrows(TWindow* parent, const TBounds& defined) {
  const TBounds b = ScaleToScreen(defined);
  auto arrows = std::make_unique<TVrUpDown>();
  arrows->SetParent(parent);
  arrows->SetBounds(b.left, b.top, b.width, b.height);
  arrows->SetTransparent(true);
  return arrows;
}

}  // namespace

template <class Made, class Slot>
Made* TForm1::Define(std::unique_ptr<Slot>& slot, const std::string& name,
                     std::unique_ptr<Made> made, const TProps& props) {
  Made* control = made.get();
  slot = std::move(made);
  if (!name.empty()) control->SetName(name);
  if (!props.hint.empty()) control->SetHint(props.hint);
  if (props.cursor) control->SetCursor(props.cursor);
  if (props.font) control->SetFont(props.font);
  if constexpr (std::is_base_of_v<TWindow, Made>) {
    if (props.lock >= 0) {
      control->SetEnabled(false);
      lockable_.at(static_cast<size_t>(props.lock)) = control;
    }
  }
  return control;
}

TForm1::TForm1()
    : TForm("Hopvox v1.6 XP", ScaleToScreen(kClientWidth), ScaleToScreen(kClientHeight),
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS) {
  SetName("Form1");
  SetFont(MakeFont("Trebuchet MS", 8));
  entryFont = MakeFont("Comic Sans MS", 8);
  pagesFont = MakeFont("Arial", 8);
  headingFont = MakeFont("Arial", 8, fsBold);
  linkFont = MakeFont("Trebuchet MS", 8, fsUnderline);
  BuildWindow();
  BuildServices();
  BuildProbe();
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnDestroy = [this] { FormDestroy(); };
  OnEndSession = [this] { FormEndSession(); };
}

TForm1::~TForm1() = default;

void TForm1::BuildWindow() {
  BuildAddressSide();
  BuildHotkeySide();
  BuildFoldPanels();
  BuildBottom();
  BuildCaptionButtons();
  for (size_t i = 0; i < lockable_.size(); ++i)
    if (!lockable_[i])
      throw std::logic_error("no control in place " + std::to_string(i) + " of the edit lock");
}

void TForm1::BuildAddressSide() {
  Define(addressPanel, "Panel1", {.parent = this, .bounds = {6, 5, 195, 284}});
  Define(Image3, "Image3", {.parent = addressPanel.get(), .bounds = {8, 6, 179, 30}});
  Define<TXPPageControl>(
      PageControl2, "PageControl2",
      {.parent = addressPanel.get(), .bounds = {6, 40, 183, 206}, .multiLine = true},
      {.font = pagesFont.get()});
  for (int p = 0; p < 4; ++p)
    Define(addressPages[p], kAddressPageNames[p],
           std::make_unique<TXPTabSheet>(PageControl2.get(), kPageCaptions[p]));
  for (int ch = 0; ch < kChannelCount; ++ch) {
    TTabSheet* page = addressPages[ch / kChannelsPerPage].get();
    const int top = 16 + (ch % kChannelsPerPage) * 40;
    Define(ipbox[ch], AddressBoxName(ch), {.parent = page, .bounds = {8, top, 161, 19}},
           {.font = entryFont.get(), .lock = lock::AddressBox(ch)});
    Define(channelLabels.emplace_back(), "",
           {.parent = page, .caption = kChannels[ch].caption, .bounds = {10, top + 20}});
  }
  Define(Label11, "Label11",
         {.parent = addressPanel.get(), .caption = "Version: 1.6 XP", .bounds = {10, 250}});
  Define(Label10, "Label10", {.parent = addressPanel.get(), .caption = "", .bounds = {10, 264}});
}

void TForm1::BuildHotkeySide() {
  Define(Panel4, "Panel4", {.parent = this, .bounds = {377, 5, 195, 284}});
  Define(Image4, "Image4", {.parent = Panel4.get(), .bounds = {8, 6, 179, 30}});
  Define<TXPPageControl>(PageControl3, "PageControl3",
                         {.parent = Panel4.get(), .bounds = {6, 40, 183, 206}});
  for (int p = 0; p < 4; ++p) {
    TTabSheet* page = Define(hotkeyPages[p], kHotkeyPageNames[p],
                             std::make_unique<TXPTabSheet>(PageControl3.get(), kPageCaptions[p]));
    Define(savedLed[p], kLedNames[p], SavedLed(page));
    Define(Accept[p], "Accept" + std::to_string(p + 1),
           {.parent = page, .caption = "Accept", .bounds = {88, 158, 75, 25}});
  }
  for (int ch = 0; ch < kChannelCount; ++ch) {
    TTabSheet* page = hotkeyPages[ch / kChannelsPerPage].get();
    const int top = 16 + (ch % kChannelsPerPage) * 40;
    Define(channelHotKey[ch], kChannels[ch].hotKeyBox,
           {.parent = page, .bounds = {24, top, 129, 19}, .code = kChannels[ch].definedKey},
           {.cursor = IBeam(), .lock = lock::ChannelHotKey(ch)});
    Define(hotkeyLabels.emplace_back(), "",
           {.parent = page, .caption = kChannels[ch].caption, .bounds = {26, top - 14}});
  }
  TWindow* panel = Panel4.get();
  Define(ctrlbutton, "ctrlbutton",
         {.parent = panel, .caption = "Ctrl", .bounds = {10, 254, 44, 20}},
         {.hint = "Control and hotkey"});
  Define(altbutton, "altbutton", {.parent = panel, .caption = "Alt", .bounds = {55, 254, 44, 20}},
         {.hint = "Alt and hotkey"});
  Define(shftbutton, "shftbutton",
         {.parent = panel, .caption = "Shft", .bounds = {100, 254, 44, 20}},
         {.hint = "Shift and hotkey"});
  Define(nonbutton, "nonbutton", {.parent = panel, .caption = "None", .bounds = {145, 254, 44, 20}},
         {.hint = "Hotkey only"});
}

TWindow* TForm1::NewFoldPanel(int number, const std::string& caption, int top, int expandedHeight) {
  TDFWFoldPanel* panel =
      Define(DFWFoldPanel[number], "DFWFoldPanel" + std::to_string(number),
             {.parent = this, .bounds = {202, top, 173, expandedHeight}}, {.cursor = HandPoint()});
  panel->BringToFront();  // later panels lie above earlier ones
  panel->SetCaption(caption);
  panel->SetCaptionFont(MakeFont("Arial", 7).get());
  panel->SetPanelBevels(TPanelBevel::bvNone, TPanelBevel::bvRaised, 1);
  panel->SetClientBevels(TPanelBevel::bvNone, TPanelBevel::bvNone, 1);
  return &panel->Client();
}

struct TForm1::TLevelPanel {
  struct Named {
    const char* name;
    const char* text;
  };
  struct HotKeyBox {
    std::unique_ptr<THotKey>* slot;
    const char* name;
    const char* hint;
    int lock;
  };
  struct Arrows {
    std::unique_ptr<TVrUpDown>* slot;
    const char* name;
    TBounds bounds;
  };
  struct Display {
    std::unique_ptr<TVrNum>* slot;
    const char* name;
    const char* hint;
    int top;
  };
  struct Button {
    std::unique_ptr<TButton>* slot;
    const char* name;
  };
  TWindow* panel;
  Named heading;
  const char* shiftLabel;  // "Shift +"
  const char* upLabel;     // "Up"
  const char* downLabel;   // "Dn"
  HotKeyBox up, down;
  Arrows arrows;
  Display display;
  Button accept;
};

void TForm1::BuildLevelPanel(const TLevelPanel& l) {
  Define(panelLabels.emplace_back(), l.heading.name,
         {.parent = l.panel, .caption = l.heading.text, .bounds = {32, 8}},
         {.font = headingFont.get()});
  Define(panelLabels.emplace_back(), l.shiftLabel,
         {.parent = l.panel, .caption = "Shift +", .bounds = {24, 49}});
  Define(panelLabels.emplace_back(), l.upLabel,
         {.parent = l.panel, .caption = "Up", .bounds = {0, 76}});
  Define(panelLabels.emplace_back(), l.downLabel,
         {.parent = l.panel, .caption = "Dn", .bounds = {1, 109}});
  Define(*l.up.slot, l.up.name, {.parent = l.panel, .bounds = {24, 72, 57, 19}},
         {.hint = l.up.hint, .cursor = IBeam(), .lock = l.up.lock});
  Define(*l.down.slot, l.down.name, {.parent = l.panel, .bounds = {24, 108, 57, 19}},
         {.hint = l.down.hint, .cursor = IBeam(), .lock = l.down.lock});
  Define(*l.arrows.slot, l.arrows.name, LevelArrows(l.panel, l.arrows.bounds),
         {.hint = "Adjust manually", .cursor = HandPoint()});
  Define(*l.display.slot, l.display.name, LevelDisplay(l.panel, 104, l.display.top),
         {.hint = l.display.hint});
  Define(*l.accept.slot, l.accept.name,
         {.parent = l.panel, .caption = "Accept", .bounds = {96, 104, 60, 25}});
}

void TForm1::BuildFoldPanels() {
  // Creation order: later panels lie above earlier ones.
  TWindow* server = NewFoldPanel(2, "Main Server", 37, 164);
  Define(panelLabels.emplace_back(), "",
         {.parent = server, .caption = "IP/Name", .bounds = {20, 22}});
  Define(serverip, "serverip", {.parent = server, .bounds = {18, 38, 138, 19}},
         {.lock = lock::kServerIp});
  Define(panelLabels.emplace_back(), "",
         {.parent = server, .caption = "Password", .bounds = {20, 62}});
  Define(serverpassword, "serverpassword", {.parent = server, .bounds = {18, 78, 138, 19}},
         {.lock = lock::kServerPassword})
      ->SetPasswordChar('*');
  Define(serverbox, "serverbox",
         {.parent = server, .caption = "Use Default Server", .bounds = {18, 106, 140, 17}},
         {.hint = "All channels are tied to this server"});

  TWindow* volume = NewFoldPanel(3, "Speaker Volume", 51, 161);
  TWindow* mic = NewFoldPanel(5, "Mic Gain", 65, 161);
  BuildLevelPanel(
      {.panel = volume,
       .heading = {"Label28", "Speaker Volume"},
       .shiftLabel = "Label20",
       .upLabel = "Label18",
       .downLabel = "Label19",
       .up = {&volumeUpBox, "hotkey7", "Volume up hotkey", lock::kVolumeUp},
       .down = {&volumeDownBox, "hotkey6", "Volume down hotkey", lock::kVolumeDown},
       .arrows = {&volumeArrows, "updown", {80, 68, 21, 26}},
       .display = {&volumeDisplay, "lednumber", "Current speaker volume value (0-255)", 68},
       .accept = {&Acceptvolume, "Acceptvolume"}});
  BuildLevelPanel({.panel = mic,
                   .heading = {"Label30", "Mic Gain"},
                   .shiftLabel = "Label31",
                   .upLabel = "Label21",
                   .downLabel = "Label29",
                   .up = {&micUpBox, "HotKey15", "Mike gain up hotkey", lock::kMicUp},
                   .down = {&micDownBox, "HotKey16", "Mike gain down hotkey", lock::kMicDown},
                   .arrows = {&micArrows, "VrUpDown1", {80, 68, 20, 30}},
                   .display = {&micDisplay, "lednumber2", "Current mike gain volume (0-255)", 70},
                   .accept = {&Acceptmic, "Acceptmic"}});

  TWindow* misc = NewFoldPanel(4, "Miscellaneous", 79, 212);
  Define(Panel5, "Panel5", {.parent = misc, .bounds = {18, 20, 150, 56}, .outer = TBevel::bvNone});
  Define(windowsstartbox, "windowsstartbox",
         {.parent = Panel5.get(),
          .caption = "Start with windows",
          .bounds = {4, 6, 140, 17},
          .checked = true},
         {.hint = "Have Hopvox autorun when you start windows", .cursor = HandPoint()});
  Define(hintbox, "hintbox",
         {.parent = Panel5.get(),
          .caption = "Show hints",
          .bounds = {4, 30, 140, 17},
          .checked = true},
         {.hint = "Show or hide the hints/tips", .cursor = HandPoint()});
  Define(viewSettingsButton, "Button1",
         {.parent = misc, .caption = "View", .bounds = {48, 104, 60, 25}});
  Define(panelLabels.emplace_back(), "Label17",
         {.parent = misc, .caption = "Ini file", .bounds = {60, 131}});
  Define(panelLabels.emplace_back(), "Label12",
         {.parent = misc, .caption = "Timing", .bounds = {70, 152}},
         {.hint = "Determine how quickly HV responds to a keypress"});
  Define(timerbar, "timerbar",
         {.parent = misc,
          .bounds = {18, 168, 140, 28},
          .min = 50,
          .max = 120,
          .position = 70,
          .lineSize = 10,
          .pageSize = 10,
          .frequency = 10});
  Define(panelLabels.emplace_back(), "", {.parent = misc, .caption = "50", .bounds = {18, 196}});
  // Under the bar's right end, inside the panel's client (the fold glyph's band
  // leaves it narrower than the panel).
  Define(panelLabels.emplace_back(), "", {.parent = misc, .caption = "120", .bounds = {136, 196}});

  TWindow* system = NewFoldPanel(6, "System", 93, 185);
  Define(cpuradiobtns, "cpuradiobtns",
         {.parent = system,
          .caption = "Cpu priority",
          .bounds = {18, 24, 140, 150},
          .items = {"Lowest", "Low", "Normal", "High", "Highest"}},
         {.hint = "How much cpu time is allocated to HV"});

  // Placed within the panel's client, beside the fold glyph's band.
  TWindow* database = NewFoldPanel(1, "Name & IP Database", 107, 234);
  Define(ListBox, "ListBox",
         {.parent = database, .bounds = {0, 16, 145, 106}, .sorted = true, .multiSelect = false},
         {.cursor = HandPoint(), .font = entryFont.get()});
  Define(panelLabels.emplace_back(), "Label15",
         {.parent = database, .caption = "Name", .bounds = {8, 121}});
  Define(listnamebox, "listnamebox", {.parent = database, .bounds = {0, 139, 145, 19}});
  Define(panelLabels.emplace_back(), "Label25",
         {.parent = database, .caption = "IP", .bounds = {8, 161}});
  Define(listipbox, "listipbox", {.parent = database, .bounds = {0, 179, 145, 19}});
  Define(listadd, "listadd", {.parent = database, .caption = "Add", .bounds = {1, 200, 60, 25}});
  Define(listdelete, "listdelete",
         {.parent = database, .caption = "Delete", .bounds = {95, 200, 60, 25}});

  Define(banner, "Image2", {.parent = this, .bounds = {211, 5, 155, 30}},
         {.hint = "Need Roger Wilco? Double click here..."});
  Define(supportLink, "Label34",
         {.parent = this, .caption = "HV Support Website", .bounds = {232, 144}},
         {.font = linkFont.get()});
  Define(logo, "Image1", {.parent = this, .bounds = {204, 171, 170, 174}, .center = true},
         {.hint = "Click to change logo", .cursor = HandPoint()});
}

void TForm1::BuildBottom() {
  Define(Panel3, "Panel3", {.parent = this, .bounds = {6, 301, 195, 41}});
  Define(aboutButton, "aboutButton",
         {.parent = Panel3.get(), .caption = "About", .bounds = {12, 8, 75, 25}});
  Define(exitButton, "exitButton",
         {.parent = Panel3.get(), .caption = "Exit", .bounds = {108, 8, 75, 25}})
      ->OnClick = [this] { Close(); };

  Define(Panel2, "Panel2", {.parent = this, .bounds = {378, 301, 195, 41}});
  Define(helpButton, "helpButton",
         {.parent = Panel2.get(), .caption = "Help", .bounds = {12, 8, 75, 25}});
  Define(
      enablebox, "enablebox",
      {.parent = Panel2.get(), .caption = "Enabled", .bounds = {110, 12, 75, 17}, .checked = true},
      {.hint = "Enable or Disable key polling"});

  auto item = [](std::string name, std::string caption, bool checked = false) {
    TMenuItem m;
    m.Name = std::move(name);
    m.Caption = std::move(caption);
    m.Checked = checked;
    return m;
  };
  PopupMenu1.Items = {item("Maximise1", "Maximise"), item("Enabled1", "Enabled", true),
                      item("AboutHV1", "About HV"), item("N1", "-"), item("Quit1", "Exit")};
}

}  // namespace hopvox
