// The main sequence.
#include <windows.h>
#include <objbase.h>

#include "chrome/CaptionButton.h"
#include "chrome/mdTHEMES.h"
#include "core/Form1.h"
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace hopvox;
  // The shell may hand a launch to its extensions, which need COM on this thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  // The theme library before any window, the title-bar buttons' tooltip
  // window before any form.
  ThemeLibraryStart();
  TApplication& app = Application();
  CaptionTooltipWindow();
  app.SetTitle("Hopvox XP");
  // Replaced by the Help button before any use.
  app.SetHelpFile("C:\\Program Files\\Hopvox\\HOPVOX.HLP");
  app.Handle();
  int code = 0;
  {
    TForm1 form;
    app.SetMainForm(&form);
    app.Guard([&] { form.FormCreate(); });
    form.CenterOnScreen();
    ShowWindow(form.Handle(), SW_SHOW);
    code = app.Run();
    app.SetMainForm(nullptr);
  }
  ThemeLibraryEnd();
  CoUninitialize();
  return code;
}
