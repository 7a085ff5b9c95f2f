#pragma once
// An empty folder for a test program, under the build tree when ctest runs us.
#include <windows.h>

#include <cstdlib>
#include <string>

inline std::string IniTestFolder(const char* name) {
  char temp[MAX_PATH];
  const char* root = std::getenv("HOPVOX_TESTROOT");
  std::string folder = root ? root : (GetTempPathA(MAX_PATH, temp), temp);
  if (folder.back() != '\\') folder += '\\';
  CreateDirectoryA(folder.c_str(), nullptr);
  folder += name;
  folder += '\\';
  CreateDirectoryA(folder.c_str(), nullptr);
  WIN32_FIND_DATAA found;  // empty it: a previous run leaves its files
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string file = folder + found.cFileName;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  return folder;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD put = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  CloseHandle(h);
}

inline std::string ReadBytes(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(GetFileSize(h, nullptr), '\0');
  DWORD got = 0;
  ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(h);
  bytes.resize(got);
  return bytes;
}
