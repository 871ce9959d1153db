# 64-bit Windows, the width the tests run under 64-bit Wine.
set(KESTRANE_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
