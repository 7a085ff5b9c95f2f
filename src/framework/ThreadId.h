#pragma once
#include <windows.h>

namespace hopvox {

// The id of the thread behind `thread`, as Vista's GetThreadId gives it, on
// every Windows from XP on: kernel32's call where there is one, otherwise the
// thread's basic information from ntdll. 0 for a handle that is no thread.
DWORD WINAPI ThreadIdOf(HANDLE thread);
// The same from ntdll alone, as XP gives it.
DWORD NtThreadIdOf(HANDLE thread);

}  // namespace hopvox
