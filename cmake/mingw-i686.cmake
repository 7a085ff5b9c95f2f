# The 32-bit Windows test build, posix-thread runtime: GoogleTest needs
# std::mutex. The program itself is built with mingw-i686-win32.cmake.
set(HOPVOX_MINGW_TRIPLE i686-w64-mingw32)
set(HOPVOX_MINGW_THREADS posix)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
