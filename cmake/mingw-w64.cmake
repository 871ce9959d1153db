# Cross-compiles for Windows with Debian's mingw-w64. Include after setting KESTRANE_MINGW_ARCH
# (i686 or x86_64). The posix thread model gives std::mutex; linking everything statically
# (libgcc, libstdc++, winpthread) leaves the binaries needing nothing but system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KESTRANE_MINGW_ARCH})

set(KESTRANE_MINGW_TRIPLE ${KESTRANE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTRANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRANE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
