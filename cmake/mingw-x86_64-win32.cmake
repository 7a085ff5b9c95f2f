# The program tree of the 64-bit test build, with the same runtime as the
# 32-bit program (win32 threads), so both build the same way.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-x86_64.cmake)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
