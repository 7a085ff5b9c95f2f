// The name-and-address database panel: a sorted list of names whose
// addresses live only in the database file, read afresh on each selection.
#include <windows.h>

#include "core/Form1.h"
#include "core/logic/SettingsNames.h"
#include "framework/Application.h"
#include "framework/IniFile.h"
#include "framework/SystemCodePage.h"
#include "ui/logic/Database.h"

namespace hopvox {

namespace {

int SelectedEntry(const TListBox& list) {
  for (int i = list.Count() - 1; i >= 0; --i)
    if (list.Selected(i)) return i;
  return -1;
}

}  // namespace

std::string TForm1::DatabasePath() const { return settingsDir + ini::kDatabaseFile; }

void TForm1::ListBoxClick() {
  const int entry = SelectedEntry(*ListBox);
  if (entry < 0) return;
  const std::string name = ListBox->Item(entry);
  listnamebox->SetText(name);
  const TIniFile database(settingsDir + ini::kDatabaseFileReader);
  listipbox->SetText(database.ReadString(ini::kDatabaseSectionReader, name, kNoAddress));
}

void TForm1::ListBoxMouseDown() { listdelete->SetEnabled(true); }

void TForm1::ListBoxMouseMove(int x, int y) {
  const auto reply = static_cast<unsigned long>(
      SendMessageA(ListBox->Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y)));
  const int entry = EntryFromPointReply(reply, ListBox->Count());
  const std::string hint = entry < 0 ? std::string() : ListBox->Item(entry);
  if (hint != ListBox->Hint()) ListBox->SetHint(hint);
}

void TForm1::listnameboxClick() { listdelete->SetEnabled(false); }
void TForm1::listipboxClick() { listdelete->SetEnabled(false); }
void TForm1::DFWFoldPanel1AfterCollaps() { listdelete->SetEnabled(false); }

void TForm1::ListaddClick() {
  confirmSound.Play();
  const std::string name = listnamebox->Text();
  const DatabaseAddPlan plan = PlanAdd(name, ListBox->Items(), SystemCodePage());
  if (plan.refused) {
    refusalSound.Play();
    MessageBoxA(Handle(), plan.refusal, Application().Title().c_str(), MB_OK);
    return;
  }
  TIniFile database(DatabasePath());
  // A failed write throws here: the list then does not show the name.
  database.WriteString(ini::kDatabaseSection, name, listipbox->Text());
  // A name listed already (in any letter case) keeps its one entry; the file
  // holds one key for it, whose value was just replaced.
  if (plan.existing < 0) ListBox->Add(name);
  database.UpdateFile();
}

void TForm1::listdeleteClick() {
  clickSound.Play();
  const int entry = SelectedEntry(*ListBox);
  if (entry < 0) return;
  TIniFile database(DatabasePath());
  database.DeleteKey(ini::kDatabaseSectionReader, ListBox->Item(entry));
  ListBox->Remove(entry);
  database.UpdateFile();
  listdelete->SetEnabled(false);
  listnamebox->SetText("");
  listipbox->SetText("");
}

void TForm1::BindDatabase() {
  SendMessageA(ListBox->Handle(), LB_SETITEMHEIGHT, 0, ScaleToScreen(17));
  ListBox->OnClick = [this] { ListBoxClick(); };
  ListBox->OnMouseDown = [this](TMouseButton, TShiftState, int, int) { ListBoxMouseDown(); };
  ListBox->OnMouseMove = [this](TShiftState, int x, int y) { ListBoxMouseMove(x, y); };
  listnamebox->OnMouseDown = [this](TMouseButton, TShiftState, int, int) { listnameboxClick(); };
  listipbox->OnMouseDown = [this](TMouseButton, TShiftState, int, int) { listipboxClick(); };
  listadd->OnClick = [this] { ListaddClick(); };
  listdelete->OnClick = [this] { listdeleteClick(); };
  DFWFoldPanel[1]->AfterCollaps = [this] { DFWFoldPanel1AfterCollaps(); };
}

}  // namespace hopvox
