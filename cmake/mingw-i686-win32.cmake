# What users get: the 32-bit program with the win32-thread runtime. Its
# libstdc++ needs nothing from winpthread, which imports GetTickCount64 and so
# keeps a program off Windows XP. That runtime has no std::thread or
# std::mutex; the program uses Win32 threads and TCriticalSection instead.
set(HOPVOX_MINGW_TRIPLE i686-w64-mingw32)
set(HOPVOX_MINGW_THREADS win32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
