# Sourced by the scripts beside it: the library versions the web build is
# made with, where their wasm build is cached, and how packages get installed.

web_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
web_root=$(cd "$web_tools/../.." && pwd)

# Debian 12's source packages, exactly these versions: the desktop build uses
# the same libraries, so the browser plays with the code the desktop does.
web_sources=(libsdl2=2.26.5+dfsg-1 libsdl2-mixer=2.6.2+dfsg-2 libopenmpt=0.6.9-1 imgui=1.86+ds-1)

# The cache lives outside the clone, so a fresh clone or `git clean` does not
# cost the seven minutes of building the libraries again.
web_cache=${QUINDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quindel}

# emscripten's JavaScript tools need Debian's node modules (acorn), which a
# node from elsewhere does not look for by itself.
if [ -d /usr/share/nodejs ]; then
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi

# Installs the Debian packages named when they are missing, as tools/deps
# does: root or sudo installs them, anyone else is told the command.
web_install() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}" >&2
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      sudo=(sudo)
    else
      echo "The web build needs these Debian packages, which this account cannot install:" >&2
      echo "  sudo apt-get install ${missing[*]}" >&2
      return 1
    fi
  fi
  # Another apt run (a second build, the desktop's tools/deps) may hold the
  # lock for a while; wait for it rather than fail.
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}"
}

# The prefix's name: the library versions, the compiler's version, and the
# recipe and patches they are built with, so that a change to any of them
# builds a fresh prefix instead of reusing a stale one.
web_deps_prefix() {
  local emscripten patches key
  emscripten=$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null || echo none)
  patches=$(cat "$web_tools"/patches/*.patch "$web_tools/deps-recipe.sh" | sha256sum | cut -c1-10)
  key="sdl2-2.26.5-mixer-2.6.2-openmpt-0.6.9-imgui-1.86-emscripten-${emscripten%%~*}-$patches"
  echo "$web_cache/web-deps-$key"
}

# Seconds since the given start, for the timings each script prints.
web_since() {
  echo $(($(date +%s) - $1))
}
