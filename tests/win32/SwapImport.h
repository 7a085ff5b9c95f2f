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

}  // namespace hopvox::test
