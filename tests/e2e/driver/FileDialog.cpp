#include "driver/FileDialog.h"

#include <dlgs.h>

namespace e2e {

namespace {

struct ClassSearch {
  const char* className;
  HWND found;
};

BOOL CALLBACK FindByClass(HWND wnd, LPARAM lp) {
  auto* s = reinterpret_cast<ClassSearch*>(lp);
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (lstrcmpiA(cls, s->className) != 0) return TRUE;
  s->found = wnd;
  return FALSE;
}

HWND FindClass(HWND within, const char* className) {
  ClassSearch s{className, nullptr};
  EnumChildWindows(within, FindByClass, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindById(HWND wnd, LPARAM lp) {
  auto* s = reinterpret_cast<IdSearch*>(lp);
  if (GetDlgCtrlID(wnd) != s->id) return TRUE;
  s->found = wnd;
  return FALSE;
}

std::string TextOf(HWND wnd) {
  // Asked through the message: another process's edit keeps its own text.
  char text[MAX_PATH] = {};
  SendMessageA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

HWND DialogItem(HWND dialog, int id) {
  IdSearch s{id, nullptr};
  EnumChildWindows(dialog, FindById, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND FileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, 0x47c))
    if (HWND edit = FindClass(combo, "Edit")) return edit;
  return GetDlgItem(dialog, 0x480);
}

bool FocusFileList(const HopvoxRun& run, HWND dialog) {
  HWND list = FindClass(dialog, "SysListView32");
  if (!list) return false;
  RECT r{};
  GetClientRect(list, &r);
  POINT corner{r.right - 8, r.bottom - 8};
  ClientToScreen(list, &corner);
  run.MoveTo(corner);
  LeftDown();
  LeftUp();
  run.Settle();
  return true;
}

std::string SelectInFileList(const HopvoxRun& run, HWND dialog, WORD key) {
  HWND name = FileNameBox(dialog);
  if (!name) return {};
  const std::string before = TextOf(name);
  Tap(key);
  std::string now;
  WaitFor([&] { return (now = TextOf(name)) != before; }, std::chrono::seconds(5));
  run.Settle();
  return now;
}

void ChooseFileType(HWND dialog, int index) {
  HWND types = GetDlgItem(dialog, cmb1);
  SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  // What the drop-down tells its dialog when a pick closes it; some dialogs
  // act on the first, some on the second.
  for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(types));
}

std::vector<std::string> FileListNames(const HopvoxRun& run, HWND dialog) {
  std::vector<std::string> names;
  HWND list = FindClass(dialog, "SysListView32");
  if (!list) return names;
  // The list hands its texts back through a record in its own process: one
  // is made there, filled, and read back. The test and the program are built
  // for the same bitness, so the record's layout is the same on both sides.
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               run.ProcessId());
  if (!process) return names;
  constexpr SIZE_T kText = MAX_PATH;
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kText,
                                                   MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (remote) {
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      LVITEMA item{};
      item.iSubItem = 0;
      item.pszText = remote + sizeof(LVITEMA);
      item.cchTextMax = static_cast<int>(kText);
      char text[kText] = {};
      if (!WriteProcessMemory(process, remote, &item, sizeof item, nullptr)) break;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(remote));
      if (!ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kText - 1, nullptr)) break;
      names.push_back(text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return names;
}

TClientPixels ClientPixels(HWND window) {
  TClientPixels p;
  RECT r{};
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  p.width = r.right;
  p.height = r.bottom;
  HDC screen = GetDC(nullptr);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
      p.rgb.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  ReleaseDC(nullptr, screen);
  return p;
}

std::string BitmapFileOf(int width, int height, unsigned rgb) {
  const int stride = (width * 3 + 3) & ~3;
  const int size = 54 + stride * height;
  std::string f(static_cast<size_t>(size), '\0');
  auto put32 = [&](int at, int v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  f[0] = 'B', f[1] = 'M';
  put32(2, size), put32(10, 54), put32(14, 40), put32(18, width), put32(22, height);
  f[26] = 1, f[28] = 24;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c)
        f[54 + y * stride + 3 * x + c] = static_cast<char>((rgb >> (8 * c)) & 0xFF);
  return f;
}

}  // namespace e2e
