#include "driver/Driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "driver/FileDialog.h"
#include "framework/logic/QueryProtocol.h"

namespace e2e {

std::string Env(const char* name) {
  char buf[1024];
  const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

namespace {

// How long a user's button press lasts: pressing is input with a duration,
// not a wait for the program.
constexpr int kPressMs = 80;

std::string RequiredEnv(const char* name) {
  std::string value = Env(name);
  if (value.empty()) throw std::runtime_error(std::string("environment variable missing: ") + name);
  return value;
}

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string p = dir + "\\" + name;
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(p);
      } else {
        DeleteFileA(p.c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(dir.c_str());
}

struct Search {
  const std::function<bool(HWND)>* match;
  HWND found;
};

BOOL CALLBACK SearchProc(HWND wnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (!(*s->match)(wnd)) return TRUE;
  s->found = wnd;
  return FALSE;
}

// The first window (top-level, or child of `parent`) that `match` accepts.
HWND FindWindowWhere(HWND parent, const std::function<bool(HWND)>& match) {
  Search search{&match, nullptr};
  if (parent) {
    EnumChildWindows(parent, SearchProc, reinterpret_cast<LPARAM>(&search));
  } else {
    EnumWindows(SearchProc, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

DWORD ProcessOf(HWND wnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  return pid;
}

std::string TextOf(HWND wnd) {
  char text[256] = {};
  GetWindowTextA(wnd, text, sizeof text);
  return text;
}

std::string ClassOf(HWND wnd) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  return cls;
}

HWND MessageBoxOf(DWORD pid) {
  return FindWindowWhere(nullptr, [pid](HWND w) {
    return ProcessOf(w) == pid && ClassOf(w) == "#32770" && IsWindowVisible(w);
  });
}

std::string StaticTextOf(HWND box) {
  std::string text;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) != "Static") continue;
    char buf[1024] = {};
    GetWindowTextA(c, buf, sizeof buf);
    if (buf[0]) text = buf;
  }
  return text;
}

void CopyOrThrow(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from);
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    Sleep(20);
  }
  return done();
}

HopvoxRun::HopvoxRun(const std::string& name) {
  const std::string root = RequiredEnv("HOPVOX_TESTROOT");
  CreateDirectoryA(root.c_str(), nullptr);
  folder_ = root + "\\" + name;
  RemoveTree(folder_);
  CreateDirectoryA(folder_.c_str(), nullptr);
  exe_ = folder_ + "\\hopvox.exe";
  CopyOrThrow(RequiredEnv("HOPVOX_EXE"), exe_);
  CopyOrThrow(RequiredEnv("ROGER_EXE"), folder_ + "\\roger.exe");
}

HopvoxRun::HopvoxRun(const InPlace& existing)
    : folder_(existing.folder),
      exe_(existing.folder + "\\hopvox.exe"),
      wideFolder_(existing.wideFolder) {}

HopvoxRun::~HopvoxRun() {
  if (Running()) Kill();
  if (process_.hProcess) CloseHandle(process_.hProcess);
  if (process_.hThread) CloseHandle(process_.hThread);
}

void HopvoxRun::WriteFile(const std::string& file, const std::string& content) const {
  std::ofstream out(PathOf(file), std::ios::binary);
  out << content;
}

std::string HopvoxRun::ReadFile(const std::string& file) const {
  std::ifstream in(PathOf(file), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string HopvoxRun::ReadLines(const std::string& file) const {
  std::string lines;
  for (char c : ReadFile(file))
    if (c != '\r') lines += c;
  return lines;
}

bool HopvoxRun::FileExists(const std::string& file) const {
  return GetFileAttributesA(PathOf(file).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// Starts `exe` in `folder`. A start refused while the copy just made is not
// yet readable to the loader (seen once under a busy Wine) is tried once more
// when it is; the error codes say which it was.
PROCESS_INFORMATION StartProgram(const std::string& exe, const std::string& folder) {
  // On the desktop the test is on (the shell tests have one of their own).
  char desktop[64] = "";
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desktop,
                            sizeof desktop, nullptr);
  std::string onDesktop = std::string("WinSta0\\") + desktop;
  auto start = [&](PROCESS_INFORMATION& pi) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (std::string(desktop) != "Default") si.lpDesktop = onDesktop.data();
    std::string cmd = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &pi) != FALSE;
  };
  PROCESS_INFORMATION pi{};
  if (start(pi)) return pi;
  const DWORD first = GetLastError();
  WaitFor([&] {
    HANDLE f = CreateFileA(exe.c_str(), GENERIC_READ | GENERIC_EXECUTE, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    CloseHandle(f);
    return true;
  });
  if (start(pi)) return pi;
  throw std::runtime_error("cannot start " + exe + ": error " + std::to_string(first) + ", then " +
                           std::to_string(GetLastError()));
}

}  // namespace

HANDLE HopvoxRun::StartAnother(const std::string& workingFolder) const {
  PROCESS_INFORMATION pi = StartProgram(exe_, workingFolder.empty() ? folder_ : workingFolder);
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

void HopvoxRun::Start(const std::string& workingFolder) {
  Launch(workingFolder);
  WaitForForm();
}

void HopvoxRun::Launch(const std::string& workingFolder) {
  if (!wideFolder_.empty()) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    const std::wstring exe = wideFolder_ + L"\\hopvox.exe";
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        wideFolder_.c_str(), &si, &process_))
      throw std::runtime_error("cannot start hopvox.exe: error " + std::to_string(GetLastError()));
    pid_ = process_.dwProcessId;
    return;
  }
  process_ = StartProgram(exe_, workingFolder.empty() ? folder_ : workingFolder);
  pid_ = process_.dwProcessId;
}

void HopvoxRun::WaitForForm() {
  WaitFor([&] {
    form_ = FindWindowWhere(
        nullptr, [this](HWND w) { return ProcessOf(w) == pid_ && TextOf(w) == "Hopvox v1.6 XP"; });
    return form_ != nullptr && IsWindowVisible(form_);
  });
  if (!form_) throw std::runtime_error("the main window did not appear");
  // Ready for input once start-up's queued work has run and the title-bar
  // buttons have their places (they are laid out when the frame first paints).
  Settle();
  if (!WaitFor([&] { return Query("RunRWButton.Left") > 0; }))
    throw std::runtime_error("the title bar never painted");
  Settle();
}

void HopvoxRun::Settle() const {
  if (!WaitFor([&] { return Query("InputIdle") == 1; }))
    throw std::runtime_error("the program stays busy, queue status " +
                             std::to_string(Query("QueueStatus")));
}

bool HopvoxRun::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD HopvoxRun::WaitForExit(std::chrono::milliseconds limit) const {
  DWORD code = STILL_ACTIVE;
  if (WaitFor([&] { return !Running(); }, limit)) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND HopvoxRun::Control(const std::string& name) const {
  HWND found = FindWindowWhere(form_, [&name](HWND w) {
    auto atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(w, hopvox::query::kNameProperty)));
    char text[256];
    return atom && GlobalGetAtomNameA(atom, text, sizeof text) && name == text;
  });
  if (!found) throw std::runtime_error("no control named " + name);
  return found;
}

int HopvoxRun::Query(const std::string& name) const {
  static const UINT msg = RegisterWindowMessageA(hopvox::query::kValueMessage);
  ATOM atom = GlobalAddAtomA(name.c_str());
  DWORD_PTR result = 0;
  SendMessageTimeoutA(form_, msg, atom, 0, SMTO_NORMAL, 5000, &result);
  GlobalDeleteAtom(atom);
  return static_cast<int>(static_cast<LONG_PTR>(result));
}

std::string HopvoxRun::QueryText(const std::string& name) const {
  static const UINT msg = RegisterWindowMessageA(hopvox::query::kTextMessage);
  ATOM atom = GlobalAddAtomA(name.c_str());
  DWORD_PTR result = 0;
  SendMessageTimeoutA(form_, msg, atom, 0, SMTO_NORMAL, 5000, &result);
  GlobalDeleteAtom(atom);
  char text[256] = {};
  const auto answer = static_cast<ATOM>(result);
  if (!answer || !GlobalGetAtomNameA(answer, text, sizeof text) ||
      text[0] != hopvox::query::kTextMark)
    throw std::runtime_error("no text value " + name);
  GlobalDeleteAtom(answer);
  return text + 1;
}

std::string HopvoxRun::Text(const std::string& control) const {
  char buf[4096] = {};
  SendMessageA(Control(control), WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  return buf;
}

void HopvoxRun::SetText(const std::string& control, const std::string& text) const {
  SendMessageA(Control(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool HopvoxRun::Checked(const std::string& control) const {
  return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool HopvoxRun::Enabled(const std::string& control) const {
  return IsWindowEnabled(Control(control));
}

int HopvoxRun::HotKey(const std::string& control) const {
  return hopvox::query::HotKeyCodeOf(LOWORD(SendMessageA(Control(control), HKM_GETHOTKEY, 0, 0)));
}

namespace {
// Clicks are numbered; the callback records the highest one answered. The
// answer can come after Click has returned (a modal box was up), so it must
// not point into Click's stack frame.
ULONG_PTR g_clicksSent = 0, g_clicksAnswered = 0;
void CALLBACK Handled(HWND, UINT, ULONG_PTR click, LRESULT) {
  g_clicksAnswered = std::max(g_clicksAnswered, click);
}
}  // namespace

void HopvoxRun::Click(const std::string& control) const {
  // Sent without waiting for the answer: a click may open a modal box, which
  // must not block the driver. Done when the handler has returned or the box
  // is up; the answer arrives as a callback while this thread looks at its queue.
  const ULONG_PTR click = ++g_clicksSent;
  SendMessageCallbackA(Control(control), BM_CLICK, 0, 0, Handled, click);
  WaitFor([&] {
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
    return g_clicksAnswered >= click || MessageBoxOf(pid_) != nullptr;
  });
}

int HopvoxRun::SoundCount() const { return Query("Played"); }

std::vector<std::string> HopvoxRun::SoundsSince(int mark) const {
  std::vector<std::string> sounds;
  for (int n = mark + 1, count = SoundCount(); n <= count; ++n)
    sounds.push_back(QueryText("Played" + std::to_string(n)));
  return sounds;
}

POINT HopvoxRun::CaptionButtonPoint(const std::string& name) const {
  if (!WaitFor([&] { return Query(name + ".Left") > 0; }))
    throw std::runtime_error(name + " never painted");
  POINT pt{Query(name + ".Left") + 4, -4};
  ClientToScreen(form_, &pt);
  return pt;
}

void HopvoxRun::PressCaptionButton(const std::string& name) const {
  // Pressed and released where the user would: on the button in the title bar.
  const POINT pt = CaptionButtonPoint(name);
  const int id = Query(name + ".CommandId");
  // The pointer goes there first: the moves and hit tests the system makes
  // from the real pointer while the button holds the capture must agree with
  // the press, or the button sees the pointer leave and drops the click.
  MoveTo(pt);
  const LPARAM at = MAKELPARAM(pt.x, pt.y);
  if (SendMessageA(form_, WM_NCHITTEST, 0, at) != id)
    throw std::runtime_error(name + " is not under its own point");
  SendMessageA(form_, WM_NCLBUTTONDOWN, static_cast<WPARAM>(id), at);
  Settle();
  SendMessageA(form_, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, 0));
  Settle();
}

void HopvoxRun::MoveTo(POINT screen) const {
  MouseTo(screen);
  WaitFor([&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == screen.x && now.y == screen.y;
  });
  Settle();
}

void HopvoxRun::TrayMenu(std::initializer_list<WPARAM> keys) const {
  // A user can reach the menu only from the icon, there while the window is
  // in the tray.
  if (!Query("TrayIcon.Visible")) throw std::runtime_error("the tray menu without the tray icon");
  auto tray = reinterpret_cast<HWND>(static_cast<INT_PTR>(Query("TrayIcon.MessageWindow")));
  constexpr UINT kTrayCallback = 0x3A64;
  PostMessageA(tray, kTrayCallback, 0, WM_RBUTTONDOWN);
  PostMessageA(tray, kTrayCallback, 0, WM_RBUTTONUP);
  HWND menu = nullptr;
  auto open = [&] {
    return (menu = FindWindowWhere(nullptr, [this](HWND w) {
              return ProcessOf(w) == pid_ && ClassOf(w) == "#32768" && IsWindowVisible(w);
            })) != nullptr;
  };
  if (!WaitFor(open)) throw std::runtime_error("the tray menu did not open");
  // Posted: the menu's own loop reads them from the queue, in order. The menu
  // opens under the pointer, which may light the item it rests on: Home
  // starts from the first item, so the first Up lands on the last one, as it
  // does from no selection.
  PostMessageA(menu, WM_KEYDOWN, VK_HOME, 0);
  for (WPARAM key : keys) PostMessageA(menu, WM_KEYDOWN, key, 0);
  WaitFor([&] { return !IsWindowVisible(menu) || MessageBoxOf(pid_) != nullptr; });
}

std::vector<std::string> HopvoxRun::TaskbarButtons() const {
  std::vector<std::string> titles;
  FindWindowWhere(nullptr, [&](HWND w) {
    const LONG_PTR ex = GetWindowLongPtrA(w, GWL_EXSTYLE);
    if (ProcessOf(w) == pid_ && IsWindowVisible(w) &&
        ((!GetWindow(w, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW)) || (ex & WS_EX_APPWINDOW)))
      titles.push_back(TextOf(w));
    return false;
  });
  return titles;
}

std::vector<std::string> HopvoxRun::UnownedWindows() const {
  std::vector<std::string> classes;
  FindWindowWhere(nullptr, [&](HWND w) {
    if (ProcessOf(w) == pid_ && IsWindowVisible(w) && !GetWindow(w, GW_OWNER))
      classes.push_back(ClassOf(w));
    return false;
  });
  return classes;
}

HWND HopvoxRun::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &info);
  return info.hwndFocus;
}

void HopvoxRun::Focus(const std::string& control) const {
  HWND wnd = Control(control);
  DWORD thread = GetWindowThreadProcessId(wnd, nullptr);
  AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
  SetForegroundWindow(form_);
  SetFocus(wnd);
  AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
}

void HopvoxRun::ParkFocus() const { Focus("Panel1"); }

POINT HopvoxRun::ScreenPoint(const std::string& control, int x, int y) const {
  POINT pt{x, y};
  ClientToScreen(control == "Form1" ? form_ : Control(control), &pt);
  return pt;
}

void HopvoxRun::MoveMouse(const std::string& control, int x, int y) const {
  MoveTo(ScreenPoint(control, x, y));
}

void HopvoxRun::PressAt(const std::string& control, int x, int y, void (*down)(),
                        void (*up)()) const {
  MoveMouse(control, x, y);
  down();
  Settle();
  Sleep(kPressMs);
  up();
  Settle();
}

void HopvoxRun::ClickAt(const std::string& control, int x, int y) const {
  PressAt(control, x, y, LeftDown, LeftUp);
}

void HopvoxRun::MiddleClickAt(const std::string& control, int x, int y) const {
  PressAt(control, x, y, MiddleDown, MiddleUp);
}

void HopvoxRun::DragTo(const std::string& from, int fx, int fy, const std::string& to, int tx,
                       int ty) const {
  const POINT a = ScreenPoint(from, fx, fy), b = ScreenPoint(to, tx, ty);
  MoveTo(a);
  LeftDown();
  Settle();
  for (int i = 1; i <= 10; ++i) {
    Sleep(kPressMs / 2);
    MoveTo({a.x + (b.x - a.x) * i / 10, a.y + (b.y - a.y) * i / 10});
  }
  LeftUp();
  Settle();
}

void HopvoxRun::ExpandFoldPanel(int n) const {
  std::string panel = "DFWFoldPanel";
  panel += std::to_string(n);  // not "a" + b: gcc 12 warns falsely (-Wrestrict) on that
  if (Query(panel) == 1) return;
  ClickAt(panel, Query(panel + ".GlyphX"), Query(panel + ".GlyphY"));
  // Open once it has its full height: its children are placed then.
  if (!WaitFor([&] {
        RECT r{};
        GetWindowRect(Control(panel), &r);
        return Query(panel) == 1 && r.bottom - r.top > 14;
      }))
    throw std::runtime_error(panel + " did not open");
  Settle();
}

std::string HopvoxRun::ListItem(const std::string& list, int index) const {
  // Asked in wide characters: Wine carries the ANSI form of this message
  // across processes cut to its first character.
  wchar_t wide[1024] = {};
  if (SendMessageW(Control(list), LB_GETTEXTLEN, index, 0) >= 1024) return {};
  SendMessageW(Control(list), LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
  char buf[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, buf, sizeof buf, nullptr, nullptr);
  return buf;
}

int HopvoxRun::ListCount(const std::string& list) const {
  return static_cast<int>(SendMessageA(Control(list), LB_GETCOUNT, 0, 0));
}

std::string HopvoxRun::WaitForMessageBox(std::chrono::milliseconds limit) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = MessageBoxOf(pid_)) != nullptr; }, limit);
  return box ? StaticTextOf(box) : std::string();
}

bool HopvoxRun::DismissMessageBox() const { return AnswerMessageBox(IDOK); }

bool HopvoxRun::AnswerMessageBox(int button) const {
  HWND box = MessageBoxOf(pid_);
  if (!box) return false;
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  WaitFor([&] { return !IsWindow(box); }, std::chrono::seconds(5));
  return !IsWindow(box);
}

std::vector<std::string> HopvoxRun::MessageBoxButtons() const {
  std::vector<std::string> captions;
  HWND box = MessageBoxOf(pid_);
  for (HWND c = box ? GetWindow(box, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT))
    if (ClassOf(c) == "Button" && IsWindowVisible(c)) captions.push_back(TextOf(c));
  return captions;
}

namespace {

struct FindTitled {
  DWORD pid;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK FindTitledProc(HWND wnd, LPARAM lp) {
  auto* f = reinterpret_cast<FindTitled*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  char title[256] = {};
  GetWindowTextA(wnd, title, sizeof title);
  if (pid == f->pid && *f->title == title && IsWindowVisible(wnd)) {
    f->found = wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND HopvoxRun::WaitForWindow(const std::string& title, std::chrono::milliseconds limit) const {
  FindTitled f{pid_, &title, nullptr};
  WaitFor(
      [&] {
        EnumWindows(FindTitledProc, reinterpret_cast<LPARAM>(&f));
        return f.found != nullptr;
      },
      limit);
  return f.found;
}

void HopvoxRun::ClickAt(int x, int y) const {
  PostMessageA(form_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  PostMessageA(form_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(form_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Settle();
}

std::vector<std::string> HopvoxRun::FileDialogTypes(const std::string& title) const {
  std::vector<std::string> types;
  HWND dlg = WaitForWindow(title);
  if (!dlg) return types;
  HWND combo = GetDlgItem(dlg, 0x470);  // cmb1: files of type
  const int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    // The dialog keeps its lists in Unicode; the ANSI message hands back one character.
    wchar_t wide[256] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
    char buf[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, buf, sizeof buf, nullptr, nullptr);
    types.push_back(buf);
  }
  return types;
}

bool HopvoxRun::ChooseFile(const std::string& title, const std::string& path) const {
  HWND dlg = WaitForWindow(title);
  if (!dlg) return false;
  HWND edit = FileNameBox(dlg);
  if (!edit) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
  WaitFor([&] { return !IsWindow(dlg); }, std::chrono::seconds(5));
  return !IsWindow(dlg);
}

std::string HopvoxRun::Close() {
  PostMessageA(form_, WM_CLOSE, 0, 0);
  std::string text = WaitForMessageBox();
  DismissMessageBox();
  WaitFor([&] { return !Running(); });
  return text;
}

void HopvoxRun::Kill() {
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
}

std::vector<std::string> HopvoxRun::RogerLog() const {
  // Each line of the sequence file: creation time, process id, parameters.
  std::string seq = ReadFile("roger.log.seq");
  std::vector<std::pair<std::string, std::string>> starts;
  std::istringstream in(seq);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() < 27) continue;
    starts.emplace_back(line.substr(0, 26), line.substr(27));
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> log;
  for (auto& s : starts) log.push_back(s.second);
  return log;
}

void HopvoxRun::AddToDatabase(const std::string& name, const std::string& address) const {
  SetText("listnamebox", name);
  SetText("listipbox", address);
  Click("listadd");
}

std::vector<std::string> HopvoxRun::PressInAnotherProgram(WORD modifier, WORD key) const {
  const FocusThief other;
  const std::size_t before = RogerLog().size();
  if (modifier)
    Chord(modifier, key);
  else
    Tap(key);
  return WaitForRoger(before + 1);
}

int HopvoxRun::CaptureHotKey(const std::string& box, WORD key) const {
  ClickAt(box, 30, 9);
  Focus(box);
  Tap(key);
  int value = 0;
  WaitFor([&] { return (value = HotKey(box)) != 0; });
  return value;
}

std::vector<std::string> HopvoxRun::WaitForRoger(size_t count,
                                                 std::chrono::milliseconds limit) const {
  std::vector<std::string> log;
  WaitFor([&] { return (log = RogerLog()).size() >= count; }, limit);
  // Starts already under way (a tick that is launching) land once their
  // stand-in has ended.
  Settle();
  WaitFor([] { return RogersRunning() == 0; });
  return RogerLog();
}

int RogersRunning() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int n = 0;
  for (BOOL more = Process32First(snap, &entry); more; more = Process32Next(snap, &entry))
    n += lstrcmpiA(entry.szExeFile, "roger.exe") == 0;
  CloseHandle(snap);
  return n;
}

namespace {

// The keys of the navigation block and the right-hand modifiers share scan
// codes with the keypad and the left-hand ones; the extended flag tells them apart.
bool Extended(WORD vk) {
  switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_DIVIDE:
    case VK_NUMLOCK:
      return true;
    default:
      return false;
  }
}

void SendKey(WORD vk, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = flags | (Extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &in, sizeof in);
}

}  // namespace

void KeyDown(WORD vk) { SendKey(vk, 0); }
void KeyUp(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

void Tap(WORD vk, int holdMs) {
  KeyDown(vk);
  Sleep(holdMs);
  KeyUp(vk);
}

void Chord(WORD modifier, WORD vk) {
  KeyDown(modifier);
  Tap(vk);
  KeyUp(modifier);
}

namespace {
void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x;
  in.mi.dy = y;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}
}  // namespace

bool EndTheSession() {
  char dir[MAX_PATH] = {};
  GetSystemDirectoryA(dir, sizeof dir);
  std::string command = std::string(dir) + "\\wineboot.exe -e -s";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  const bool ended = WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ended;
}

void MouseTo(POINT screen) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  // Absolute coordinates run 0..65535 over the screen; aim at the pixel's centre.
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65536 + 32768) / w,
            (screen.y * 65536 + 32768) / h);
}

void LeftDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void LeftUp() { SendMouse(MOUSEEVENTF_LEFTUP); }
void MiddleDown() { SendMouse(MOUSEEVENTF_MIDDLEDOWN); }
void MiddleUp() { SendMouse(MOUSEEVENTF_MIDDLEUP); }
void RightDown() { SendMouse(MOUSEEVENTF_RIGHTDOWN); }
void RightUp() { SendMouse(MOUSEEVENTF_RIGHTUP); }

FocusThief::FocusThief() {
  wnd_ = CreateWindowExA(0, "EDIT", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                         200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(wnd_);
  SetFocus(wnd_);
  // Keys sent before the focus change is over can be lost: a note about it
  // handled later makes Wine set the key state to the physical keyboard's.
  const auto pump = [] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  };
  WaitFor([&] {
    pump();
    return GetForegroundWindow() == wnd_ && GetFocus() == wnd_;
  });
  pump();
}

FocusThief::~FocusThief() { DestroyWindow(wnd_); }

}  // namespace e2e
