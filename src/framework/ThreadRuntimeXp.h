// Read before anything else by every source of the program when it is built
// with gcc 13 or later's win32-thread runtime (cmake/windows.cmake).
//
// That runtime's thread header declares its condition variable only for
// Vista's headers (_WIN32_WINNT 0x0600), and the library's <mutex>, which
// <memory> reads, needs it; the program is built for XP's headers, so that
// every record it hands the system has XP's size. The thread header alone is
// read here with Vista's value: it declares its own types and reads no system
// header, so the system headers that come later are XP's. Nothing of the
// program waits on a condition variable, and the link shows it: no Vista
// function is imported (tests/package/xp_imports.sh).
#pragma once

#if defined(__cplusplus) && defined(__MINGW32__)
#pragma push_macro("_WIN32_WINNT")
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <bits/c++config.h>
#include <bits/gthr.h>
#pragma pop_macro("_WIN32_WINNT")
#ifdef _WINDOWS_
#error "the thread header read <windows.h> with Vista's definitions"
#endif
#endif
