# Cross build for Windows with mingw-w64: the one toolchain file of every
# Windows tree. Two cache variables choose the compiler (CMakePresets.json
# names each tree with its choice):
#   HOPVOX_MINGW_TRIPLE   i686-w64-mingw32, what users get (the default), or
#                         x86_64-w64-mingw32, for tests where no 32-bit
#                         program runs
#   HOPVOX_MINGW_THREADS  posix, which GoogleTest needs for std::mutex (the
#                         default), or win32, the program's: no winpthread,
#                         which imports GetTickCount64 and so keeps a program
#                         off Windows XP
set(HOPVOX_MINGW_TRIPLE i686-w64-mingw32 CACHE STRING "mingw-w64 target triple")
set(HOPVOX_MINGW_THREADS posix CACHE STRING "mingw-w64 thread model (posix or win32)")
# The compiler checks configure projects of their own, which read this file
# again and need the same choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HOPVOX_MINGW_TRIPLE HOPVOX_MINGW_THREADS)

set(CMAKE_SYSTEM_NAME Windows)
if(HOPVOX_MINGW_TRIPLE MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()
set(CMAKE_C_COMPILER ${HOPVOX_MINGW_TRIPLE}-gcc-${HOPVOX_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${HOPVOX_MINGW_TRIPLE}-g++-${HOPVOX_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${HOPVOX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HOPVOX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
