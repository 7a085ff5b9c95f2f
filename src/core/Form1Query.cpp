// The query message: a test driver or another tool names a value and gets it
// back as the message result. Window controls are read through their own
// messages; this covers what has no window of its own.
#include <cstdlib>

#include "core/Form1.h"
#include "framework/logic/QueryProtocol.h"

namespace hopvox {

// "<tray menu item><part>": the item, when the name ends in that part.
const TMenuItem* TForm1::TrayMenuItem(const std::string& name, const std::string& part) const {
  if (name.size() <= part.size() || !name.ends_with(part)) return nullptr;
  for (const TMenuItem& item : PopupMenu1.Items)
    if (name.compare(0, name.size() - part.size(), item.Name) == 0) return &item;
  return nullptr;
}

int TForm1::QueryValue(const std::string& name) const {
  if (int value = 0; const_cast<TForm1*>(this)->QueryService(name, value)) return value;
  if (name == "lednumber") return lednumber->Value();
  if (name == "lednumber2") return lednumber2->Value();
  for (const auto& led : savedLed)
    if (name == led->Name()) return led->Active() ? 1 : 0;
  if (name == "pollInterval") return pollInterval;
  if (name == "activeModifier") return activeModifier;
  if (name == "cpuradiobtns") return cpuradiobtns->ItemIndex();
  // "DFWFoldPanel<n>": 1 expanded, 0 collapsed; ".GlyphX"/".GlyphY": the
  // middle of its fold glyph in panel coordinates.
  if (name.rfind("DFWFoldPanel", 0) == 0 && name.size() >= 13 && name[12] >= '1' &&
      name[12] <= '6') {
    const TDFWFoldPanel& panel = *DFWFoldPanel[name[12] - '0'];
    const std::string part = name.substr(13);
    const TRect glyph = panel.GlyphRect();
    if (part.empty()) return panel.FoldStatus() == TFoldStatus::fsExpanded;
    if (part == ".GlyphX") return (glyph.Left + glyph.Right) / 2;
    if (part == ".GlyphY") return (glyph.Top + glyph.Bottom) / 2;
  }
  // "<arrows>.UpX" .. ".DownY": the middle of an arrow, window client coordinates.
  for (const TVrUpDown* arrows : {updown.get(), VrUpDown1.get()}) {
    if (name.rfind(arrows->Name() + ".", 0) != 0) continue;
    const std::string part = name.substr(arrows->Name().size() + 1);
    const TRect r = UpDownButtonRect(part.rfind("Up", 0) == 0 ? 0 : 1, arrows->Orientation(),
                                     arrows->Width(), arrows->Height());
    POINT pt{arrows->Left() + (r.Left + r.Right) / 2, arrows->Top() + (r.Top + r.Bottom) / 2};
    MapWindowPoints(arrows->Parent()->Handle(), Handle(), &pt, 1);
    return part.back() == 'X' ? pt.x : pt.y;
  }
  // No input or posted message waits in the queue: everything sent so far has
  // been handled, so a driver can act on what it sees. (Pending paints do not
  // count: the list box of the database panel keeps one.)
  if (name == "InputIdle") return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0;
  if (name == "QueueStatus") return HIWORD(GetQueueStatus(QS_ALLINPUT));
  if (const TMenuItem* item = TrayMenuItem(name, ".Checked")) return item->Checked;
  if (const TMenuItem* item = TrayMenuItem(name, ".Enabled")) return item->Enabled;
  if (const TMenuItem* item = TrayMenuItem(name, ".Default")) return item->Default;
  if (name == "Label34.color") return static_cast<int>(Label34->FontColor());
  if (int value; MiscQueryValue(name, value)) return value;
  if (int value; InspectValue(name, value)) return value;
  if (const int v = QueryChrome(name); v != query::kNoValue) return v;
  return query::kNoValue;
}

bool TForm1::QueryText(const std::string& name, std::string& value) const {
  if (name == "ListBox.hint")
    value = ListBox->Hint();
  else if (name == "captionlockbtn.hint")
    value = captionlockbtn->Hint();
  else if (name == "timerbar.hint")
    value = timerbar->Hint();
  else if (name == "mainServer")
    value = mainServer;
  else if (name == "mainServerPassword")
    value = mainServerPassword;
  else if (name == "passwordArgument")
    value = passwordArgument;
  else if (const TMenuItem* item = TrayMenuItem(name, ".Caption"))
    value = item->Caption;
  else if (InspectText(name, value))
    return true;
  else if (name.rfind("channelAddress", 0) == 0) {
    const int slot = std::atoi(name.c_str() + 14);
    if (slot < 0 || slot >= kChannelCount) return false;
    value = channelAddress[slot];
  } else
    return QueryPlayedSound(name, value);
  return true;
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
