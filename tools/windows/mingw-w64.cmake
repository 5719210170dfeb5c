# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (GCC, posix
# threads, so std::thread and <filesystem> work). Used by tools/windows/
# build-deps for the libraries and by tools/windows/build for the game.
#   -DQUINDEL_WINDOWS_PREFIX=DIR   where the libraries are (or go)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_AR ${mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw}-gcc-ranlib-posix CACHE FILEPATH "")
# A check that builds a program inside CMake sees the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUINDEL_WINDOWS_PREFIX)

# Headers, libraries and package configs come only from the MinGW sysroot and
# our prefix; programs run at build time are the build machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${QUINDEL_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${QUINDEL_WINDOWS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Every program links the C and C++ runtimes and winpthreads statically, so
# quindel.exe and the test programs need nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
