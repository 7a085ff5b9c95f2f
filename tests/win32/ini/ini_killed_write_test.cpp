// A write killed half-way leaves the settings file as it was, and the file
// the write was making goes with the next write of the same file. The writer
// is a second copy of this program that stops inside the write, at the moment
// chosen, until it is killed.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "../SwapImport.h"
#include "framework/IniFile.h"
#include "ini_test_folder.h"

using hopvox::TIniFile;

namespace {

constexpr char kWriterVariable[] = "HOPVOX_KILLED_WRITER";

// The writer's stop: tell the test it is there, then wait to be killed.
HANDLE stopped = nullptr;
void StopHere() {
  SetEvent(stopped);
  Sleep(INFINITE);
}
BOOL WINAPI StopInWrite(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED) {
  StopHere();
  return FALSE;
}
BOOL WINAPI StopInMove(LPCSTR, LPCSTR, DWORD) {
  StopHere();
  return FALSE;
}

// Runs before the tests when this copy was started as the writer: "<stop>
// <event> <file>", stop being "write" (in the middle of writing the new file)
// or "move" (the new file complete, not yet in its place).
struct KilledWriter {
  KilledWriter() {
    char spec[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableA(kWriterVariable, spec, sizeof spec);
    if (n == 0 || n >= sizeof spec) return;
    std::istringstream in(spec);
    std::string stop, event, path;
    in >> stop >> event >> std::ws;
    std::getline(in, path);
    stopped = OpenEventA(EVENT_MODIFY_STATE, FALSE, event.c_str());
    if (stop == "write")
      hopvox::test::SwapImport("kernel32.dll", "WriteFile", reinterpret_cast<void*>(&StopInWrite));
    else
      hopvox::test::SwapImport("kernel32.dll", "MoveFileExA", reinterpret_cast<void*>(&StopInMove));
    TIniFile(path).WriteString("Hopvox Ips", "Base Channel", "half-written");
    ExitProcess(3);  // the stop was never reached
  }
} killedWriter;

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

// Starts the writer, waits until it has stopped where asked and kills it.
// False when it never got there.
bool KillMidWrite(const std::string& stop, const std::string& path) {
  const std::string event = "HopvoxKilledWrite" + std::to_string(GetCurrentProcessId());
  HANDLE there = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  SetEnvironmentVariableA(kWriterVariable, (stop + " " + event + " " + path).c_str());
  std::string commandLine = std::string("\"") + exe + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const bool started = CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &si, &pi);
  SetEnvironmentVariableA(kWriterVariable, nullptr);
  bool reached = false;
  if (started) {
    const HANDLE waits[2] = {there, pi.hProcess};
    reached = WaitForMultipleObjects(2, waits, FALSE, 60000) == WAIT_OBJECT_0;
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(there);
  return reached;
}

}  // namespace

TEST(IniKilledWrite, TenKillsMidWriteLeaveTheFileWholeAndTheNextWriteTidiesUp) {
  const std::string folder = IniTestFolder("ini_killed_write");
  const std::string path = folder + "Hopvox.ini";
  const std::string whole =
      "[Hopvox Ips]\r\nBase Channel=1.2.3.4\r\n[Hopvox timing]\r\nTiming=70\r\n";
  WriteBytes(path, whole);
  // Files that only look like leftovers of this one are not ours to remove.
  const std::set<std::string> strangers = {"Hopvox.ini~hvx1A2B.tmp", "hvx1A2B.tmp",
                                           "HopVoxIPs.ini.tmp"};
  for (const std::string& name : strangers) WriteBytes(folder + name, "someone else's");
  for (int kill = 0; kill < 10; ++kill) {
    ASSERT_TRUE(KillMidWrite(kill % 2 ? "move" : "write", path)) << "kill " << kill;
    EXPECT_EQ(ReadBytes(path), whole) << "after kill " << kill;
  }
  TIniFile(path).WriteInteger("Hopvox timing", "Timing", 90);
  EXPECT_EQ(ReadBytes(path),
            "[Hopvox Ips]\r\nBase Channel=1.2.3.4\r\n[Hopvox timing]\r\nTiming=90\r\n");
  std::set<std::string> expected = strangers;
  expected.insert("Hopvox.ini");
  EXPECT_EQ(FilesIn(folder), expected);
  for (const std::string& name : strangers) EXPECT_EQ(ReadBytes(folder + name), "someone else's");
}
