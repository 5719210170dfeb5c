# The browser build's toolchain: Debian's emscripten, and the libraries
# tools/web/build-deps built into the prefix named by QUINDEL_WEB_DEPS. Only
# that prefix is searched for headers, libraries and packages; the generators
# that run at build time come from a native build (QUINDEL_HOST_TOOLS).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Read again for every compiler check, which must see the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUINDEL_WEB_DEPS)
if(NOT QUINDEL_WEB_DEPS OR NOT EXISTS "${QUINDEL_WEB_DEPS}/.complete")
  message(FATAL_ERROR "QUINDEL_WEB_DEPS must name a prefix made by tools/web/build-deps")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${QUINDEL_WEB_DEPS}")
list(APPEND CMAKE_PREFIX_PATH "${QUINDEL_WEB_DEPS}")
set(SDL2_DIR "${QUINDEL_WEB_DEPS}/lib/cmake/SDL2" CACHE PATH "SDL2 built for the browser")
set(SDL2_mixer_DIR "${QUINDEL_WEB_DEPS}/lib/cmake/SDL2_mixer" CACHE PATH "SDL2_mixer built for the browser")
# pkg-config (libopenmpt, imgui, stb) looks in the prefix and nowhere else.
set(ENV{PKG_CONFIG_LIBDIR} "${QUINDEL_WEB_DEPS}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
# emcc puts its SDL 1.2 headers on every compile; SDL2's must come first.
set(CMAKE_C_FLAGS_INIT "-I${QUINDEL_WEB_DEPS}/include/SDL2")
set(CMAKE_CXX_FLAGS_INIT "-I${QUINDEL_WEB_DEPS}/include/SDL2")
# emscripten's JavaScript tools, run at link time, need Debian's node modules
# (acorn), which a node from elsewhere does not look for by itself.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_C_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
  set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
endif()
