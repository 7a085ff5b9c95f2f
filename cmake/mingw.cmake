# Cross build for Windows with mingw-w64. The toolchain files name the
# target and the thread model and include this one:
#   HOPVOX_MINGW_TRIPLE     i686-w64-mingw32 or x86_64-w64-mingw32
#   HOPVOX_MINGW_THREADS    posix (GoogleTest needs std::mutex) or win32 (the
#                           program: no winpthread, which keeps it off Windows XP)
#   CMAKE_SYSTEM_PROCESSOR  x86 or AMD64
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${HOPVOX_MINGW_TRIPLE}-gcc-${HOPVOX_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${HOPVOX_MINGW_TRIPLE}-g++-${HOPVOX_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${HOPVOX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HOPVOX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
