// The title-bar buttons of the main window, their system-menu entries and
// the tray icon, with the values of the window definition.
#include "core/Form1.h"

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

}  // namespace hopvox
