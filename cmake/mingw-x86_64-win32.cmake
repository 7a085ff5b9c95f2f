# The 64-bit program alone, with the shipped program's runtime (win32
# threads), for scripts/run where the machine runs no 32-bit programs.
set(HOPVOX_MINGW_TRIPLE x86_64-w64-mingw32)
set(HOPVOX_MINGW_THREADS win32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
