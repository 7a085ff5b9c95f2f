// The window definition: every control with its name, parent, bounds,
// caption, hint and initial state.
#include <windows.h>

#include "core/Form1.h"
#include "framework/Application.h"
#include "framework/Font.h"
#include "widgets/logic/SavedLampStyle.h"

namespace hopvox {

namespace {

constexpr int kClientWidth = 577;
constexpr int kClientHeight = 348;

HCURSOR HandPoint() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)); }
HCURSOR IBeam() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)); }

template <typename T>
T* Named(T* control, const std::string& name, const std::string& hint = {}) {
  control->SetName(name);
  if (!hint.empty()) control->SetHint(hint);
  return control;
}

// A label of the definition, kept with the panel's other labels.
TLabel* NamedLabel(std::vector<std::unique_ptr<TLabel>>& labels, TWindow* parent, const char* name,
                   const std::string& caption, int left, int top) {
  labels.push_back(std::make_unique<TLabel>(parent, caption, left, top));
  labels.back()->Name = name;
  return labels.back().get();
}

const char* const kPageCaptions[4] = {"0-3", "4-7", "8-11", "12-15"};
const char* const kAddressPageNames[4] = {"TabSheet4", "TabSheet5", "TabSheet6", "tabsheet11"};
const char* const kHotkeyPageNames[4] = {"TabSheet7", "TabSheet8", "TabSheet9", "tabsheet10"};
const char* const kLedNames[4] = {"savedledok", "savedledok2", "savedledok3", "savedokled4"};

}  // namespace

// The saved-state lamps of the hotkey pages.
std::unique_ptr<TVrUserLed> SavedLed(TWindow* page) {
  auto led = std::make_unique<TVrUserLed>();
  led->SetParent(page);
  led->SetBounds(24, 161, 20, 18);
  ApplySavedLampStyle(led->Bevel(), led->PaletteEx());
  return led;
}

// A level display: three ns11x20 digits, 0..255, green and lime on black.
std::unique_ptr<TVrNum> LevelDisplay(TWindow* parent, int left, int top) {
  auto num = std::make_unique<TVrNum>();
  num->BeginLoad();
  num->SetParent(parent);
  num->SetBounds(left, top, 41, 25);
  num->SetDigits(3);
  num->SetStyle(TVrNumStyle::ns11x20);
  num->Palette().SetLow(clGreen);
  num->Palette().SetHigh(clLime);
  num->SetMax(255);
  num->SetColor(clBlack);
  num->EndLoad();
  return num;
}

std::unique_ptr<TVrUpDown> LevelArrows(TWindow* parent, int left, int top, int width, int height) {
  auto arrows = std::make_unique<TVrUpDown>();
  arrows->SetParent(parent);
  arrows->SetBounds(left, top, width, height);
  arrows->SetTransparent(true);
  arrows->SetCursor(HandPoint());
  arrows->SetHint("Adjust manually");
  return arrows;
}

TForm1::TForm1()
    : TForm("Hopvox v1.6 XP", kClientWidth, kClientHeight,
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS) {
  SetName("Form1");
  SetFont(MakeFont("Trebuchet MS", 8));
  entryFont = MakeFont("Comic Sans MS", 8);
  pagesFont = MakeFont("Arial", 8);
  headingFont = MakeFont("Arial", 8, fsBold);
  BuildWindow();
  BuildServices();
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnDestroy = [this] { FormDestroy(); };
}

TForm1::~TForm1() = default;

void TForm1::BuildWindow() {
  BuildAddressSide();
  BuildHotkeySide();
  BuildFoldPanels();
  BuildBottom();
  BuildCaptionButtons();
}

void TForm1::BuildAddressSide() {
  Panel1 = std::make_unique<TPanel>(this, 6, 5, 195, 284);
  Panel1->SetName("Panel1");
  Image3 = std::make_unique<TImage>(Panel1.get(), 8, 6, 179, 30);
  Image3->Name = "Image3";
  PageControl2 = std::make_unique<TXPPageControl>(Panel1.get(), 6, 40, 183, 206, true);
  PageControl2->SetName("PageControl2");
  PageControl2->SetFont(pagesFont.get());
  for (int p = 0; p < 4; ++p) {
    addressPages[p] = std::make_unique<TXPTabSheet>(PageControl2.get(), kPageCaptions[p]);
    addressPages[p]->SetName(kAddressPageNames[p]);
  }
  for (int ch = 0; ch < kChannelCount; ++ch) {
    TTabSheet* page = addressPages[ch / kChannelsPerPage].get();
    const int top = 16 + (ch % kChannelsPerPage) * 40;
    ipbox[ch] = std::make_unique<TEdit>(page, 8, top, 161, 19);
    Named(ipbox[ch].get(), AddressBoxName(ch));
    ipbox[ch]->SetFont(entryFont.get());
    ipbox[ch]->SetEnabled(false);  // the window starts locked
    channelLabels.push_back(std::make_unique<TLabel>(page, kChannels[ch].caption, 10, top + 20));
  }
  Label11 = std::make_unique<TLabel>(Panel1.get(), "Version: 1.6 XP", 10, 250);
  Label11->Name = "Label11";
  Label10 = std::make_unique<TLabel>(Panel1.get(), "", 10, 264);
  Label10->Name = "Label10";
}

void TForm1::BuildHotkeySide() {
  Panel4 = std::make_unique<TPanel>(this, 377, 5, 195, 284);
  Panel4->SetName("Panel4");
  Image4 = std::make_unique<TImage>(Panel4.get(), 8, 6, 179, 30);
  Image4->Name = "Image4";
  PageControl3 = std::make_unique<TXPPageControl>(Panel4.get(), 6, 40, 183, 206);
  PageControl3->SetName("PageControl3");
  for (int p = 0; p < 4; ++p) {
    hotkeyPages[p] = std::make_unique<TXPTabSheet>(PageControl3.get(), kPageCaptions[p]);
    hotkeyPages[p]->SetName(kHotkeyPageNames[p]);
    savedLed[p] = SavedLed(hotkeyPages[p].get());
    savedLed[p]->Name = kLedNames[p];
    Accept[p] = std::make_unique<TButton>(hotkeyPages[p].get(), "Accept", 88, 158, 75, 25);
    Accept[p]->SetName("Accept" + std::to_string(p + 1));
  }
  for (int ch = 0; ch < kChannelCount; ++ch) {
    TTabSheet* page = hotkeyPages[ch / kChannelsPerPage].get();
    const int top = 16 + (ch % kChannelsPerPage) * 40;
    channelHotKey[ch] = std::make_unique<THotKey>(page, 24, top, 129, 19, kChannels[ch].definedKey);
    Named(channelHotKey[ch].get(), kChannels[ch].hotKeyBox);
    channelHotKey[ch]->SetCursor(IBeam());
    channelHotKey[ch]->SetEnabled(false);
    hotkeyLabels.push_back(std::make_unique<TLabel>(page, kChannels[ch].caption, 26, top - 14));
  }
  struct Modifier {
    std::unique_ptr<TRadioButton>* button;
    const char* name;
    const char* caption;
    const char* hint;
  };
  const Modifier modifiers[] = {{&ctrlbutton, "ctrlbutton", "Ctrl", "Control and hotkey"},
                                {&altbutton, "altbutton", "Alt", "Alt and hotkey"},
                                {&shftbutton, "shftbutton", "Shft", "Shift and hotkey"},
                                {&nonbutton, "nonbutton", "None", "Hotkey only"}};
  int x = 10;
  for (const Modifier& m : modifiers) {
    *m.button = std::make_unique<TRadioButton>(Panel4.get(), m.caption, x, 254, 44, 20);
    Named(m.button->get(), m.name, m.hint);
    x += 45;
  }
}

TWindow* TForm1::NewFoldPanel(int number, const std::string& caption, int top, int expandedHeight) {
  auto panel = std::make_unique<TDFWFoldPanel>(this, 202, top, 173, expandedHeight);
  panel->SetName("DFWFoldPanel" + std::to_string(number));
  panel->SetCursor(HandPoint());
  panel->BringToFront();  // later panels lie above earlier ones
  panel->SetCaption(caption);
  panel->SetCaptionFont(MakeFont("Arial", 7).get());
  panel->SetPanelBevels(TPanelBevel::bvNone, TPanelBevel::bvRaised, 1);
  panel->SetClientBevels(TPanelBevel::bvNone, TPanelBevel::bvNone, 1);
  DFWFoldPanel[number] = std::move(panel);
  return &DFWFoldPanel[number]->Client();
}

void TForm1::BuildFoldPanels() {
  // Creation order: later panels lie above earlier ones.
  TWindow* server = NewFoldPanel(2, "Main Server", 37, 164);
  panelLabels.push_back(std::make_unique<TLabel>(server, "IP/Name", 20, 22));
  serverip = std::make_unique<TEdit>(server, 18, 38, 138, 19);
  Named(serverip.get(), "serverip")->SetEnabled(false);
  panelLabels.push_back(std::make_unique<TLabel>(server, "Password", 20, 62));
  serverpassword = std::make_unique<TEdit>(server, 18, 78, 138, 19);
  Named(serverpassword.get(), "serverpassword")->SetEnabled(false);
  serverpassword->SetPasswordChar('*');
  serverbox = std::make_unique<TCheckBox>(server, "Use Default Server", 18, 106, 140, 17);
  Named(serverbox.get(), "serverbox", "All channels are tied to this server");

  TWindow* volume = NewFoldPanel(3, "Speaker Volume", 51, 161);
  TWindow* mic = NewFoldPanel(5, "Mic Gain", 65, 161);
  struct Level {
    TWindow* panel;
    std::unique_ptr<THotKey>* up;
    std::unique_ptr<THotKey>* down;
    const char* upName;
    const char* downName;
    const char* upHint;
    const char* downHint;
    std::unique_ptr<TVrNum>* display;
    const char* displayName;
    const char* displayHint;
    int displayTop;
    std::unique_ptr<TVrUpDown>* arrows;
    const char* arrowsName;
    int arrowsWidth, arrowsHeight;
    std::unique_ptr<TButton>* accept;
    const char* acceptName;
    const char* headingName;
    const char* heading;
    const char* shiftName;
    const char* upLabelName;
    const char* downLabelName;
  };
  const Level levels[] = {
      {volume, &hotkey7, &hotkey6, "hotkey7", "hotkey6", "Volume up hotkey", "Volume down hotkey",
       &lednumber, "lednumber", "Current speaker volume value (0-255)", 68, &updown, "updown",
       21, 26, &Acceptvolume, "Acceptvolume", "Label28", "Speaker Volume", "Label20", "Label18", "Label19"},
      {mic, &HotKey15, &HotKey16, "HotKey15", "HotKey16", "Mike gain up hotkey",
       "Mike gain down hotkey", &lednumber2, "lednumber2", "Current mike gain volume (0-255)", 70,
       &VrUpDown1, "VrUpDown1", 20, 30, &Acceptmic, "Acceptmic", "Label30", "Mic Gain", "Label31", "Label21",
       "Label29"}};
  for (const Level& l : levels) {
    NamedLabel(panelLabels, l.panel, l.headingName, l.heading, 32, 8)->SetFont(headingFont.get());
    NamedLabel(panelLabels, l.panel, l.shiftName, "Shift +", 24, 49);
    NamedLabel(panelLabels, l.panel, l.upLabelName, "Up", 0, 76);
    NamedLabel(panelLabels, l.panel, l.downLabelName, "Dn", 1, 109);
    *l.up = std::make_unique<THotKey>(l.panel, 24, 72, 57, 19);
    Named(l.up->get(), l.upName, l.upHint)->SetEnabled(false);
    (*l.up)->SetCursor(IBeam());
    *l.down = std::make_unique<THotKey>(l.panel, 24, 108, 57, 19);
    Named(l.down->get(), l.downName, l.downHint)->SetEnabled(false);
    (*l.down)->SetCursor(IBeam());
    *l.arrows = LevelArrows(l.panel, 80, 68, l.arrowsWidth, l.arrowsHeight);
    (*l.arrows)->Name = l.arrowsName;
    *l.display = LevelDisplay(l.panel, 104, l.displayTop);
    (*l.display)->Name = l.displayName;
    (*l.display)->SetHint(l.displayHint);
    *l.accept = std::make_unique<TButton>(l.panel, "Accept", 96, 104, 60, 25);
    Named(l.accept->get(), l.acceptName);
  }

  TWindow* misc = NewFoldPanel(4, "Miscellaneous", 79, 212);
  Panel5 = std::make_unique<TPanel>(misc, 18, 20, 150, 56, TBevel::bvNone);
  Panel5->SetName("Panel5");
  windowsstartbox = std::make_unique<TCheckBox>(Panel5.get(), "Start with windows", 4, 6, 140, 17, true);
  Named(windowsstartbox.get(), "windowsstartbox", "Have Hopvox autorun when you start windows")->SetCursor(HandPoint());
  hintbox = std::make_unique<TCheckBox>(Panel5.get(), "Show hints", 4, 30, 140, 17, true);
  Named(hintbox.get(), "hintbox", "Show or hide the hints/tips")->SetCursor(HandPoint());
  Button1 = std::make_unique<TButton>(misc, "View", 48, 104, 60, 25);
  Named(Button1.get(), "Button1");
  NamedLabel(panelLabels, misc, "Label17", "Ini file", 60, 131);
  NamedLabel(panelLabels, misc, "Label12", "Timing", 70, 152)->SetHint("Determine how quickly HV responds to a keypress");
  timerbar = std::make_unique<TTrackBar>(misc, 18, 168, 140, 28, 50, 120, 70, 10, 10, 10);
  Named(timerbar.get(), "timerbar");
  panelLabels.push_back(std::make_unique<TLabel>(misc, "50", 18, 196));
  panelLabels.push_back(std::make_unique<TLabel>(misc, "120", 140, 196));

  TWindow* system = NewFoldPanel(6, "System", 93, 185);
  cpuradiobtns = std::make_unique<TRadioGroup>(system, "Cpu priority", 18, 24, 140, 150,
                                               std::vector<std::string>{"Lowest", "Low", "Normal", "High", "Highest"});
  Named(cpuradiobtns.get(), "cpuradiobtns", "How much cpu time is allocated to HV");

  // Placed within the panel's client, beside the fold glyph's band.
  TWindow* database = NewFoldPanel(1, "Name & IP Database", 107, 234);
  ListBox = std::make_unique<TListBox>(database, 0, 16, 145, 106, true, false);
  Named(ListBox.get(), "ListBox")->SetCursor(HandPoint());
  ListBox->SetFont(entryFont.get());
  NamedLabel(panelLabels, database, "Label15", "Name", 8, 121);
  listnamebox = std::make_unique<TEdit>(database, 0, 139, 145, 19);
  Named(listnamebox.get(), "listnamebox");
  NamedLabel(panelLabels, database, "Label25", "IP", 8, 161);
  listipbox = std::make_unique<TEdit>(database, 0, 179, 145, 19);
  Named(listipbox.get(), "listipbox");
  listadd = std::make_unique<TButton>(database, "Add", 1, 200, 60, 25);
  Named(listadd.get(), "listadd");
  listdelete = std::make_unique<TButton>(database, "Delete", 95, 200, 60, 25);
  Named(listdelete.get(), "listdelete");

  Image2 = std::make_unique<TImage>(this, 211, 5, 155, 30);
  Image2->Name = "Image2";
  Image2->SetHint("Need Roger Wilco? Double click here...");
  Label34 = std::make_unique<TLabel>(this, "HV Support Website", 232, 144);
  Label34->Name = "Label34";
  linkFont = MakeFont("Trebuchet MS", 8, fsUnderline);
  Label34->SetFont(linkFont.get());
  Image1 = std::make_unique<TImage>(this, 204, 171, 170, 174);
  Image1->Name = "Image1";
  Image1->Center = true;
  Image1->SetHint("Click to change logo");
  Image1->SetCursor(HandPoint());
}

void TForm1::BuildBottom() {
  Panel3 = std::make_unique<TPanel>(this, 6, 301, 195, 41);
  Panel3->SetName("Panel3");
  aboutButton = std::make_unique<TButton>(Panel3.get(), "About", 12, 8, 75, 25);
  Named(aboutButton.get(), "aboutButton");
  exitButton = std::make_unique<TButton>(Panel3.get(), "Exit", 108, 8, 75, 25);
  Named(exitButton.get(), "exitButton");
  exitButton->OnClick = [this] { Close(); };

  Panel2 = std::make_unique<TPanel>(this, 378, 301, 195, 41);
  Panel2->SetName("Panel2");
  helpButton = std::make_unique<TButton>(Panel2.get(), "Help", 12, 8, 75, 25);
  Named(helpButton.get(), "helpButton");
  enablebox = std::make_unique<TCheckBox>(Panel2.get(), "Enabled", 110, 12, 75, 17, true);
  Named(enablebox.get(), "enablebox", "Enable or Disable key polling");

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
