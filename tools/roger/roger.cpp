// roger.exe: a stand-in for the voice-chat program. Every start appends its
// parameter string, byte for byte (trailing blanks kept, nothing for a plain
// start), plus a newline to "roger.log" beside this program, or to the file
// named by ROGER_LOG.
//
// Several copies are often started within a few milliseconds of each other and
// may reach the log in another order than they were started. So each start
// also appends "<creation time> <parameter string>" to "<log>.seq"; sorting
// that file by its first field gives the order of the starts.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/SystemCodePage.h"

namespace {

// The command line less the program name and the one blank the shell puts
// between the name and the parameters.
std::string ParameterString() {
  const char* p = GetCommandLineA();
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  if (*p == ' ' || *p == '\t') ++p;
  return p;
}

std::string LogPath() {
  char buf[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("ROGER_LOG", buf, sizeof buf);
  if (n > 0 && n < sizeof buf) return buf;
  n = GetModuleFileNameA(nullptr, buf, sizeof buf);
  std::string path(buf, n);
  path.erase(hopvox::FolderLength(path, hopvox::SystemCodePage()));
  return path + "roger.log";
}

// Appends in one write, retrying while another copy holds the file.
bool Append(const std::string& path, const std::string& text) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      BOOL ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
      CloseHandle(h);
      return ok && written == text.size();
    }
    Sleep(10);
  }
  return false;
}

}  // namespace

int main() {
  const std::string params = ParameterString();
  const std::string log = LogPath();
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const unsigned long long stamp =
      (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "%020llu %05lu ", stamp, GetCurrentProcessId() % 100000);
  bool ok = Append(log, params + "\n");
  ok = Append(log + ".seq", prefix + params + "\n") && ok;
  return ok ? 0 : 1;
}
