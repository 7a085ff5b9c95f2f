#include "framework/IniFile.h"

#include <windows.h>

#include "framework/Handles.h"
#include "framework/SystemCodePage.h"
#include "framework/logic/IniText.h"
#include "framework/logic/WriteTempName.h"

namespace hopvox {
namespace {

enum class ReadResult { rrRead, rrMissing, rrFailed };

// Settings files are a few kilobytes; anything this big is not one of ours.
constexpr LONGLONG kMaxFileSize = 64LL << 20;

ReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    DWORD err = GetLastError();
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND ? ReadResult::rrMissing
                                                                      : ReadResult::rrFailed;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxFileSize)
    return ReadResult::rrFailed;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                  nullptr))
      return ReadResult::rrFailed;
    if (got == 0) break;  // shrunk while we read
    done += got;
  }
  bytes.resize(done);
  return ReadResult::rrRead;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD put = 0;
    if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put,
                   nullptr) ||
        put == 0)
      return false;
    done += put;
  }
  return FlushFileBuffers(file) != FALSE;
}

// The platform's own profile writer rewrites the file where it is. We do the
// same where a file beside it cannot be made (a folder the user may not
// create files in, a file that is writable all the same), and where the file
// has other names, which a replace would leave holding the old contents.
bool RewriteInPlace(const std::string& path, const std::string& bytes) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  bool ok = WriteAll(file.get(), bytes) && SetEndOfFile(file.get());
  return CloseHandle(file.release()) && ok;  // a late write error can show only here
}

bool HasOtherNames(const std::string& path) {
  UniqueHandle file(CreateFileA(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  return file && GetFileInformationByHandle(file.get(), &info) && info.nNumberOfLinks > 1;
}

// Takes away what earlier writes of the file `name` in `folder` left behind
// when they were cut short. A leftover still open (another write going on
// right now) cannot be deleted and stays.
void RemoveLeftoverTemps(const std::string& folder, const std::string& name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + WriteTempPattern(name)).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    // The search also matches short names; only our own long names count.
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        IsWriteTempOf(name, found.cFileName))
      DeleteFileA((folder + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// A new, empty file beside the settings file, named for it; `temp` gets its path.
UniqueHandle CreateWriteTemp(const std::string& folder, const std::string& name,
                             std::string& temp) {
  const DWORD seed = (GetCurrentProcessId() << 16) ^ GetTickCount();
  for (DWORD attempt = 0; attempt < 16; ++attempt) {
    temp = folder + WriteTempName(name, seed + attempt);
    UniqueHandle file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return {};
}

// Writes a complete file next to `path` and only then puts it in its place,
// so the settings file is always either the old one or the new one.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, DWORD oldAttributes) {
  const std::string folder = path.substr(0, FolderLength(path, SystemCodePage()));
  const std::string name = path.substr(folder.size());
  RemoveLeftoverTemps(folder, name);
  if (oldAttributes != INVALID_FILE_ATTRIBUTES && HasOtherNames(path))
    return RewriteInPlace(path, bytes);
  std::string temp;
  UniqueHandle file = CreateWriteTemp(folder, name, temp);
  if (!file) return RewriteInPlace(path, bytes);
  bool ok = WriteAll(file.get(), bytes);
  ok = CloseHandle(file.release()) && ok;  // a late write error can show only here
  if (ok && oldAttributes != INVALID_FILE_ATTRIBUTES) {
    DWORD keep = oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    if (keep) SetFileAttributesA(temp.c_str(), keep);
  }
  if (ok) {
    // Another program reading the file at this moment (an editor, a virus
    // scanner) blocks the replace for a moment; try again briefly before
    // calling the write failed.
    ok = false;
    for (int attempt = 0; attempt < 10 && !ok; ++attempt) {
      ok = MoveFileExA(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
      const DWORD error = GetLastError();
      if (ok || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) break;
      Sleep(20);
    }
  }
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

}  // namespace

IniText TIniFile::Load() const {
  std::string bytes;
  // An unreadable file reads like a missing one: every value is its default.
  if (ReadWholeFile(fileName_, bytes) != ReadResult::rrRead) bytes.clear();
  return IniText::Parse(bytes, SystemCodePage());
}

void TIniFile::Fail() const { throw EIniFileError("Unable to write to " + fileName_); }

// `edit` returns false when it refuses the change (a failure) and sets
// `changed` when there is something to write.
template <typename Edit>
void TIniFile::Modify(Edit edit) {
  std::string before;
  ReadResult read = ReadWholeFile(fileName_, before);
  // Writing without the old contents would throw away everything else in it.
  if (read == ReadResult::rrFailed) Fail();
  DWORD attributes =
      read == ReadResult::rrRead ? GetFileAttributesA(fileName_.c_str()) : INVALID_FILE_ATTRIBUTES;
  // The rename would happily replace a read-only file: refuse as the platform does.
  const bool readOnly =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  IniText ini = IniText::Parse(before, SystemCodePage());
  bool changed = false;
  if (!edit(ini, changed, readOnly)) Fail();
  if (!changed) return;
  std::string after = ini.Format();
  if (read == ReadResult::rrRead && after == before) return;
  if (!ReplaceFileContents(fileName_, after, attributes)) Fail();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  return Load().ReadString(section, key, def);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  return Load().ReadInteger(section, key, def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return Load().ReadBool(section, key, def);
}

bool TIniFile::SectionExists(const std::string& section) const {
  return Load().SectionExists(section);
}

void TIniFile::ReadSection(const std::string& section, std::vector<std::string>& names) const {
  names = Load().KeyNames(section);
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  return Load().KeyNames(section);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  if (const TIniNameFault fault = IniText::NameFault(section, key); fault != TIniNameFault::inNone)
    throw EIniNameError("Cannot write \"" +
                        (fault <= TIniNameFault::inSectionLineBreak ? section : key) + "\" to " +
                        fileName_ + ": " + IniNameFaultText(fault));
  Modify([&](IniText& ini, bool& changed, bool readOnly) {
    changed = true;
    return !readOnly && ini.WriteString(section, key, value);
  });
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  Modify([&](IniText& ini, bool& changed, bool readOnly) {
    changed = ini.DeleteKey(section, key);
    return !(changed && readOnly);
  });
}

}  // namespace hopvox
