# Sourced by tools/web/build-deps: how the four libraries are built for the
# browser from Debian's unpacked source packages. Its text is part of the
# cached prefix's name, so any change here builds the prefix afresh.
#
# web_build_deps SOURCES WORK PREFIX
#   SOURCES  the folder holding the unpacked source trees
#   WORK     an empty scratch folder for the builds
#   PREFIX   where the headers, static libraries, CMake and pkg-config files go
# Each step's output goes to the log web_step_log names, shown if it fails.

web_build_deps() {
  local sources=$1 work=$2 prefix=$3
  local jobs
  jobs=$(nproc)
  # Size and speed both matter in a page: -O2, no debug information (with it
  # libopenmpt alone is 130 MB instead of 7).
  local cflags="-O2 -DNDEBUG"
  local cmake_common=(
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    -DCMAKE_BUILD_TYPE=Release "-DCMAKE_C_FLAGS_RELEASE=$cflags" "-DCMAKE_CXX_FLAGS_RELEASE=$cflags"
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix"
  )

  echo "== SDL2 ==" >&2
  web_step_log=$work/sdl2.log
  (cd "$sources/libsdl2" && for p in "$web_tools"/patches/libsdl2-*.patch; do patch -p1 -s < "$p"; done)
  # No threads: the page has one, and Asyncify's sleeps stand in for waits.
  cmake -S "$sources/libsdl2" -B "$work/sdl2" "${cmake_common[@]}" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF >"$web_step_log" 2>&1
  cmake --build "$work/sdl2" -j"$jobs" >>"$web_step_log" 2>&1
  cmake --install "$work/sdl2" >>"$web_step_log" 2>&1

  echo "== SDL2_mixer (wave samples only) ==" >&2
  web_step_log=$work/mixer.log
  # The game decodes its modules with libopenmpt; the mixer plays only the
  # wave samples, so every other codec stays out.
  cmake -S "$sources/libsdl2-mixer" -B "$work/mixer" "${cmake_common[@]}" -DSDL2_DIR="$prefix/lib/cmake/SDL2" \
    -DBUILD_SHARED_LIBS=OFF -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS= >"$web_step_log" 2>&1
  cmake --build "$work/mixer" -j"$jobs" >>"$web_step_log" 2>&1
  cmake --install "$work/mixer" >>"$web_step_log" 2>&1
  # A static install names its target SDL2_mixer::SDL2_mixer-static only; the
  # game links SDL2_mixer::SDL2_mixer, as the desktop's shared library is named.
  cat >>"$prefix/lib/cmake/SDL2_mixer/SDL2_mixerConfig.cmake" <<'EOF'

# Added by Quindel's tools/web/deps-recipe.sh: the static library under the
# name the shared one has, as later SDL2_mixer releases do themselves.
if(TARGET SDL2_mixer::SDL2_mixer-static AND NOT TARGET SDL2_mixer::SDL2_mixer)
  add_library(SDL2_mixer::SDL2_mixer INTERFACE IMPORTED)
  set_target_properties(SDL2_mixer::SDL2_mixer PROPERTIES INTERFACE_LINK_LIBRARIES SDL2_mixer::SDL2_mixer-static)
endif()
EOF

  echo "== libopenmpt ==" >&2
  web_step_log=$work/openmpt.log
  # Its autotools' config.sub predates emscripten's own triplet; without
  # --host, configure would try to run what it compiles.
  (cd "$sources/libopenmpt" &&
    CFLAGS="$cflags" CXXFLAGS="$cflags" emconfigure ./configure --host=wasm32-unknown-none --prefix="$prefix" \
      --disable-shared --enable-static --disable-openmpt123 --disable-examples --disable-tests \
      --disable-doxygen-doc --without-zlib --without-mpg123 --without-ogg --without-vorbis --without-vorbisfile \
      --without-pulseaudio --without-portaudio --without-portaudiocpp --without-sdl2 --without-sndfile \
      --without-flac &&
    emmake make -j"$jobs" &&
    emmake make install) >"$web_step_log" 2>&1

  echo "== Dear ImGui ==" >&2
  web_step_log=$work/imgui.log
  # Debian's libimgui-dev ships no core sources; its source package does,
  # with stb's rectangle packer and font rasteriser in ImGui's own copies.
  mkdir -p "$work/imgui" "$prefix/include/imgui" "$prefix/lib/pkgconfig"
  local file
  for file in imgui imgui_draw imgui_tables imgui_widgets; do
    em++ -std=c++17 $cflags -I"$sources/imgui" -c "$sources/imgui/$file.cpp" -o "$work/imgui/$file.o" \
      >>"$web_step_log" 2>&1
  done
  emar rcs "$prefix/lib/libimgui.a" "$work"/imgui/*.o
  cp "$sources"/imgui/{imgui.h,imconfig.h,imgui_internal.h,imstb_rectpack.h,imstb_textedit.h,imstb_truetype.h} \
    "$prefix/include/imgui/"
  cat >"$prefix/lib/pkgconfig/imgui.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include/imgui

Name: imgui
Description: Dear ImGui for the browser, built by Quindel's tools/web/build-deps
Version: 1.86
Libs: -L\${libdir} -limgui
Cflags: -I\${includedir}
EOF

  echo "== stb_image_write ==" >&2
  web_step_log=$work/stb.log
  # Debian's libstb-dev: the one stb part the game calls (PNG screenshots).
  mkdir -p "$work/stb" "$prefix/include/stb"
  cp /usr/include/stb/stb_image_write.h "$prefix/include/stb/"
  printf '#define STB_IMAGE_WRITE_IMPLEMENTATION\n#include "stb_image_write.h"\n' >"$work/stb/stb.c"
  emcc $cflags -I"$prefix/include/stb" -c "$work/stb/stb.c" -o "$work/stb/stb.o" >>"$web_step_log" 2>&1
  emar rcs "$prefix/lib/libstb.a" "$work/stb/stb.o"
  cat >"$prefix/lib/pkgconfig/stb.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include/stb

Name: stb
Description: stb_image_write for the browser, built by Quindel's tools/web/build-deps
Version: 0.0
Libs: -L\${libdir} -lstb
Cflags: -I\${includedir}
EOF
}
