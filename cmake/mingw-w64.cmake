# Cross-compiles the Windows programs with Debian's mingw-w64 (posix threads),
# static, and runs the cross-built tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTA_MINGW_PREFIX}-windres)
set(CMAKE_AR ${VELTA_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELTA_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${VELTA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The cross-built GoogleTest lives in the build tree, outside the root path.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# No DLL beyond Windows' own: the C and C++ runtimes and winpthread go in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(VELTA_WINE NAMES wine wine64)
if(VELTA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTA_WINE})
endif()
