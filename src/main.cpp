// The main sequence.
#include <windows.h>
#include <objbase.h>

#include <memory>

#include "chrome/CaptionButton.h"
#include "chrome/mdTHEMES.h"
#include "core/Form1.h"
#include "framework/Application.h"
#include "framework/SystemLibrary.h"
#include "services/VrAudio.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace hopvox;
  // Before anything is loaded by name.
  RemoveWorkingFolderFromLibrarySearch();
  LoadSystemLibrariesAhead();
  // The shell may hand a launch to its extensions, which need COM on this thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  // The theme library before any window.
  ThemeLibraryStart();
  TApplication& app = Application();
  app.SetTitle("Hopvox XP");
  // Replaced by the Help button before any use.
  app.SetHelpFile("C:\\Program Files\\Hopvox\\HOPVOX.HLP");
  // A window or resource that cannot be made ends the program, with its
  // reason in the error box rather than without a word. The title-bar
  // buttons' tooltip window comes before any form.
  std::unique_ptr<TForm1> form;
  app.Guard([&] {
    CaptionTooltipWindow();
    app.Handle();
    form = std::make_unique<TForm1>();
  });
  int code = 1;
  if (form) {
    app.SetMainForm(form.get());
    app.Guard([&] { form->FormCreate(); });
    form->CenterOnScreen();
    app.ShowMainForm();
    code = app.Run();
    LetTheSoundPlayOut(1000);
    app.SetMainForm(nullptr);
    form.reset();
  }
  ThemeLibraryEnd();
  CoUninitialize();
  return code;
}
