// Inspection for the test driver: what a user sees of the window, read inside
// the program, where font, cursor and tooltip handles mean something.
//   "font:<control>"  the font the control draws with: "<face>|<height>|<weight>"
//                     ("none" when it draws with the system font)
//   "captionfont:<fold panel>"  the same for a fold panel's caption
//   "hint"            the text of the hint showing now, empty when none shows
//   "captionhint"     the same for the title-bar buttons' tooltip
//   "cursor"          the pointer shape: 1 hand, 2 I-beam, 3 arrow, 4 no-drop, 0 another
//   "hintTools"       how many controls have a hint in the hint window
//   "clipped:<control>"  the windowless controls in and under that control
//                     that stick out sideways from their parent (a label also
//                     at the bottom), and the buttons, check boxes and radio
//                     buttons whose text does not fit, by name or caption,
//                     each followed by ";"
//   "labels:<control>"  the labels showing in and under that control, each as
//                     "<caption>|<left>|<top>|<width>|<height>;" in the main
//                     window's client coordinates
//   "hintHidePause"   how long a hint stays up, in milliseconds
#include <windows.h>

#include <commctrl.h>

#include "chrome/CaptionButton.h"
#include "core/Form1.h"
#include "framework/Application.h"
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/Label.h"
#include "widgets/DFWFoldPanel.h"

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

}  // namespace

bool TForm1::InspectValue(const std::string& name, int& value) const {
  if (name == "hintTools") {
    value = static_cast<int>(SendMessageA(Application().HintWindow(), TTM_GETTOOLCOUNT, 0, 0));
    return true;
  }
  if (name == "hintHidePause") {
    value = static_cast<int>(
        SendMessageA(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    return true;
  }
  if (name != "cursor") return false;
  const HCURSOR now = GetCursor();
  const struct {
    LPCSTR shape;
    int code;
  } shapes[] = {{IDC_HAND, 1}, {IDC_IBEAM, 2}, {IDC_ARROW, 3}, {IDC_NO, 4}};
  value = 0;
  for (const auto& s : shapes)
    if (now == LoadCursorA(nullptr, s.shape)) value = s.code;
  return true;
}

bool TForm1::InspectText(const std::string& name, std::string& value) const {
  if (name == "hint") {
    value = ShowingTip(Application().HintWindow());
    return true;
  }
  if (name == "captionhint") {
    value = ShowingTip(CaptionTooltipWindow());
    return true;
  }
  if (name.rfind("captionfont:", 0) == 0) {
    const auto* panel = dynamic_cast<const TDFWFoldPanel*>(
        TWindow::FromHandle(FindControl(*this, name.substr(12)).window));
    if (!panel) return false;
    value = Describe(panel->CaptionFont());
    return true;
  }
  if (name.rfind("clipped:", 0) == 0) {
    HWND root = FindControl(*this, name.substr(8)).window;
    if (!root) return false;
    value.clear();
    if (const TWindow* w = TWindow::FromHandle(root)) ListClipped(w, value);
    EnumChildWindows(root, ListClippedIn, reinterpret_cast<LPARAM>(&value));
    return true;
  }
  if (name.rfind("labels:", 0) == 0) {
    HWND root = FindControl(*this, name.substr(7)).window;
    if (!root) return false;
    value.clear();
    const LabelList list{Handle(), &value};
    if (const TWindow* w = TWindow::FromHandle(root)) ListLabels(w, list);
    EnumChildWindows(root, ListLabelsIn, reinterpret_cast<LPARAM>(&list));
    return true;
  }
  if (name.rfind("font:", 0) != 0) return false;
  const Found found = FindControl(*this, name.substr(5));
  if (found.graphic)
    value = Describe(found.graphic->Font());
  else if (found.window)
    value = Describe(reinterpret_cast<HFONT>(SendMessageA(found.window, WM_GETFONT, 0, 0)));
  else
    return false;
  return true;
}

}  // namespace hopvox
