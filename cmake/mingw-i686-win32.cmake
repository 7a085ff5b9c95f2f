# The same cross build with the win32-thread runtime, for the program itself:
# its libstdc++ needs nothing from winpthread, which imports GetTickCount64
# and so keeps a program off Windows XP. That runtime has no std::thread or
# std::mutex; the program uses Win32 threads and TCriticalSection instead.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
