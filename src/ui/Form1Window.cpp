// The edit lock, the fold panels, the two page controls kept on the same
// page, focus parking and the link's hover colour.
#include <windows.h>

#include "core/Form1.h"
#include "ui/logic/LockOrder.h"

namespace hopvox {

void TForm1::SetLockableEnabled(bool on) {
  for (TWindow* c : lockable_) {
    c->SetEnabled(on);
    // The hot-key box does not repaint on its own when its state changes.
    InvalidateRect(c->Handle(), nullptr, TRUE);
  }
}

void TForm1::captionlockbtnPressed() {
  captionlockbtn->SetHint(lock::kLockedHint);
  SetLockableEnabled(false);
}

void TForm1::captionlockbtnReleased() {
  captionlockbtn->SetHint(lock::kUnlockedHint);
  SetLockableEnabled(true);
}

void TForm1::ParkFocus() {
  // Only while the window is the active one: the pointer passing over it must
  // not pull the activation away from another program.
  if (GetActiveWindow() != Handle()) return;
  SetActiveControl(addressPanel.get());
}

void TForm1::DFWFoldPanelFoldClick(int number) {
  clickSound.Play();
  // Raised first, so that an expanding panel lies over the caption bars below it.
  DFWFoldPanel[number]->BringToFront();
  if (number == 4) timerbar->SetPosition(pollInterval);
}

void TForm1::DFWFoldPanelClick(int number) {
  for (int n = 1; n <= 6; ++n)
    if (n != number) DFWFoldPanel[n]->SetFoldStatus(TFoldStatus::fsCollapsed);
}

void TForm1::AddressPageShow(int page) { PageControl3->SetActivePage(hotkeyPages[page].get()); }

void TForm1::HotkeyPageMouseMove(int page) {
  // Selecting the page already shown fires nothing, so the two sides cannot
  // chase each other.
  PageControl2->SetActivePage(addressPages[page].get());
  ParkFocus();
}

void TForm1::FormMouseMove() {
  supportLink->SetFontColor(RGB(0, 0, 0));
  ParkFocus();
}

void TForm1::Label34MouseMove() { supportLink->SetFontColor(RGB(128, 128, 128)); }

void TForm1::Image1MouseMove() { supportLink->SetFontColor(RGB(0, 0, 0)); }

void TForm1::BindWindowHandlers() {
  captionlockbtn->OnPressed = [this](TCustomCaptionButton&) { captionlockbtnPressed(); };
  captionlockbtn->OnReleased = [this](TCustomCaptionButton&) { captionlockbtnReleased(); };
  for (int n = 1; n <= 6; ++n) {
    DFWFoldPanel[n]->OnFoldClick = [this, n](TDFWFoldPanel&, TFoldStatus, bool&) {
      DFWFoldPanelFoldClick(n);
    };
    DFWFoldPanel[n]->OnClick = [this, n] { DFWFoldPanelClick(n); };
  }
  for (int p = 0; p < 4; ++p) {
    addressPages[p]->OnShow = [this, p] { AddressPageShow(p); };
    hotkeyPages[p]->OnMouseMove = [this, p](TShiftState, int, int) { HotkeyPageMouseMove(p); };
  }
  OnMouseMove = [this](TShiftState, int, int) { FormMouseMove(); };
  for (TWindow* surface :
       {static_cast<TWindow*>(addressPanel.get()), static_cast<TWindow*>(Panel2.get()),
        static_cast<TWindow*>(Panel3.get()), static_cast<TWindow*>(DFWFoldPanel[2].get())})
    surface->OnMouseMove = [this](TShiftState, int, int) { ParkFocus(); };
  Image3->OnMouseMove = [this](TShiftState, int, int) { ParkFocus(); };
  supportLink->OnMouseMove = [this](TShiftState, int, int) { Label34MouseMove(); };
  logo->OnMouseMove = [this](TShiftState, int, int) { Image1MouseMove(); };
}

}  // namespace hopvox
