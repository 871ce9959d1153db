# 32-bit Windows, the width the product ships in.
set(KESTRANE_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
