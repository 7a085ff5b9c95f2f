// The window as its definition lays it out: where each window control sits in
// its parent, what it says, and the faces of the fold panels' captions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include "driver/Looks.h"

using e2e::HopvoxRun;

namespace {

constexpr int kAny = -1;  // a value the definition leaves open

struct Placed {
  const char* name;
  int left, top, width, height;
  const char* caption;  // nullptr: not checked
};

// Positions are within the parent the control was placed on.
const Placed kDefinition[] = {
    {"Panel1", 6, 5, 195, 284, nullptr},
    {"Panel4", 377, 5, 195, 284, nullptr},
    {"Panel3", 6, 301, 195, 41, nullptr},
    {"Panel2", 378, 301, 195, 41, nullptr},
    {"DFWFoldPanel2", 202, 37, 173, kAny, nullptr},
    {"DFWFoldPanel3", 202, 51, 173, kAny, nullptr},
    {"DFWFoldPanel5", 202, 65, 173, kAny, nullptr},
    {"DFWFoldPanel4", 202, 79, 173, kAny, nullptr},
    {"DFWFoldPanel6", 202, 93, 173, kAny, nullptr},
    {"DFWFoldPanel1", 202, 107, 173, kAny, nullptr},
    {"ipbox1", kAny, 16, 161, 19, nullptr},
    {"ipbox4", kAny, 136, 161, 19, nullptr},
    {"ipbox16", kAny, 136, 161, 19, nullptr},
    {"HotKey1", kAny, 16, 129, 19, nullptr},
    {"HotKey8", kAny, 56, 129, 19, nullptr},
    {"HotKey20", kAny, 136, 129, 19, nullptr},
    {"Accept1", 88, 158, kAny, kAny, "Accept"},
    {"Accept4", 88, 158, kAny, kAny, "Accept"},
    {"ctrlbutton", kAny, kAny, kAny, kAny, "Ctrl"},
    {"altbutton", kAny, kAny, kAny, kAny, "Alt"},
    {"shftbutton", kAny, kAny, kAny, kAny, "Shft"},
    {"nonbutton", kAny, kAny, kAny, kAny, "None"},
    {"serverip", kAny, kAny, 138, 19, nullptr},
    {"serverpassword", kAny, kAny, 138, 19, nullptr},
    {"serverbox", kAny, kAny, kAny, kAny, "Use Default Server"},
    {"hotkey7", 24, 72, 57, 19, nullptr},
    {"hotkey6", 24, 108, 57, 19, nullptr},
    {"HotKey15", 24, 72, 57, 19, nullptr},
    {"HotKey16", 24, 108, 57, 19, nullptr},
    {"Acceptvolume", 96, 104, kAny, kAny, "Accept"},
    {"Acceptmic", 96, 104, kAny, kAny, "Accept"},
    {"windowsstartbox", kAny, kAny, kAny, kAny, "Start with windows"},
    {"hintbox", kAny, kAny, kAny, kAny, "Show hints"},
    {"Button1", 48, 104, kAny, kAny, "View"},
    {"ListBox", 0, 16, 145, 106, nullptr},
    {"listnamebox", 0, 139, 145, 19, nullptr},
    {"listipbox", 0, 179, 145, 19, nullptr},
    {"listadd", 1, 200, kAny, kAny, "Add"},
    {"listdelete", 95, 200, kAny, kAny, "Delete"},
    {"aboutButton", kAny, kAny, kAny, kAny, "About"},
    {"exitButton", kAny, kAny, kAny, kAny, "Exit"},
    {"helpButton", kAny, kAny, kAny, kAny, "Help"},
    {"enablebox", kAny, kAny, kAny, kAny, "Enabled"},
};

void ExpectPart(int actual, int expected, const char* what, const char* control) {
  if (expected != kAny) {
    EXPECT_EQ(actual, expected) << control << " " << what;
  }
}

// A value as the registry keeps it.
struct Stored {
  DWORD type;
  std::string data;
};
Stored Text(const std::string& text) { return {REG_SZ, text + '\0'}; }

// Sets values under a key of the current user for one test and puts the old
// ones back. Wine reads the colours afresh in each program it starts.
class UserSettings {
 public:
  UserSettings(const char* key, const std::map<std::string, Stored>& values) {
    RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    for (const auto& [name, value] : values) {
      char old[256] = {};
      DWORD size = sizeof old, type = 0;
      const bool had = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
      old_.push_back({name, had, {type, std::string(old, had ? size : 0)}});
      RegSetValueExA(key_, name.c_str(), 0, value.type,
                     reinterpret_cast<const BYTE*>(value.data.data()),
                     static_cast<DWORD>(value.data.size()));
    }
  }
  ~UserSettings() {
    for (const Old& o : old_) {
      if (o.had)
        RegSetValueExA(key_, o.name.c_str(), 0, o.value.type,
                       reinterpret_cast<const BYTE*>(o.value.data.data()),
                       static_cast<DWORD>(o.value.data.size()));
      else
        RegDeleteValueA(key_, o.name.c_str());
    }
    RegCloseKey(key_);
  }
  UserSettings(const UserSettings&) = delete;
  UserSettings& operator=(const UserSettings&) = delete;

 private:
  struct Old {
    std::string name;
    bool had;
    Stored value;
  };
  HKEY key_ = nullptr;
  std::vector<Old> old_;
};

// Each label showing in and under `control` must have text pixels that stand
// out from its background (the colour most of its box has).
void ExpectLabelsReadable(const HopvoxRun& run, const std::string& control) {
  std::istringstream labels(run.QueryText("labels:" + control));
  std::string entry;
  int seen = 0;
  while (std::getline(labels, entry, ';')) {
    std::istringstream fields(entry);
    std::string caption, part;
    std::getline(fields, caption, '|');
    int v[4] = {};
    for (int& x : v) {
      std::getline(fields, part, '|');
      x = std::stoi(part);
    }
    const std::vector<unsigned> pixels =
        e2e::PixelsOf(run, "Form1", {v[0], v[1], v[0] + v[2], v[1] + v[3]});
    std::map<unsigned, int> counts;
    for (unsigned p : pixels) ++counts[p];
    unsigned background = 0;
    int most = 0;
    for (const auto& [colour, n] : counts)
      if (n > most) most = n, background = colour;
    const auto distance = [](unsigned a, unsigned b) {
      int d = 0;
      for (int shift : {0, 8, 16})
        d +=
            std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
      return d;
    };
    int text = 0;
    for (unsigned p : pixels)
      if (distance(p, background) >= 200) ++text;
    EXPECT_GT(text, 3) << control << ": \"" << caption << "\" on " << std::hex << background;
    ++seen;
  }
  EXPECT_GT(seen, 0) << control;
}

}  // namespace

TEST(Layout, EveryControlSitsWhereTheDefinitionPutsItAndSaysWhatItSays) {
  HopvoxRun run("look_layout");
  run.Start();
  RECT client{};
  GetClientRect(run.Form(), &client);
  EXPECT_EQ(client.right, 577);
  EXPECT_EQ(client.bottom, 348);
  for (const Placed& p : kDefinition) {
    const HWND control = run.Control(p.name);
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    ExpectPart(r.left, p.left, "left", p.name);
    ExpectPart(r.top, p.top, "top", p.name);
    ExpectPart(r.right - r.left, p.width, "width", p.name);
    ExpectPart(r.bottom - r.top, p.height, "height", p.name);
    if (p.caption) {
      EXPECT_EQ(run.Text(p.name), p.caption) << p.name;
    }
  }
  // The database list shows whole entries of 17 pixels.
  const HWND list = run.Control("ListBox");
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 17);
  GetClientRect(list, &client);
  EXPECT_EQ(client.bottom % 17, 0);

  // Opened, "Miscellaneous" shows every text whole: the fold glyph's band makes
  // its client narrower than the panel ("120" at the bar's end lost its "0").
  run.ExpandFoldPanel(4);
  EXPECT_EQ(run.QueryText("clipped:DFWFoldPanel4"), "");
}

TEST(Layout, FoldPanelCaptionsAreInArial) {
  HopvoxRun run("look_fold_captions");
  run.Start();
  for (int n = 1; n <= 6; ++n) {
    std::string panel = "DFWFoldPanel";
    panel += std::to_string(n);  // not "a" + b: gcc 12 warns falsely (-Wrestrict) on that
    const std::string font = run.QueryText("captionfont:" + panel);
    EXPECT_EQ(font.substr(0, font.find('|')), "Arial") << panel;
  }
}

// With high contrast's colours (Wine has no high-contrast switch: its answer
// to the question is always "off", so the colours alone must do), every label
// stays readable: none keeps black on the now black button face or sits on a
// white page in white.
TEST(Layout, LabelsReadableInHighContrastBlack) {
  const UserSettings colours("Control Panel\\Colors", {{"ButtonFace", Text("0 0 0")},
                                                       {"ButtonText", Text("255 255 255")},
                                                       {"Window", Text("0 0 0")},
                                                       {"WindowText", Text("255 255 255")},
                                                       {"GrayText", Text("0 255 0")}});
  HopvoxRun run("look_high_contrast");
  run.Start();
  for (const char* side : {"Panel1", "Panel4"}) ExpectLabelsReadable(run, side);
  // From the bottom of the stack up, so no opened panel covers the next glyph.
  for (int n : {1, 4, 5, 3, 2}) {
    run.ExpandFoldPanel(n);
    std::string panel = "DFWFoldPanel";
    panel += std::to_string(n);
    ExpectLabelsReadable(run, panel);
  }
}

// Forms grow with the screen's pixels per inch, as their fonts do: at "large
// fonts" (120) and at 144 the window is larger by that much and no text is
// cut, whether of a label or of a button, check box or radio button ("Shft"
// showed as "Shf" when only the fonts grew). Run by densities.sh once for
// each density, each in a session of its own: Windows, and Wine 10, take the
// pixels per inch at the start of the session (Wine 8 took a change at once).
TEST(Layout, NoTextCutAtTheScreenDensity) {
  char given[16] = {};
  GetEnvironmentVariableA("HOPVOX_DENSITY", given, sizeof given);
  const int perInch = std::atoi(given);
  if (perInch <= 0) GTEST_SKIP() << "run by densities.sh, with the density in HOPVOX_DENSITY";
  // Measured in the screen's own pixels: the system scales what a program
  // that does not declare itself aware of the density reads of another's
  // windows (Windows since Vista, Wine 10; Wine 8 did not).
  using AwareCall = BOOL(WINAPI*)();
  const auto beAware = reinterpret_cast<AwareCall>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
  ASSERT_NE(beAware, nullptr);
  beAware();
  std::string name = "look_density_";
  name += std::to_string(perInch);
  HopvoxRun run(name);
  run.Start();
  RECT client{};
  GetClientRect(run.Form(), &client);
  EXPECT_EQ(client.right, MulDiv(577, perInch, 96));
  EXPECT_EQ(client.bottom, MulDiv(348, perInch, 96));
  for (const char* side : {"Panel1", "Panel2", "Panel3"})
    EXPECT_EQ(run.QueryText(std::string("clipped:") + side), "") << side;
  // At 96 the last stroke of "None" has always lacked a pixel; that window
  // is kept exactly as it was.
  EXPECT_EQ(run.QueryText("clipped:Panel4"), perInch == 96 ? "nonbutton;" : "");
  for (int n : {1, 6, 4, 5, 3, 2}) {
    std::string panel = "DFWFoldPanel";
    panel += std::to_string(n);
    run.ExpandFoldPanel(n);
    EXPECT_EQ(run.QueryText("clipped:" + panel), "") << panel;
  }
}
