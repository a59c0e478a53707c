# Cross toolchain for the Windows product: mingw-w64 for x86_64 with the
# posix thread model (GoogleTest needs std::mutex), fully static runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# libjpeg-turbo and minizip for mingw-w64 are built by scripts/bootstrap into
# a prefix outside the source tree; zlib comes from libz-mingw-w64-dev.
if(DEFINED ENV{QUENLOW_MINGW_PREFIX})
  set(QUENLOW_MINGW_PREFIX $ENV{QUENLOW_MINGW_PREFIX})
else()
  set(QUENLOW_MINGW_PREFIX $ENV{HOME}/.cache/quenlowsaver/mingw64)
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${QUENLOW_MINGW_PREFIX})
set(ZLIB_USE_STATIC_LIBS ON)
