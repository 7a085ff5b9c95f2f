// Drives the running Hopvox for screenshots (scripts/screenshot-widgets):
//   press NAME X Y       moves the pointer over control NAME and clicks at (X, Y)
//   press NAME --rect F  writes the control's screen rectangle to file F:
//                        left top width height
// It must run on the program's Wine desktop (wine explorer /desktop=NAME ...).
// Controls are found by their window-definition name, as the test driver does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Find {
  std::string name;
  HWND found = nullptr;
};

BOOL CALLBACK Named(HWND wnd, LPARAM lp) {
  auto* f = reinterpret_cast<Find*>(lp);
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(wnd, "HopvoxName")));
  char name[256] = {};
  if (atom && GlobalGetAtomNameA(atom, name, sizeof name) && f->name == name) {
    f->found = wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: press NAME X Y | press NAME --rect FILE\n");
    return 2;
  }
  HWND form = nullptr;
  for (int i = 0; i < 100 && !form; ++i, Sleep(100)) form = FindWindowA(nullptr, "Hopvox v1.6 XP");
  if (!form) {
    std::fprintf(stderr, "no Hopvox window\n");
    return 1;
  }
  Find f{argv[1]};
  EnumChildWindows(form, Named, reinterpret_cast<LPARAM>(&f));
  if (!f.found) {
    std::fprintf(stderr, "no control named %s\n", argv[1]);
    return 1;
  }
  if (std::string(argv[2]) == "--rect") {
    RECT r;
    GetWindowRect(f.found, &r);
    FILE* out = std::fopen(argv[3], "w");
    if (!out) return 1;
    std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fclose(out);
    return 0;
  }
  LPARAM at = MAKELPARAM(std::atoi(argv[2]), std::atoi(argv[3]));
  SendMessageA(f.found, WM_MOUSEMOVE, 0, at);
  SendMessageA(f.found, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(f.found, WM_LBUTTONUP, 0, at);
  // Pointer off the glyph again, so the picture shows the plain glyph.
  SendMessageA(f.found, WM_MOUSEMOVE, 0, MAKELPARAM(150, 100));
  return 0;
}
