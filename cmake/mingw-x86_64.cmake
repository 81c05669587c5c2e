# 64-bit Windows, with mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
mingw_toolchain(x86_64-w64-mingw32)
