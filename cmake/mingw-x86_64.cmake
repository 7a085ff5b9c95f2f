# The test build for machines that cannot run 32-bit programs (a kernel
# without 32-bit support runs no 32-bit Wine): the same code for 64-bit
# Windows, run under 64-bit Wine. What users get stays the 32-bit program of
# mingw-i686-win32.cmake; see cmake/windows.cmake.
set(HOPVOX_MINGW_TRIPLE x86_64-w64-mingw32)
set(HOPVOX_MINGW_THREADS posix)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
