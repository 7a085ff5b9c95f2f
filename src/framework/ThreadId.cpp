#include "framework/ThreadId.h"

namespace hopvox {

namespace {

struct ThreadBasicInformation {
  LONG exitStatus;
  PVOID tebBaseAddress;
  HANDLE uniqueProcess;
  HANDLE uniqueThread;
  ULONG_PTR affinityMask;
  LONG priority;
  LONG basePriority;
};

}  // namespace

DWORD NtThreadIdOf(HANDLE thread) {
  using QueryThreadCall = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryThreadCall>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
  ThreadBasicInformation info{};
  constexpr int kThreadBasicInformation = 0;
  if (!query || query(thread, kThreadBasicInformation, &info, sizeof info, nullptr) < 0) return 0;
  return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(info.uniqueThread));
}

DWORD WINAPI ThreadIdOf(HANDLE thread) {
  using GetThreadIdCall = DWORD(WINAPI*)(HANDLE);
  if (const auto call = reinterpret_cast<GetThreadIdCall>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetThreadId"))))
    return call(thread);
  return NtThreadIdOf(thread);
}

#ifdef HOPVOX_ANSWER_GETTHREADID
// gcc 13 and later's win32-thread runtime links libgcc's thread support in
// (the exception allocator's mutex comes from it), and with it an import of
// GetThreadId, which XP's kernel32 lacks and whose absence makes XP's loader
// refuse the program. The runtime calls it only to compare std::thread
// handles, which the program never does. The import's address slot is
// answered here, so the linker takes no import from kernel32 for it
// (cmake/windows.cmake asks for this slot when it links the program).
using GetThreadIdSlot = DWORD(WINAPI*)(HANDLE);
extern "C" {
extern const GetThreadIdSlot hopvoxGetThreadId __asm__("__imp__GetThreadId@4");
__attribute__((used)) const GetThreadIdSlot hopvoxGetThreadId = ThreadIdOf;
}
#endif

}  // namespace hopvox
