// The query message: a test driver or another tool names a value and gets it
// back as the message result. Window controls are read through their own
// messages; this covers what has no window of its own.
#include "core/Form1.h"

namespace hopvox {

int TForm1::QueryValue(const std::string& name) const {
  if (int value = 0; const_cast<TForm1*>(this)->QueryService(name, value)) return value;
  if (name == "lednumber") return lednumber->Value();
  if (name == "lednumber2") return lednumber2->Value();
  for (const auto& led : savedLed)
    if (name == led->Name) return led->Active() ? 1 : 0;
  if (name == "pollInterval") return pollInterval;
  if (name == "activeModifier") return activeModifier;
  if (name == "cpuradiobtns") return cpuradiobtns->ItemIndex();
  if (int value; MiscQueryValue(name, value)) return value;
  if (const int v = QueryChrome(name); v != -9999) return v;
  return -9999;
}

LRESULT TForm1::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT query = RegisterWindowMessageA("Hopvox.Query");
  if (msg == query) {
    char name[256] = {};
    if (!GlobalGetAtomNameA(static_cast<ATOM>(wp), name, sizeof name)) return -9999;
    return QueryValue(name);
  }
  return TForm::WndProc(msg, wp, lp);
}

}  // namespace hopvox
