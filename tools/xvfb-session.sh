# Sourced by the scripts that run the real window in an X server of their
# own: a scratch folder in $work, the game's and Xvfb's pids killed and the
# folder removed on exit, and start_xvfb to bring up a display.
# Usage: source tools/xvfb-session.sh NAME   (the scratch folder's prefix)
work=$(mktemp -d "/tmp/quindel-$1-XXXXXX")
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The real window, never SDL's dummy driver; sound goes nowhere.
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Starts Xvfb with a screen of SIZE (default 1024x768) on a display it picks
# itself, and points DISPLAY at it.
start_xvfb() {
  local size=${1:-1024x768}
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
  : >"$work/display"
}
