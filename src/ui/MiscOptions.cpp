// The window's small options and outside links: hints, start with Windows,
// the settings file in Notepad, the logo, help, About, the two web links and
// the title-bar button that starts Roger Wilco.
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>

#include "core/Form1.h"
#include "core/Launcher.h"
#include "core/logic/SettingsNames.h"
#include "framework/Application.h"
#include "framework/IniFile.h"
#include "framework/ModulePath.h"
#include "framework/logic/PictureFormat.h"
#include "ui/Autostart.h"
#include "ui/logic/HelpSections.h"

namespace hopvox {

namespace {

constexpr char kAboutText[] =
    "Hopvox XP, written by the Hopvox team\n\rMade in Bristol, England\n\rVersion 1.6 XP";

// The window's built-in pictures; a damaged resource leaves the place empty
// rather than stopping the start.
void ShowResourcePicture(TImage& image, const char* name) {
  try {
    image.SetPicture(TPicture::FromJpegResource(name));
  } catch (const EInvalidGraphic&) {
  }
}

}  // namespace

void TForm1::BindMiscOptions() {
  hintbox->OnClick = [this] { hintboxClick(); };
  windowsstartbox->OnClick = [this] { windowsstartboxClick(); };
  viewSettingsButton->OnClick = [this] { Button1Click(); };
  // Which file "View" opens: beside the program, or the user's copy.
  viewSettingsButton->SetHint("Opens " + settingsDir + ini::kSettingsFile + " in Notepad");
  helpButton->OnClick = [this] { helpbuttonClick(); };
  aboutButton->OnClick = [this] { aboutButtonClick(); };
  if (TMenuItem* item = PopupMenu1.Find("AboutHV1")) item->OnClick = [this] { AboutHV1Click(); };
  // A picture that cannot be shown raises the picture error; the error box
  // shows it and the handler stops there.
  logo->OnClick = [this] { Application().Guard([this] { Image1Click(); }); };
  supportLink->OnClick = [this] { Label34Click(); };
  RunRWButton->OnButtonClick = [this](TCustomCaptionButton&) { RunRWButtonButtonClick(); };
  // The window class takes no double clicks, so the banner counts them itself.
  banner->OnMouseDown = [this](TMouseButton button, TShiftState, int x, int y) {
    if (button != TMouseButton::mbLeft) return;
    const DWORD now = GetMessageTime();
    const bool twice = lastBannerClick_ != 0 && now - lastBannerClick_ <= GetDoubleClickTime() &&
                       std::abs(x - lastBannerX_) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                       std::abs(y - lastBannerY_) <= GetSystemMetrics(SM_CYDOUBLECLK);
    lastBannerClick_ = twice ? 0 : now;
    lastBannerX_ = x;
    lastBannerY_ = y;
    if (twice) Image2DblClick();
  };

  Picturebox.Title = "Browse for an image";
  ShowResourcePicture(*logo, "LOGO");
  ShowResourcePicture(*banner, "BANNER");
  ShowResourcePicture(*Image3, "CHANNELS");
  ShowResourcePicture(*Image4, "KEYS");
}

void TForm1::LoadStoredLogo(const std::string& path) {
  Picturebox.FileName = path;
  if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  // A stored picture that has since been damaged keeps the built-in logo, like
  // a missing one, instead of cutting the start short.
  try {
    logo->SetPicture(TPicture::FromFile(path));
  } catch (const EInvalidGraphic&) {
  }
}

void TForm1::hintboxClick() {
  clickSound.Play();
  Application().SetShowHint(hintbox->Checked());
}

void TForm1::windowsstartboxClick() {
  clickSound.Play();
  const std::string name = Application().Title();
  if (!windowsstartbox->Checked()) {
    if (UnregisterAutostart(name)) return;
    // The box shows what Windows will do: the entry for every user stays.
    Application().ShowError(
        "Hopvox starts with Windows for every user of this computer, and only an administrator "
        "may change that. Run Hopvox as administrator once to untick \"Start with windows\".");
    windowsstartbox->SetChecked(true);
    return;
  }
  const std::string program = ProgramFilePath();
  if (program.empty()) return;  // no name to start: the start-up has said why
  if (RegisterAutostart(name, AutostartCommand(program)) == TAutostartPlace::None)
    Application().ShowError(
        "Hopvox cannot register itself to start with Windows: the registry refused the entry.");
}

void TForm1::Button1Click() {
  ShellExecuteA(GetDesktopWindow(), "Open", "notepad", (settingsDir + "hopvox.ini").c_str(),
                nullptr, SW_SHOWNORMAL);
}

void TForm1::Image1Click() {
  clickSound.Play();
  Picturebox.Filter = kPictureFilter;
  if (!Picturebox.Execute(Handle())) return;
  const std::string path = Picturebox.FileName;
  logo->SetPicture(TPicture::FromFile(path));  // EInvalidGraphic: nothing below happens
  TIniFile settings(SettingsPath());
  settings.WriteString(ini::kLogoSection, ini::kLogo, path);
  settings.UpdateFile();
}

void TForm1::helpbuttonClick() {
  clickSound.Play();
  ShowHelp({});
}

void TForm1::ShowHelp(std::string_view section) {
  programDir = ProgramDir();
  Application().SetHelpFile(programDir + "HOPVOX.TXT");
  if (!helpViewer || !helpViewer->Handle()) {
    helpViewer = std::make_unique<THelpViewer>(Application().HelpFile());
    helpViewer->CenterOnScreen();
  }
  ShowWindow(helpViewer->Handle(), SW_SHOWNORMAL);
  helpViewer->ShowSection(section);
  SetForegroundWindow(helpViewer->Handle());
}

void TForm1::aboutButtonClick() {
  MessageBoxA(Handle(), kAboutText, "Information", MB_ICONINFORMATION | MB_OK);
}

void TForm1::AboutHV1Click() { aboutButton->Click(); }

// We have no web pages: the two links open the help where it says how to get
// Roger Wilco and where to turn for support.
void TForm1::Image2DblClick() { ShowHelp(kHelpGettingRoger); }

void TForm1::Label34Click() { ShowHelp(kHelpSupport); }

void TForm1::RunRWButtonButtonClick() { launch(); }

}  // namespace hopvox
