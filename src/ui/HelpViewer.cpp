#include "ui/HelpViewer.h"

#include <stdexcept>

#include "framework/Application.h"
#include "framework/Handles.h"
#include "ui/logic/HelpSections.h"

namespace hopvox {

namespace {

// The whole file, or nothing when it cannot be opened or read (the caller
// then shows the built-in text).
std::string ReadFileText(const std::string& path, bool& found) {
  found = false;
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0) return {};
  std::string text(size, '\0');
  DWORD read = 0;
  if (size && (!ReadFile(file.get(), text.data(), size, &read, nullptr) || read != size)) return {};
  found = true;
  return text;
}

// Edit controls break lines only at CR LF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

std::string BuiltInHelpText() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC res = FindResourceA(module, "HELPTEXT", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL mem = res ? LoadResource(module, res) : nullptr;
  const char* data = mem ? static_cast<const char*>(LockResource(mem)) : nullptr;
  return data ? std::string(data, SizeofResource(module, res)) : std::string();
}

THelpViewer::THelpViewer(const std::string& helpFile)
    : TForm("Hopvox Help", 560, 460, WS_OVERLAPPEDWINDOW) {
  bool found = false;
  std::string text = ReadFileText(helpFile, found);
  if (!found) text = BuiltInHelpText();
  text_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", WithCrLf(text).c_str(),
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 560,
      460, Handle(), nullptr, Application().Instance(), nullptr);
  if (!text_) throw std::runtime_error("Cannot create the help text window");
  // A fixed-pitch font keeps the help's lists and tables aligned.
  SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
  SendMessageA(text_, EM_SETLIMITTEXT, 0, 0);
}

std::string THelpViewer::Text() const {
  const int n = GetWindowTextLengthA(text_);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(text_, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

void THelpViewer::ShowSection(std::string_view title) {
  std::size_t at = HelpSectionOffset(Text(), title);
  if (at == std::string_view::npos) at = 0;
  const auto pos = static_cast<WPARAM>(at);
  SendMessageA(text_, EM_SETSEL, pos, static_cast<LPARAM>(pos));
  const LRESULT line = SendMessageA(text_, EM_LINEFROMCHAR, pos, 0);
  const LRESULT first = SendMessageA(text_, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageA(text_, EM_LINESCROLL, 0, line - first);
}

LRESULT THelpViewer::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE && text_) {
    MoveWindow(text_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    return 0;
  }
  if (msg == WM_SETFOCUS && text_) {
    ::SetFocus(text_);
    return 0;
  }
  return TForm::WndProc(msg, wp, lp);
}

}  // namespace hopvox
