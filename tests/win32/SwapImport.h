#pragma once
// Points this program's import of `dll`!`function` at `replacement` and
// returns the previous target (null when the program does not import it).
// Everything the program's own code calls goes through these slots, so a test
// can count or stop such calls.
#include <windows.h>

#include <cstring>

namespace hopvox::test {

inline void* SwapImport(const char* dll, const char* function, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name;
       ++d) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + d->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) != 0) continue;
      DWORD protect;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protect);
      void* previous = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protect, &protect);
      return previous;
    }
  }
  return nullptr;
}

// Swaps an import for the lifetime of the object.
template <typename Fn>
class ScopedImport {
 public:
  ScopedImport(const char* dll, const char* function, Fn replacement)
      : dll_(dll), function_(function) {
    original_ =
        reinterpret_cast<Fn>(SwapImport(dll, function, reinterpret_cast<void*>(replacement)));
  }
  ~ScopedImport() {
    if (original_) SwapImport(dll_, function_, reinterpret_cast<void*>(original_));
  }
  ScopedImport(const ScopedImport&) = delete;
  ScopedImport& operator=(const ScopedImport&) = delete;
  // The system's own function; null when the import was not found.
  Fn Original() const { return original_; }

 private:
  const char* dll_;
  const char* function_;
  Fn original_ = nullptr;
};

// A system library the program loads by its full path, as a test wants it:
// missing, or there with one entry point answered by a stand-in (or without
// it). One at a time.
class StandInLibrary {
 public:
  StandInLibrary(const char* dll, const char* entry, FARPROC standIn)
      : dll_(dll), entry_(entry), standIn_(standIn) {
    current_ = this;
  }
  ~StandInLibrary() { current_ = nullptr; }
  StandInLibrary(const StandInLibrary&) = delete;
  StandInLibrary& operator=(const StandInLibrary&) = delete;
  // Both of the program's imports were found and replaced.
  bool Swapped() const { return load_.Original() && proc_.Original(); }

  bool missing = false;  // loading it fails, as where it is not installed
  bool noEntry = false;  // it is there without the entry point

 private:
  static HMODULE WINAPI Load(LPCSTR name, HANDLE file, DWORD flags) {
    const char* base = std::strrchr(name, '\\');
    if (current_->missing && base && lstrcmpiA(base + 1, current_->dll_) == 0) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return nullptr;
    }
    return current_->load_.Original()(name, file, flags);
  }
  static FARPROC WINAPI Proc(HMODULE module, LPCSTR name) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) && std::strcmp(name, current_->entry_) == 0)
      return current_->noEntry ? nullptr : current_->standIn_;
    return current_->proc_.Original()(module, name);
  }

  inline static StandInLibrary* current_ = nullptr;
  const char* dll_;
  const char* entry_;
  FARPROC standIn_;
  ScopedImport<decltype(&LoadLibraryExA)> load_{"kernel32.dll", "LoadLibraryExA", &Load};
  ScopedImport<decltype(&GetProcAddress)> proc_{"kernel32.dll", "GetProcAddress", &Proc};
};

}  // namespace hopvox::test
