// The query message: a test driver or another tool names a value and gets it
// back as the message result. Window controls are read through their own
// messages; this covers what has no window of its own.
#include <cstdlib>

#include "core/Form1.h"

namespace hopvox {

int TForm1::QueryValue(const std::string& name) const {
  if (name == "lednumber") return lednumber->Value();
  if (name == "lednumber2") return lednumber2->Value();
  if (name == "pollInterval") return pollInterval;
  if (name == "activeModifier") return activeModifier;
  if (name == "cpuradiobtns") return cpuradiobtns->ItemIndex();
  if (name == "keysAccepted") return keysAccepted_;
  if (name == "Label34.color") return static_cast<int>(Label34->FontColor());
  if (const int v = QueryChrome(name); v != -9999) return v;
  return -9999;
}

bool TForm1::QueryText(const std::string& name, std::string& value) const {
  if (name == "ListBox.hint") value = ListBox->Hint();
  else if (name == "captionlockbtn.hint") value = captionlockbtn->Hint();
  else if (name == "mainServer") value = mainServer;
  else if (name == "mainServerPassword") value = mainServerPassword;
  else if (name == "passwordArgument") value = passwordArgument;
  else if (name.rfind("channelAddress", 0) == 0) {
    const int slot = std::atoi(name.c_str() + 14);
    if (slot < 0 || slot >= kChannelCount) return false;
    value = channelAddress[slot];
  } else return false;
  return true;
}

LRESULT TForm1::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT query = RegisterWindowMessageA("Hopvox.Query");
  static const UINT queryText = RegisterWindowMessageA("Hopvox.QueryText");
  if (msg == query) {
    char name[256] = {};
    if (!GlobalGetAtomNameA(static_cast<ATOM>(wp), name, sizeof name)) return -9999;
    return QueryValue(name);
  }
  if (msg == queryText) {
    // The answer travels as a global atom holding "=" and the text (at most
    // 254 characters); the asker deletes it. 0: no such value.
    char name[256] = {};
    std::string value;
    if (!GlobalGetAtomNameA(static_cast<ATOM>(wp), name, sizeof name) || !QueryText(name, value)) return 0;
    std::string answer(1, '=');
    answer.append(value, 0, 254);
    return GlobalAddAtomA(answer.c_str());
  }
  return TForm::WndProc(msg, wp, lp);
}

}  // namespace hopvox
