#pragma once
// End-to-end driver: runs hopvox.exe in a fresh folder holding the settings
// files a test prepared, finds its windows and controls by name, drives them
// through window messages and injected input, closes it and hands back the
// files it left, including the stand-in's log of every "roger" start.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// An environment variable's value, empty when it is not set.
std::string Env(const char* name);
bool Contains(const std::string& text, const std::string& part);

// Waits until `done` holds or the time is up; pumps nothing.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::seconds(10));

class HopvoxRun {
 public:
  // A fresh folder <testroot>\<name> with hopvox.exe and roger.exe in it.
  explicit HopvoxRun(const std::string& name);
  // The hopvox.exe already in `folder` (an unpacked download): nothing is
  // copied there, and the folder is left as the run leaves it.
  struct InPlace {
    std::string folder;
    // Where set, the program is started by this name of the folder, which
    // the code page may not spell (`folder` then its short form).
    std::wstring wideFolder = {};
  };
  explicit HopvoxRun(const InPlace& existing);
  ~HopvoxRun();
  HopvoxRun(const HopvoxRun&) = delete;
  HopvoxRun& operator=(const HopvoxRun&) = delete;

  const std::string& Folder() const { return folder_; }
  std::string PathOf(const std::string& file) const { return folder_ + "\\" + file; }
  void WriteFile(const std::string& file, const std::string& content) const;
  std::string ReadFile(const std::string& file) const;
  // The same with the line ends as "\n", for comparing whole files.
  std::string ReadLines(const std::string& file) const;
  bool FileExists(const std::string& file) const;

  // Starts the program (working folder: the run's folder unless given) and
  // waits until it is ready for input.
  void Start(const std::string& workingFolder = {});
  // Start in two halves, for a start-up that shows a box before its window.
  void Launch(const std::string& workingFolder = {});
  void WaitForForm();
  // Starts another copy without waiting for anything.
  HANDLE StartAnother(const std::string& workingFolder = {}) const;
  HWND Form() const { return form_; }
  DWORD ProcessId() const { return pid_; }
  bool Running() const;
  // Waits until the program has handled everything sent and queued to it.
  void Settle() const;
  // Waits for the process to end; its exit code, or STILL_ACTIVE after the wait.
  DWORD WaitForExit(std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

  // A control of the main window by its name in the window definition.
  HWND Control(const std::string& name) const;
  // Values the window keeps outside window controls (level displays, lamps,
  // run-time values), read through the window's query message.
  int Query(const std::string& name) const;
  // Texts the window keeps outside window controls (hints, run-time strings);
  // throws when the window knows no such value.
  std::string QueryText(const std::string& name) const;

  std::string Text(const std::string& control) const;
  void SetText(const std::string& control, const std::string& text) const;
  bool Checked(const std::string& control) const;
  bool Enabled(const std::string& control) const;
  int HotKey(const std::string& control) const;
  // A button click through the control; returns once it has been handled or
  // has opened a message box.
  void Click(const std::string& control) const;
  // Sounds the program has played: how many so far, and those after a count
  // taken earlier, each as "<wave> <image bytes> <play flags>".
  int SoundCount() const;
  std::vector<std::string> SoundsSince(int mark) const;
  // A click on a title-bar button, through its system command.
  void PressCaptionButton(const std::string& name) const;
  // Screen point on a title-bar button, once it has been painted.
  POINT CaptionButtonPoint(const std::string& name) const;
  // Gives the control the focus, then moves it to Panel1 as the pointer does.
  void Focus(const std::string& control) const;
  void ParkFocus() const;

  // Screen point of (x, y) in a control's client area ("Form1": the window's).
  POINT ScreenPoint(const std::string& control, int x, int y) const;
  // Pointer moves, presses and drags as a user makes them (injected input);
  // each returns once the program has handled it.
  void MoveTo(POINT screen) const;
  void MoveMouse(const std::string& control, int x, int y) const;
  void ClickAt(const std::string& control, int x, int y) const;
  // The same with the middle button.
  void MiddleClickAt(const std::string& control, int x, int y) const;
  // Presses on one control, moves in steps to the other and releases there.
  void DragTo(const std::string& from, int fx, int fy, const std::string& to, int tx, int ty) const;
  // Opens DFWFoldPanel<n> by a click on its fold glyph, unless it is open.
  void ExpandFoldPanel(int n) const;
  // A list's entries and the text of one of them.
  int ListCount(const std::string& list) const;
  std::string ListItem(const std::string& list, int index) const;

  // Opens the tray icon's menu as a right click on the icon does and presses
  // `keys` in it (VK_UP from the top wraps to the last item); returns once
  // the menu has closed.
  void TrayMenu(std::initializer_list<WPARAM> keys) const;
  // The titles of the program's taskbar buttons: its visible top-level
  // windows without an owner that are no tool windows, as the shell counts.
  std::vector<std::string> TaskbarButtons() const;
  // The classes of the program's visible top-level windows without an owner:
  // a shell may give any of them a taskbar button.
  std::vector<std::string> UnownedWindows() const;
  // The window with the keyboard focus in the program, or null.
  HWND FocusedWindow() const;

  // The message box the program shows now (its text), or empty after the wait.
  std::string WaitForMessageBox(std::chrono::milliseconds limit = std::chrono::seconds(10)) const;
  // Presses the default button of the message box that is open.
  bool DismissMessageBox() const;
  // Presses one button (IDYES, IDNO, ...) of the message box that is open.
  bool AnswerMessageBox(int button) const;
  // The captions of the open message box's buttons, in window order.
  std::vector<std::string> MessageBoxButtons() const;

  // A visible top-level window of the program with this exact title (a dialog,
  // a message box, the help window), or null after the wait.
  HWND WaitForWindow(const std::string& title,
                     std::chrono::milliseconds limit = std::chrono::seconds(10)) const;
  // Clicks a windowless control of the main window at a point of the window's
  // client area (left button down and up, posted).
  void ClickAt(int x, int y) const;
  // In the open-file dialog titled `title`: the entries of its file-type list,
  // then (ChooseFile) types `path` as the file name and presses Open. Returns
  // false when no such dialog came up.
  std::vector<std::string> FileDialogTypes(const std::string& title) const;
  bool ChooseFile(const std::string& title, const std::string& path) const;

  // Closes the main window, dismissing the closing message, and waits for the
  // process to end. Returns the text of the message box it showed.
  std::string Close();
  void Kill();

  // Types a name and an address into the database panel's boxes and presses
  // "Add".
  void AddToDatabase(const std::string& name, const std::string& address) const;
  // Presses `key` with `modifier` held (0: none) while another program has
  // the focus, as in a game, and waits for the start of "roger" it makes.
  // The whole log then, as RogerLog; no more than before when none came.
  std::vector<std::string> PressInAnotherProgram(WORD modifier, WORD key) const;
  // Clicks a hot-key box (on the page shown), presses `key` there and waits
  // until the box shows it; the box's value then.
  int CaptureHotKey(const std::string& box, WORD key) const;

  // The parameter strings "roger" was started with, in the order of the starts.
  std::vector<std::string> RogerLog() const;
  // Waits until the log holds at least `count` starts and every stand-in
  // started so far has written its line.
  std::vector<std::string> WaitForRoger(
      size_t count, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

 private:
  std::string folder_;
  std::string exe_;
  std::wstring wideFolder_;
  PROCESS_INFORMATION process_{};
  void PressAt(const std::string& control, int x, int y, void (*down)(), void (*up)()) const;
  HWND form_ = nullptr;
  DWORD pid_ = 0;
};

// Wine's own end of the session as a log-off runs it (wineboot -e -s): every
// program with a window is asked, then ended. False when it never ended.
bool EndTheSession();

// Stand-ins "roger" still running.
int RogersRunning();

// Keys as a user presses them: SendInput with virtual key and scan code.
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void Tap(WORD vk, int holdMs = 150);
// A key pressed while a modifier is held.
void Chord(WORD modifier, WORD vk);
// Pointer: absolute screen moves and button presses.
void MouseTo(POINT screen);
void LeftDown();
void LeftUp();
void MiddleDown();
void MiddleUp();
void RightDown();
void RightUp();

// A plain window of another process-less kind that takes the focus, so the
// keys go to "some other program" while Hopvox polls. Made, it holds the
// focus and this thread has handled the window system's notes about it.
class FocusThief {
 public:
  FocusThief();
  ~FocusThief();

 private:
  HWND wnd_;
};

}  // namespace e2e
