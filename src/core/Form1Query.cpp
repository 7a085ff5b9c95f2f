// The probe: a test driver or another tool names a value in the query message
// and gets it back as the message result. Window controls are read through
// their own messages; the probe covers what has no window of its own, and what
// a user sees that only means something inside this process (fonts, pointer
// shapes, tooltips). Every name it answers is in the two tables built below.
//
// Values (numbers):
//   "lednumber", "lednumber2"       the two level displays
//   "<saved lamp>"                  1 lit, 0 dark
//   "pollInterval", "activeModifier", "cpuradiobtns"  run-time values
//   "DFWFoldPanel<n>"               1 expanded, 0 collapsed;
//     ".GlyphX", ".GlyphY"          the middle of its fold glyph, panel coordinates
//   "<arrows>.UpX" .. ".DownY"      the middle of an arrow, window client coordinates
//   "InputIdle"                     1 when no input or posted message waits
//   "QueueStatus"                   what waits in the queue (GetQueueStatus)
//   "<tray item>.Checked", ".Enabled", ".Default"
//   "Label34.color"                 the link's text colour
//   "Image1.Width", ".Height", ".Kind"  the logo as loaded
//   "ShowHint", "helpViewer"        hints on; the help window showing
//   "hintTools", "hintHidePause"    controls in the hint window; how long a hint stays up (ms)
//   "cursor"                        the pointer shape: 1 hand, 2 I-beam, 3 arrow, 4 no-drop, 0
//   another "Timer1" .. "Timer6"            a polling timer on; ".Interval", ".Priority"
//   "chwave<n>", "Wave", "Wave2", "Wave3"  bytes of the sound loaded
//   "Played"                        how many sounds were played
//   "DXInput1.Device"               1 when the keyboard device is open
//   "<title-bar button>.Down", ".CommandId", ".Left" (client x), ".BtnOrder",
//     ".Hint" (a global atom), ".MessageWindow", ".MenuChecked";
//     "FormRoller1.RollUp", ".RemainHeight", ".RolledHeight"; "TrayIcon.Visible"
// Texts:
//   "ListBox.hint", "captionlockbtn.hint", "timerbar.hint"
//   "mainServer", "mainServerPassword", "passwordArgument", "channelAddress<0..15>"
//   "<tray item>.Caption"
//   "hint", "captionhint"           the tooltip showing now, empty when none shows
//   "font:<control>"                the font it draws with: "<face>|<height>|<weight>"
//                                   ("none" for the system font)
//   "captionfont:<fold panel>"      the same for a fold panel's caption
//   "clipped:<control>"             the windowless controls in and under it that
//                                   stick out sideways from their parent (a label also at
//                                   the bottom), and the buttons, check boxes and radio
//                                   buttons whose text does not fit, by name or caption,
//                                   each followed by ";"
//   "labels:<control>"              the labels showing in and under it, each as
//                                   "<caption>|<left>|<top>|<width>|<height>;" in the
//                                   window's client coordinates
//   "Played<n>"                     the n-th sound played: "<wave> <image bytes> <flags>"
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "core/Form1.h"
#include "framework/Application.h"
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/logic/QueryProtocol.h"
#include "services/logic/ThreadPriority.h"

namespace hopvox {

namespace {

struct Found {
  HWND window = nullptr;
  const TGraphicControl* graphic = nullptr;
};

void FindIn(const TWindow* w, const std::string& name, Found& found) {
  if (w->Name() == name) found.window = w->Handle();
  for (const TGraphicControl* g : w->Graphics())
    if (g->Name() == name) found.graphic = g;
}

struct Search {
  const std::string* name;
  Found* found;
};

BOOL CALLBACK SearchChild(HWND child, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (const TWindow* w = TWindow::FromHandle(child)) FindIn(w, *s->name, *s->found);
  return !s->found->window && !s->found->graphic;
}

Found FindControl(const TWindow& form, const std::string& name) {
  Found found;
  FindIn(&form, name, found);
  Search search{&name, &found};
  if (!found.window && !found.graphic)
    EnumChildWindows(form.Handle(), SearchChild, reinterpret_cast<LPARAM>(&search));
  return found;
}

std::string Describe(HFONT font) {
  LOGFONTA lf{};
  if (!font) return "none";
  if (!GetObjectA(font, sizeof lf, &lf)) return "deleted";
  return std::string(lf.lfFaceName) + "|" + std::to_string(lf.lfHeight) + "|" +
         std::to_string(lf.lfWeight);
}

std::string ShowingTip(HWND tip) {
  if (!tip || !IsWindowVisible(tip)) return {};
  char text[1024] = {};
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.lpszText = text;
  if (!SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti))) return {};
  return text;
}

// Whether a button's, check box's or radio button's text is wider or taller
// than the room its box leaves it. A check box or radio button draws its mark
// (12 pixels and one at 96 pixels per inch, more on a finer screen), then
// half a digit's width, then the text.
bool TextCutShort(const TWindow* w) {
  char className[16] = {};
  GetClassNameA(w->Handle(), className, sizeof className);
  if (lstrcmpiA(className, "BUTTON") != 0) return false;
  const std::string text = w->Text();
  ClientDC dc(w->Handle());
  ScopedSelectObject f(dc.get(), w->Font());
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  int digit = 0;
  GetCharWidth32A(dc.get(), '0', '0', &digit);
  const LONG type = GetWindowLongA(w->Handle(), GWL_STYLE) & BS_TYPEMASK;
  const int mark = MulDiv(12, GetDeviceCaps(dc.get(), LOGPIXELSY), 96) + 1;
  const int beside = type == BS_PUSHBUTTON ? 2 * GetSystemMetrics(SM_CXEDGE) : mark + digit / 2;
  const RECT client = w->ClientRect();
  return size.cx + beside > client.right || size.cy > client.bottom;
}

void ListClipped(const TWindow* w, std::string& out) {
  RECT client{};
  GetClientRect(w->Handle(), &client);
  if (TextCutShort(w)) out += w->Name().empty() ? w->Text() + ";" : w->Name() + ";";
  for (const TGraphicControl* g : w->Graphics()) {
    const auto* label = dynamic_cast<const TLabel*>(g);
    // A label's text is cut at the bottom too.
    if (g->Left() >= 0 && g->Left() + g->Width() <= client.right &&
        (!label || g->Top() + g->Height() <= client.bottom))
      continue;
    out += (g->Name().empty() && label ? label->Caption() : g->Name()) + ";";
  }
}

BOOL CALLBACK ListClippedIn(HWND child, LPARAM lp) {
  if (const TWindow* w = TWindow::FromHandle(child))
    ListClipped(w, *reinterpret_cast<std::string*>(lp));
  return TRUE;
}

struct LabelList {
  HWND form;
  std::string* out;
};

void ListLabels(const TWindow* w, const LabelList& list) {
  if (!IsWindowVisible(w->Handle())) return;
  for (const TGraphicControl* g : w->Graphics()) {
    const auto* label = dynamic_cast<const TLabel*>(g);
    if (!label || !label->Visible() || label->Caption().empty()) continue;
    POINT at{label->Left(), label->Top()};
    MapWindowPoints(w->Handle(), list.form, &at, 1);
    *list.out += label->Caption() + "|" + std::to_string(at.x) + "|" + std::to_string(at.y) + "|" +
                 std::to_string(label->Width()) + "|" + std::to_string(label->Height()) + ";";
  }
}

BOOL CALLBACK ListLabelsIn(HWND child, LPARAM lp) {
  if (const TWindow* w = TWindow::FromHandle(child))
    ListLabels(w, *reinterpret_cast<const LabelList*>(lp));
  return TRUE;
}

int PointerShape() {
  const HCURSOR now = GetCursor();
  const struct {
    LPCSTR shape;
    int code;
  } shapes[] = {{IDC_HAND, 1}, {IDC_IBEAM, 2}, {IDC_ARROW, 3}, {IDC_NO, 4}};
  for (const auto& s : shapes)
    if (now == LoadCursorA(nullptr, s.shape)) return s.code;
  return 0;
}

}  // namespace

void TForm1::BuildProbe() {
  auto value = [this](const std::string& name, std::function<int()> get) {
    valueProbes_[name] = std::move(get);
  };
  auto text = [this](const std::string& name, std::function<std::string()> get) {
    textProbes_[name] = std::move(get);
  };

  // Levels, lamps and run-time values.
  value("lednumber", [this] { return volumeDisplay->Value(); });
  value("lednumber2", [this] { return micDisplay->Value(); });
  for (const auto& led : savedLed)
    value(led->Name(), [led = led.get()] { return led->Active() ? 1 : 0; });
  value("pollInterval", [this] { return pollInterval; });
  value("activeModifier", [this] { return activeModifier; });
  value("cpuradiobtns", [this] { return cpuradiobtns->ItemIndex(); });
  text("mainServer", [this] { return mainServer; });
  text("mainServerPassword", [this] { return mainServerPassword; });
  text("passwordArgument", [this] { return passwordArgument; });
  for (int slot = 0; slot < kChannelCount; ++slot)
    text(std::string("channelAddress").append(std::to_string(slot)),
         [this, slot] { return channelAddress[slot]; });

  // Fold panels and the level arrows: state and where to click.
  for (int number = 1; number <= 6; ++number) {
    const TDFWFoldPanel* panel = DFWFoldPanel[number].get();
    const std::string name = std::string("DFWFoldPanel").append(std::to_string(number));
    value(name, [panel] { return panel->FoldStatus() == TFoldStatus::fsExpanded ? 1 : 0; });
    value(name + ".GlyphX", [panel] {
      const TRect glyph = panel->GlyphRect();
      return (glyph.Left + glyph.Right) / 2;
    });
    value(name + ".GlyphY", [panel] {
      const TRect glyph = panel->GlyphRect();
      return (glyph.Top + glyph.Bottom) / 2;
    });
  }
  for (const TVrUpDown* arrows : {volumeArrows.get(), micArrows.get()})
    for (const char* part : {"UpX", "UpY", "DownX", "DownY"})
      value(arrows->Name() + "." + part, [this, arrows, part] {
        const bool up = part[0] == 'U';
        const TRect r =
            UpDownButtonRect(up ? 0 : 1, arrows->Orientation(), arrows->Width(), arrows->Height());
        POINT pt{arrows->Left() + (r.Left + r.Right) / 2, arrows->Top() + (r.Top + r.Bottom) / 2};
        MapWindowPoints(arrows->Parent()->Handle(), Handle(), &pt, 1);
        return std::string_view(part).ends_with('X') ? pt.x : pt.y;
      });

  // No input or posted message waits in the queue: everything sent so far has
  // been handled, so a driver can act on what it sees. (Pending paints do not
  // count: the list box of the database panel keeps one.)
  value("InputIdle", [] { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0 ? 1 : 0; });
  value("QueueStatus", [] { return static_cast<int>(HIWORD(GetQueueStatus(QS_ALLINPUT))); });

  for (const TMenuItem& item : PopupMenu1.Items) {
    const std::string name = item.Name;
    auto find = [this, name]() -> const TMenuItem& {
      for (const TMenuItem& i : PopupMenu1.Items)
        if (i.Name == name) return i;
      return PopupMenu1.Items.front();
    };
    value(name + ".Checked", [find] { return find().Checked ? 1 : 0; });
    value(name + ".Enabled", [find] { return find().Enabled ? 1 : 0; });
    value(name + ".Default", [find] { return find().Default ? 1 : 0; });
    text(name + ".Caption", [find] { return find().Caption; });
  }

  // What the user sees: link colour, logo, hints, pointer.
  value("Label34.color", [this] { return static_cast<int>(supportLink->FontColor()); });
  value("Image1.Width", [this] { return logo->Picture().Width(); });
  value("Image1.Height", [this] { return logo->Picture().Height(); });
  value("Image1.Kind", [this] { return static_cast<int>(logo->Picture().Kind()); });
  value("ShowHint", [] { return Application().ShowHint() ? 1 : 0; });
  value("helpViewer", [this] {
    return helpViewer && helpViewer->Handle() && IsWindowVisible(helpViewer->Handle()) ? 1 : 0;
  });
  value("hintTools", [] {
    return static_cast<int>(SendMessageA(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0));
  });
  value("hintHidePause", [] {
    return static_cast<int>(
        SendMessageA(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
  });
  value("cursor", PointerShape);
  text("ListBox.hint", [this] { return ListBox->Hint(); });
  text("captionlockbtn.hint", [this] { return captionlockbtn->Hint(); });
  text("timerbar.hint", [this] { return timerbar->Hint(); });
  text("hint", [] { return ShowingTip(Application().HintWindow()); });
  text("captionhint", [this] { return ShowingTip(CaptionTooltipWindow()); });

  // Services: polling timers, sounds, keyboard device.
  const char* const timerNames[] = {"Timer1", "Timer2", "Timer3", "Timer6"};
  const auto timers = PollingTimers();
  for (int i = 0; i < 4; ++i) {
    const TThreadedTimer* timer = timers[i];
    const std::string name = timerNames[i];
    value(name, [timer] { return timer->Enabled() ? 1 : 0; });
    value(name + ".Interval", [timer] { return timer->Interval(); });
    value(name + ".Priority", [timer] { return WindowsThreadPriority(timer->ThreadPriority()); });
  }
  for (int ch = 0; ch < kChannelCount; ++ch)
    value("chwave" + std::to_string(ch + 1), [this, ch] { return chwave[ch].Sound().Size(); });
  value("Wave", [this] { return clickSound.Sound().Size(); });
  value("Wave2", [this] { return confirmSound.Sound().Size(); });
  value("Wave3", [this] { return refusalSound.Sound().Size(); });
  value("Played", [] { return static_cast<int>(PlayedSoundCount()); });
  value("DXInput1.Device", [this] { return DXInput1->Keyboard().Device() != nullptr ? 1 : 0; });

  // Title-bar buttons: states, hints and where they sit.
  const std::pair<const char*, const TCustomCaptionButton*> buttons[] = {
      {"FormRoller1", FormRoller1.get()},
      {"TrayIcon", TrayIcon.get()},
      {"FormTopmost1", FormTopmost1.get()},
      {"captionlockbtn", captionlockbtn.get()},
      {"RunRWButton", RunRWButton.get()}};
  for (const auto& [buttonName, b] : buttons) {
    const std::string name = std::string(buttonName) + ".";
    value(name + "Down", [b] { return b->Down() ? 1 : 0; });
    value(name + "CommandId", [b] { return static_cast<int>(b->CommandId()); });
    value(name + "Left", [b] { return static_cast<int>(b->ButtonRect().left); });
    value(name + "BtnOrder", [b] { return b->BtnOrder(); });
    // Texts travel as a global atom; the asker reads and deletes it.
    value(name + "Hint", [b] {
      return static_cast<int>(GlobalAddAtomA(b->Hint().empty() ? "-" : b->Hint().c_str()));
    });
    value(name + "MessageWindow",
          [b] { return static_cast<int>(reinterpret_cast<INT_PTR>(b->MessageWindow())); });
    value(name + "MenuChecked", [this, b] {
      return (GetMenuState(GetSystemMenu(Handle(), FALSE), b->CommandId(), MF_BYCOMMAND) &
              MF_CHECKED) != 0
                 ? 1
                 : 0;
    });
  }
  value("FormRoller1.RollUp", [this] { return FormRoller1->RollUp(); });
  value("FormRoller1.RemainHeight", [this] { return FormRoller1->RemainHeight(); });
  value("FormRoller1.RolledHeight", [this] { return FormRoller1->RolledHeightNow(); });
  value("TrayIcon.Visible", [this] { return TrayIcon->Visible() ? 1 : 0; });
}

int TForm1::QueryValue(const std::string& name) const {
  const auto probe = valueProbes_.find(name);
  return probe == valueProbes_.end() ? query::kNoValue : probe->second();
}

bool TForm1::QueryText(const std::string& name, std::string& value) const {
  if (const auto probe = textProbes_.find(name); probe != textProbes_.end()) {
    value = probe->second();
    return true;
  }
  // The families named by a control or a number after their prefix.
  if (name.starts_with("captionfont:")) {
    const auto* panel = dynamic_cast<const TDFWFoldPanel*>(
        TWindow::FromHandle(FindControl(*this, name.substr(12)).window));
    if (!panel) return false;
    value = Describe(panel->CaptionFont());
    return true;
  }
  if (name.starts_with("clipped:")) {
    HWND root = FindControl(*this, name.substr(8)).window;
    if (!root) return false;
    value.clear();
    if (const TWindow* w = TWindow::FromHandle(root)) ListClipped(w, value);
    EnumChildWindows(root, ListClippedIn, reinterpret_cast<LPARAM>(&value));
    return true;
  }
  if (name.starts_with("labels:")) {
    HWND root = FindControl(*this, name.substr(7)).window;
    if (!root) return false;
    value.clear();
    const LabelList list{Handle(), &value};
    if (const TWindow* w = TWindow::FromHandle(root)) ListLabels(w, list);
    EnumChildWindows(root, ListLabelsIn, reinterpret_cast<LPARAM>(&list));
    return true;
  }
  if (name.starts_with("font:")) {
    const Found found = FindControl(*this, name.substr(5));
    if (found.graphic)
      value = Describe(found.graphic->Font());
    else if (found.window)
      value = Describe(reinterpret_cast<HFONT>(SendMessageA(found.window, WM_GETFONT, 0, 0)));
    else
      return false;
    return true;
  }
  if (name.starts_with("Played") && name.size() > 6) {
    TPlayedSound played;
    if (!PlayedSound(static_cast<std::uint32_t>(std::strtoul(name.c_str() + 6, nullptr, 10)),
                     played))
      return false;
    std::string wave = "?";
    if (played.wave == &clickSound) wave = "Wave";
    if (played.wave == &confirmSound) wave = "Wave2";
    if (played.wave == &refusalSound) wave = "Wave3";
    for (int ch = 0; ch < kChannelCount; ++ch)
      if (played.wave == &chwave[ch]) wave = "chwave" + std::to_string(ch + 1);
    value = wave + " " + std::to_string(played.size) + " " + std::to_string(played.flags);
    return true;
  }
  return false;
}

LRESULT TForm1::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT query = RegisterWindowMessageA(query::kValueMessage);
  static const UINT queryText = RegisterWindowMessageA(query::kTextMessage);
  if (msg == query) {
    char name[256] = {};
    if (!GlobalGetAtomNameA(static_cast<ATOM>(wp), name, sizeof name)) return query::kNoValue;
    return QueryValue(name);
  }
  if (msg == queryText) {
    char name[256] = {};
    std::string value;
    if (!GlobalGetAtomNameA(static_cast<ATOM>(wp), name, sizeof name) || !QueryText(name, value))
      return 0;
    std::string answer(1, query::kTextMark);
    answer.append(value, 0, query::kMaxText);
    return GlobalAddAtomA(answer.c_str());
  }
  return TForm::WndProc(msg, wp, lp);
}

}  // namespace hopvox
