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

# The game ($quindel) with its trace in $work/trace, its window focused.
start_game() {
  : >"$work/trace"
  seen=0
  QUINDEL_TRACE=1 "$quindel" 2>"$work/trace" &
  game_pid=$!
  window=$(timeout 15 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1) || fail "no window"
  xdotool windowfocus --sync "$window"
}
stop_game() {
  kill "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}
# Waits up to $2 seconds (by default $expect_seconds, else 20) for a trace
# line matching $1 after the last one found; a game that has ended writes
# nothing more, so waiting for it stops there.
expect() {
  trace_has() {
    tail -n +"$((seen + 1))" "$work/trace" | grep -Eqm1 "$1" || return 1
    seen=$(grep -En "$1" "$work/trace" | awk -F: -v after="$seen" '$1 > after {print $1; exit}')
  }
  for _ in $(seq $((${2:-${expect_seconds:-20}} * 10))); do
    trace_has "$1" && return 0
    if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then
      trace_has "$1" && return 0
      break
    fi
    sleep 0.1
  done
  echo "--- trace:" >&2; grep -v tick-late "$work/trace" >&2
  fail "no '$1' in the trace"
}
keys() { xdotool key --delay 60 "$@"; }
