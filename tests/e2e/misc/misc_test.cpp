// The window's options and links as a user meets them: start with Windows in
// the registry, hints, choosing a logo, About, help and the settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "driver/Driver.h"
#include "driver/FileDialog.h"
#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValue[] = "Hopvox XP";
// Centre of the logo (204, 171, 170 x 174) in the window's client area.
constexpr int kLogoX = 204 + 85, kLogoY = 171 + 87;
constexpr int kKindBitmap = 1, kKindIcon = 2, kKindMetafile = 3;
// The click sound as the record shows it: flags 7 are asynchronous, from
// memory, no default sound, and no SND_NOSTOP, so a later sound cuts it off.
const std::string kClick = "Wave 646 7";

// The Run value under `root`, or "<none>".
std::string RunValue(HKEY root) {
  char data[1024] = {};
  DWORD size = sizeof data, type = 0;
  HKEY key;
  if (RegOpenKeyExA(root, kRun, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<no key>";
  LONG rc = RegQueryValueExA(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : "<none>";
}

void SetRunValue(HKEY root, const std::string& value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, kRun, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

void DeleteRunValue(HKEY root) {
  HKEY key;
  if (RegOpenKeyExA(root, kRun, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, kValue);
  RegCloseKey(key);
}

// Takes the machine-wide Run key away for the test and puts it back after,
// with its values: the state of a machine whose key the user cannot open.
class MachineRunKeyGone {
 public:
  MachineRunKeyGone() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      char name[512];
      BYTE data[4096];
      for (DWORD i = 0;; ++i) {
        DWORD nameLen = sizeof name, dataLen = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
          break;
        saved_.push_back({name, type, std::string(reinterpret_cast<char*>(data), dataLen)});
      }
      RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kRun);
  }
  ~MachineRunKeyGone() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
      return;
    for (auto& v : saved_)
      RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                     static_cast<DWORD>(v.data.size()));
    RegCloseKey(key);
  }

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::string data;
  };
  std::vector<Value> saved_;
};

std::string SourceFile(const std::string& relative) {
  char buf[1024];
  DWORD n = GetEnvironmentVariableA("HOPVOX_SOURCE", buf, sizeof buf);
  std::string path = std::string(buf, n) + "\\" + relative;
  for (char& c : path)
    if (c == '/') c = '\\';
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A 24-bit bottom-up bitmap file of w x h pixels, green (0, 200, 0) all over,
// or only in its middle `inner` and blue (0, 0, 200) around it.
std::string BitmapFile(int w, int h, SIZE inner = {0, 0}) {
  const int stride = (w * 3 + 3) & ~3;
  const int size = 54 + stride * h;
  std::string f(static_cast<size_t>(size), '\0');
  auto put32 = [&](int at, int v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  f[0] = 'B', f[1] = 'M';
  put32(2, size), put32(10, 54), put32(14, 40), put32(18, w), put32(22, h);
  f[26] = 1, f[28] = 24;
  const int left = (w - inner.cx) / 2, top = (h - inner.cy) / 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool middle =
          inner.cx == 0 || (x >= left && x < left + inner.cx && y >= top && y < top + inner.cy);
      f[54 + y * stride + 3 * x + (middle ? 1 : 0)] = static_cast<char>(200);
    }
  return f;
}

// "logo.emf" and "logo.wmf" in the run's folder: a filled rectangle each.
void WriteMetafiles(const HopvoxRun& run) {
  HDC emf = CreateEnhMetaFileA(nullptr, run.PathOf("logo.emf").c_str(), nullptr, nullptr);
  Rectangle(emf, 0, 0, 60, 40);
  DeleteEnhMetaFile(CloseEnhMetaFile(emf));
  HDC wmf = CreateMetaFileA(run.PathOf("logo.wmf").c_str());
  Rectangle(wmf, 0, 0, 60, 40);
  DeleteMetaFile(CloseMetaFile(wmf));
}

// True when the message box `box` shows the system's `icon`: its icon control
// on the screen, pixel for pixel, against the icon drawn here on the same
// background.
bool ShowsIcon(HWND box, LPCSTR icon) {
  HWND shown = nullptr;
  for (HWND c = GetWindow(box, GW_CHILD); c && !shown; c = GetWindow(c, GW_HWNDNEXT))
    if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) shown = c;
  if (!shown) return false;
  RECT r;
  GetWindowRect(shown, &r);
  const int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bitmap);
  HBRUSH face = CreateSolidBrush(GetPixel(screen, r.left, r.top));  // a transparent corner
  const RECT all{0, 0, w, h};
  FillRect(mem, &all, face);
  DrawIconEx(mem, 0, 0, LoadIconA(nullptr, icon), w, h, 0, nullptr, DI_NORMAL);
  bool same = true;
  for (int y = 0; y < h && same; ++y)
    for (int x = 0; x < w && same; ++x)
      same = GetPixel(mem, x, y) == GetPixel(screen, r.left + x, r.top + y);
  SelectObject(mem, old);
  DeleteObject(face);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return same;
}

// Clicks the logo, picks `file` in the dialog; returns the error box text, if any.
std::string ChooseLogo(const HopvoxRun& run, const std::string& file) {
  run.ClickAt(kLogoX, kLogoY);
  EXPECT_TRUE(run.ChooseFile("Browse for an image", file));
  return run.WaitForMessageBox(std::chrono::milliseconds(1500));
}

std::string LogoEntry(const std::string& path) { return "[Hopvox logo]\r\nlogo=" + path + "\r\n"; }

}  // namespace

TEST(Autostart, UntickDeletesTheMachineValueAndTickWritesTheProgramPath) {
  SetRunValue(HKEY_LOCAL_MACHINE, "stale");
  DeleteRunValue(HKEY_CURRENT_USER);
  HopvoxRun run("autostart_machine");
  run.Start();
  // A first start changes nothing: the box is already ticked.
  EXPECT_TRUE(run.Checked("windowsstartbox"));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "stale");
  const int mark = run.SoundCount();
  run.Click("windowsstartbox");
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kClick});
  EXPECT_FALSE(run.Checked("windowsstartbox"));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "<none>");
  run.Click("windowsstartbox");
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), run.PathOf("hopvox.exe"));
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), "<none>");
  run.Close();
  EXPECT_NE(run.ReadFile("Hopvox.ini").find("autostart=1"), std::string::npos);

  // A stored "off" unticks the box at start-up, which removes the value.
  HopvoxRun off("autostart_stored_off");
  off.WriteFile("Hopvox.ini", "[Hopvox misc]\nautostart=0\n");
  off.Start();
  EXPECT_FALSE(off.Checked("windowsstartbox"));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "<none>");
  // Unticked from code, the box ran its handler, click sound and all.
  const auto sounds = off.SoundsSince(0);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), kClick), 1);
}

TEST(Autostart, WithoutTheMachineKeyTheUsersRunKeyIsUsed) {
  MachineRunKeyGone gone;
  DeleteRunValue(HKEY_CURRENT_USER);
  HopvoxRun run("autostart_user");
  run.Start();
  run.Click("windowsstartbox");
  run.Click("windowsstartbox");
  EXPECT_TRUE(run.Checked("windowsstartbox"));
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), run.PathOf("hopvox.exe"));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "<no key>");  // never created
  run.Click("windowsstartbox");
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), "<none>");
}

// An administrator's entry for every user, which this user may not remove:
// unticking says so and leaves the box ticked, and no entry of the user's
// own is added beside it.
TEST(Autostart, AMachineValueTheUserMayNotRemoveKeepsTheBoxTicked) {
  SetRunValue(HKEY_LOCAL_MACHINE, "C:\\Program Files\\Hopvox\\hopvox.exe");
  DeleteRunValue(HKEY_CURRENT_USER);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, READ_CONTROL | WRITE_DAC, &key),
            ERROR_SUCCESS);
  // Everyone is denied changes to the key; reading stays allowed.
  PSECURITY_DESCRIPTOR locked = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:(D;;0x10006;;;WD)(A;;GA;;;WD)", SDDL_REVISION_1, &locked, nullptr));
  DWORD size = 0;
  RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
  std::vector<BYTE> saved(size);
  ASSERT_EQ(RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data(), &size), ERROR_SUCCESS);
  ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, locked), ERROR_SUCCESS);
  LocalFree(locked);

  HopvoxRun run("autostart_machine_locked");
  run.Start();
  EXPECT_TRUE(run.Checked("windowsstartbox"));
  run.Click("windowsstartbox");
  EXPECT_TRUE(e2e::Contains(run.WaitForMessageBox(), "only an administrator"));
  run.DismissMessageBox();
  EXPECT_TRUE(e2e::WaitFor([&] { return run.Checked("windowsstartbox"); }));
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), "<none>");

  RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data());
  RegCloseKey(key);
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), "C:\\Program Files\\Hopvox\\hopvox.exe");
  run.Close();
  DeleteRunValue(HKEY_LOCAL_MACHINE);
}

TEST(Logo, TheBuiltInLogoAndTheDialogsPictureTypes) {
  HopvoxRun run("logo_dialog");
  run.Start();
  EXPECT_EQ(run.Query("Image1.Kind"), kKindBitmap);
  EXPECT_EQ(run.Query("Image1.Width"), 170);
  EXPECT_EQ(run.Query("Image1.Height"), 174);
  const int mark = run.SoundCount();
  run.ClickAt(kLogoX, kLogoY);
  const std::vector<std::string> expected = {"All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)",
                                             "JPEG (*.jpeg)",
                                             "JPG (*.jpg)",
                                             "Bitmaps (*.bmp)",
                                             "Icons (*.ico)",
                                             "Enhanced Metafiles (*.emf)",
                                             "Metafiles (*.wmf)"};
  EXPECT_EQ(run.FileDialogTypes("Browse for an image"), expected);
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kClick});
  // Cancel: nothing changes.
  PostMessageA(run.WaitForWindow("Browse for an image"), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(e2e::WaitFor(
      [&] { return !run.WaitForWindow("Browse for an image", std::chrono::milliseconds(0)); }));
  EXPECT_EQ(run.Query("Image1.Width"), 170);
  EXPECT_EQ(run.ReadFile("Hopvox.ini").find("logo"), std::string::npos);
}

TEST(Logo, JpegBitmapAndIconAreShownAndStored) {
  HopvoxRun run("logo_choose");
  run.WriteFile("banner.jpg", SourceFile("resources/pictures/banner.jpg"));
  run.WriteFile("green.bmp", BitmapFile(40, 20));
  run.WriteFile("hopvox.ico", SourceFile("resources/pictures/hopvox.ico"));
  run.Start();

  EXPECT_EQ(ChooseLogo(run, run.PathOf("banner.jpg")), "");
  EXPECT_EQ(run.Query("Image1.Kind"), kKindBitmap);
  EXPECT_EQ(run.Query("Image1.Width"), 155);
  EXPECT_EQ(run.Query("Image1.Height"), 30);
  EXPECT_NE(run.ReadFile("Hopvox.ini").find(LogoEntry(run.PathOf("banner.jpg"))),
            std::string::npos);

  EXPECT_EQ(ChooseLogo(run, run.PathOf("green.bmp")), "");
  EXPECT_EQ(run.Query("Image1.Width"), 40);
  EXPECT_EQ(run.Query("Image1.Height"), 20);
  EXPECT_NE(run.ReadFile("Hopvox.ini").find(LogoEntry(run.PathOf("green.bmp"))), std::string::npos);

  EXPECT_EQ(ChooseLogo(run, run.PathOf("hopvox.ico")), "");
  EXPECT_EQ(run.Query("Image1.Kind"), kKindIcon);
  EXPECT_GT(run.Query("Image1.Width"), 0);
  EXPECT_NE(run.ReadFile("Hopvox.ini").find(LogoEntry(run.PathOf("hopvox.ico"))),
            std::string::npos);
}

TEST(Logo, WrongExtensionOrDamagedFileShowsTheErrorAndChangesNothing) {
  HopvoxRun run("logo_refused");
  const std::string jpeg = SourceFile("resources/pictures/banner.jpg");
  run.WriteFile("picture.txt", jpeg);
  run.WriteFile("cut.jpg", jpeg.substr(0, jpeg.size() / 2));
  run.WriteFile("empty.bmp", "");
  run.WriteFile("Hopvox.ini", "[Hopvox timing]\r\nTiming=70\r\n");
  run.Start();
  const std::string before = run.ReadFile("Hopvox.ini");
  for (const char* file : {"picture.txt", "cut.jpg", "empty.bmp"}) {
    const std::string error = ChooseLogo(run, run.PathOf(file));
    EXPECT_NE(error.find(file), std::string::npos) << file << ": " << error;
    run.DismissMessageBox();
    EXPECT_EQ(run.Query("Image1.Width"), 170) << file;  // still the built-in logo
    EXPECT_EQ(run.ReadFile("Hopvox.ini"), before) << file;
  }
  EXPECT_TRUE(run.Running());
}

TEST(Logo, TheStoredLogoComesBackAtTheNextStart) {
  HopvoxRun run("logo_stored");
  run.WriteFile("small.bmp", BitmapFile(60, 50));
  run.WriteFile("Hopvox.ini", LogoEntry(run.PathOf("small.bmp")));
  run.WriteFile("big.bmp", BitmapFile(400, 300, {170, 174}));
  WriteMetafiles(run);
  run.Start();
  EXPECT_EQ(run.Query("Image1.Width"), 60);
  EXPECT_EQ(run.Query("Image1.Height"), 50);

  // The dialog opens on the stored picture; a larger picture fills the logo's
  // place and is cut at its edges; metafiles are shown as such.
  run.ClickAt(kLogoX, kLogoY);
  HWND dialog = run.WaitForWindow("Browse for an image");
  ASSERT_NE(dialog, nullptr);
  char name[MAX_PATH] = {};
  SendMessageA(e2e::FileNameBox(dialog), WM_GETTEXT, sizeof name, reinterpret_cast<LPARAM>(name));
  EXPECT_NE(std::string(name).find("small.bmp"), std::string::npos) << name;
  EXPECT_TRUE(run.ChooseFile("Browse for an image", run.PathOf("big.bmp")));
  ASSERT_EQ(run.Query("Image1.Width"), 400);
  // Only the picture's green middle shows, corner to corner, and neither of
  // its colours outside the logo's place.
  const unsigned green = 0x00C800, blue = 0x0000C8;
  EXPECT_TRUE(e2e::WaitFor([&] {
    return e2e::PixelsOf(run, "Form1", {204, 171, 205, 172}) == std::vector<unsigned>{green} &&
           e2e::PixelsOf(run, "Form1", {373, 344, 374, 345}) == std::vector<unsigned>{green};
  })) << "the picture's middle is not where the logo is";
  // The whole window painted again, as when a window that covered it goes.
  RedrawWindow(run.Form(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  run.Settle();
  for (RECT outside : {RECT{kLogoX, 168, kLogoX + 1, 169}, RECT{376, kLogoY, 377, kLogoY + 1}}) {
    const std::vector<unsigned> pixel = e2e::PixelsOf(run, "Form1", outside);
    EXPECT_NE(pixel, std::vector<unsigned>{green});
    EXPECT_NE(pixel, std::vector<unsigned>{blue});
  }
  for (const char* file : {"logo.emf", "logo.wmf"}) {
    EXPECT_EQ(ChooseLogo(run, run.PathOf(file)), "") << file;
    EXPECT_EQ(run.Query("Image1.Kind"), kKindMetafile) << file;
    EXPECT_NE(run.ReadFile("Hopvox.ini").find(LogoEntry(run.PathOf(file))), std::string::npos);
  }
  run.Close();

  // Gone or damaged since: the built-in logo, and the start goes on.
  HopvoxRun gone("logo_stored_gone");
  gone.WriteFile("bad.jpg", "not a jpeg");
  gone.WriteFile("Hopvox.ini",
                 LogoEntry(gone.PathOf("bad.jpg")) + "[Hopvox timing]\r\nTiming=90\r\n");
  gone.Start();
  EXPECT_EQ(gone.Query("Image1.Width"), 170);
  EXPECT_EQ(gone.Query("pollInterval"), 90);
}

TEST(Links, AboutBoxHelpWindowAndSettingsFileInNotepad) {
  HopvoxRun run("links");
  run.Start();
  run.Click("aboutButton");
  HWND box = run.WaitForWindow("Information");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), run.Form());
  EXPECT_TRUE(e2e::WaitFor([&] { return ShowsIcon(box, IDI_INFORMATION); }));
  EXPECT_FALSE(ShowsIcon(box, IDI_WARNING));  // the comparison tells icons apart
  const std::string about = run.WaitForMessageBox();
  EXPECT_EQ(about.substr(about.size() - 16), "\n\rVersion 1.6 XP");
  EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 2);
  run.DismissMessageBox();

  const int mark = run.SoundCount();
  run.Click("helpButton");
  HWND help = run.WaitForWindow("Hopvox Help");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(run.SoundsSince(mark), std::vector<std::string>{kClick});
  char text[16384] = {};
  SendMessageA(FindWindowExA(help, nullptr, "Edit", nullptr), WM_GETTEXT, sizeof text,
               reinterpret_cast<LPARAM>(text));
  for (const char* topic : {"CHANNELS", "HOTKEYS", "MAIN SERVER", "NAME AND IP DATABASE"})
    EXPECT_NE(std::string(text).find(topic), std::string::npos) << topic;
  EXPECT_EQ(run.Query("helpViewer"), 1);

  // The two links open the help where it speaks of them.
  HWND edit = FindWindowExA(help, nullptr, "Edit", nullptr);
  auto firstLine = [&] { return SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0); };
  auto shows = [&](const char* heading) {
    std::string all(65536, '\0');
    all.resize(static_cast<size_t>(
        SendMessageA(edit, WM_GETTEXT, all.size(), reinterpret_cast<LPARAM>(all.data()))));
    const size_t at = all.find(heading);
    if (at == std::string::npos) return false;
    RECT view{};
    GetClientRect(edit, &view);
    const auto y = static_cast<short>(HIWORD(SendMessageA(edit, EM_POSFROMCHAR, at, 0)));
    return firstLine() > 0 && y >= 0 && y < view.bottom;
  };
  // A double click on the banner, its two presses as close together as a user's.
  for (int press = 0; press < 2; ++press) {
    PostMessageA(run.Form(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(230, 15));
    PostMessageA(run.Form(), WM_LBUTTONUP, 0, MAKELPARAM(230, 15));
  }
  run.Settle();
  EXPECT_TRUE(e2e::WaitFor([&] { return shows("8. GETTING ROGER WILCO"); }));
  run.ClickAt(240, 149);  // "HV Support Website"
  EXPECT_TRUE(e2e::WaitFor([&] { return shows("9. SUPPORT"); }));
  run.Click("helpButton");  // the help itself opens at its top
  EXPECT_TRUE(e2e::WaitFor([&] { return firstLine() == 0; }));
  // Closed, it comes back at the next press.
  PostMessageA(help, WM_CLOSE, 0, 0);
  ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(help); }));
  run.Click("helpButton");
  EXPECT_NE(run.WaitForWindow("Hopvox Help"), nullptr);
}

namespace {

struct FindNotepad {
  HWND found;
};

BOOL CALLBACK FindNotepadProc(HWND wnd, LPARAM lp) {
  char title[256] = {};
  GetWindowTextA(wnd, title, sizeof title);
  std::string t = title;
  for (char& c : t) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  if (IsWindowVisible(wnd) && t.find("hopvox.ini") != std::string::npos &&
      t.find("notepad") != std::string::npos) {
    reinterpret_cast<FindNotepad*>(lp)->found = wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

TEST(Links, ViewOpensTheSettingsFileInNotepad) {
  HopvoxRun run("view_settings");
  run.Start();
  run.Click("Button1");
  FindNotepad f{nullptr};
  EXPECT_TRUE(e2e::WaitFor([&] {
    EnumWindows(FindNotepadProc, reinterpret_cast<LPARAM>(&f));
    return f.found != nullptr;
  }));
  if (f.found) {  // the editor this test caused: ended by its own process id
    DWORD pid = 0;
    GetWindowThreadProcessId(f.found, &pid);
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(p, 0);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
}

TEST(Links, TheHelpFileBesideTheProgramIsTheOneShownWhereverItIsStartedFrom) {
  HopvoxRun run("help_file");
  run.WriteFile("HOPVOX.TXT", "Our own help\nsecond line\n");
  // Started from a folder with a help file of its own, as from a shortcut.
  CreateDirectoryA(run.PathOf("working").c_str(), nullptr);
  run.WriteFile("working\\HOPVOX.TXT", "The working folder's help\n");
  run.Start(run.PathOf("working"));
  run.Click("helpButton");
  HWND help = run.WaitForWindow("Hopvox Help");
  ASSERT_NE(help, nullptr);
  char text[1024] = {};
  SendMessageA(FindWindowExA(help, nullptr, "Edit", nullptr), WM_GETTEXT, sizeof text,
               reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Our own help\r\nsecond line\r\n");
}

TEST(Links, TheRButtonStartsRogerWilcoWithNoParameters) {
  HopvoxRun run("run_roger");
  run.Start();
  run.PressCaptionButton("RunRWButton");
  EXPECT_EQ(run.WaitForRoger(1), std::vector<std::string>{""});
}

TEST(Links, TheTrayMenusAboutHvShowsTheAboutBox) {
  HopvoxRun run("about_tray");
  run.Start();
  run.PressCaptionButton("TrayIcon");
  // From the top, Up wraps to "Exit"; the next Up skips the separator to "About HV".
  run.TrayMenu({VK_UP, VK_UP, VK_RETURN});
  EXPECT_EQ(run.WaitForMessageBox().substr(0, 6), "Hopvox");
  EXPECT_NE(run.WaitForWindow("Information"), nullptr);
  run.DismissMessageBox();
}
