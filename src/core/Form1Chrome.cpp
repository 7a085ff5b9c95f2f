// The title-bar buttons of the main window, their system-menu entries and
// the tray icon, with the values of the window definition.
#include "core/Form1.h"
#include "framework/logic/QueryProtocol.h"

namespace hopvox {

namespace {
void HandPointers(TACaptionButton& b) {
  b.SetCursor(LoadCursor(nullptr, IDC_HAND));
  b.SetCursorDown(LoadCursor(nullptr, IDC_HAND));
}
}  // namespace

void TForm1::BuildCaptionButtons() {
  XPThemeAPI1 = std::make_unique<TXPThemeAPI>(this);

  FormRoller1 = std::make_unique<TFormRoller>(*this);
  TrayIcon = std::make_unique<TFormTrayIcon>(*this);
  FormTopmost1 = std::make_unique<TFormTopmost>(*this);
  captionlockbtn = std::make_unique<TCaptionButton>(*this);
  RunRWButton = std::make_unique<TCaptionButton>(*this);

  {
    TACaptionButton& b = FormRoller1->CaptionButton();
    b.SetBtnOrder(2);
    HandPointers(b);
    b.SetHint("Roll up");
    b.SetSeparatorWidth(2);
    FormRoller1->SystemMenu().SetCaption("Roll up");
    FormRoller1->SystemMenu().SetPosition(7);
    FormRoller1->SystemMenu().SetSeparators(seBefore);
  }
  {
    TACaptionButton& b = TrayIcon->CaptionButton();
    b.SetBtnOrder(3);
    HandPointers(b);
    b.SetHint("Minimize to system tray");
    b.SetSeparatorWidth(2);
    TrayIcon->SetHint("Hopvox");
    TrayIcon->SetOptions(oOneClickRestore | oShowAtDesignTime);
    TrayIcon->SetPopupMenu(&PopupMenu1);
    TrayIcon->SetPopupMenuRestoreItem(PopupMenu1.Find("Maximise1"));
    TWin2kInfoBalloon& balloon = TrayIcon->Win2kInfoBalloon();
    balloon.Enabled = true;
    balloon.Text = "Hopvox";
    balloon.Icon = TWin2kInfoIcon::iiInfo;
  }
  {
    TACaptionButton& b = FormTopmost1->CaptionButton();
    b.SetBtnOrder(1);
    HandPointers(b);
    b.SetHint("Stay on top");
    b.SetSeparatorWidth(2);
    FormTopmost1->SystemMenu().SetApplyToMenu(true);
    FormTopmost1->SystemMenu().SetCaption("Always on &top");
    FormTopmost1->SystemMenu().SetPosition(7);
    FormTopmost1->SystemMenu().SetSeparators(seBefore);
  }
  TcbSignFont sign;
  sign.bold = true;
  {
    TCaptionButton& b = *captionlockbtn;
    b.SetAllowPress(true);
    b.SetBtnOrder(4);
    b.SetCursor(LoadCursor(nullptr, IDC_HAND));
    b.SetCursorDown(LoadCursor(nullptr, IDC_HAND));
    b.SetDown(true);
    UniqueBitmap flat(TCustomCaptionButton::LoadGlyph("CB_KEY_FLAT"));
    UniqueBitmap upright(TCustomCaptionButton::LoadGlyph("CB_KEY_UPRIGHT"));
    b.SetGlyph(flat.get());
    b.SetGlyphDown(upright.get());
    b.SetHint(lock::kLockedHint);
    b.SetSeparatorWidth(2);
    b.SetSignFont(sign);
    b.SetSign('U');
  }
  {
    TCaptionButton& b = *RunRWButton;
    b.SetBtnOrder(0);
    b.SetHint("Run Roger Wilco");
    b.SetSeparatorWidth(2);
    b.SetSignFont(sign);
    b.SetSign('R');
    b.SystemMenu().SetApplyToMenu(true);
    b.SystemMenu().SetCaption("Run Roger Wilco");
    b.SystemMenu().SetPosition(8);
  }
  // The load steps, in the order of the definition.
  for (TCustomCaptionButton* b : std::initializer_list<TCustomCaptionButton*>{
           FormRoller1.get(), TrayIcon.get(), FormTopmost1.get(), captionlockbtn.get(),
           RunRWButton.get()})
    b->Loaded();
}

// "<component>.<value>" for the test driver: states of the title-bar buttons,
// their hints and where they sit (client x of the button's left edge).
int TForm1::QueryChrome(const std::string& name) const {
  const auto dot = name.find('.');
  if (dot == std::string::npos) return query::kNoValue;
  const std::string component = name.substr(0, dot), value = name.substr(dot + 1);
  const TCustomCaptionButton* b = nullptr;
  if (component == "FormRoller1") b = FormRoller1.get();
  if (component == "TrayIcon") b = TrayIcon.get();
  if (component == "FormTopmost1") b = FormTopmost1.get();
  if (component == "captionlockbtn") b = captionlockbtn.get();
  if (component == "RunRWButton") b = RunRWButton.get();
  if (!b) return query::kNoValue;
  if (value == "Down") return b->Down();
  if (value == "CommandId") return b->CommandId();
  if (value == "Left") return b->ButtonRect().left;
  if (value == "BtnOrder") return b->BtnOrder();
  if (value == "RollUp" && b == FormRoller1.get()) return FormRoller1->RollUp();
  if (value == "RemainHeight" && b == FormRoller1.get()) return FormRoller1->RemainHeight();
  if (value == "RolledHeight" && b == FormRoller1.get()) return FormRoller1->RolledHeightNow();
  if (value == "Visible" && b == TrayIcon.get()) return TrayIcon->Visible();
  // Texts travel as a global atom; the asker reads and deletes it.
  if (value == "Hint") return GlobalAddAtomA(b->Hint().empty() ? "-" : b->Hint().c_str());
  if (value == "MessageWindow")
    return static_cast<int>(reinterpret_cast<INT_PTR>(b->MessageWindow()));
  if (value == "MenuChecked")
    return (GetMenuState(GetSystemMenu(Handle(), FALSE), b->CommandId(), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
  return query::kNoValue;
}

}  // namespace hopvox
