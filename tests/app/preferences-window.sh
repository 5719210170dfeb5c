#!/usr/bin/env bash
# The real window under Xvfb and its preferences: a running game waits when
# another window takes the keyboard and goes on only when the player says so;
# with Options > Pause when inactive turned off it runs on; a start with a
# kept fullscreen and a 1000 x 800 window comes back that way, and without
# quindel.toml the defaults come back; SIGTERM with the About box open ends
# the game as the close box does. Checked by the game's trace.
#   preferences-window.sh QUINDEL
set -euo pipefail
quindel=$(realpath "$1")
source "$(dirname "$0")/../../tools/xvfb-session.sh" preferences
start_xvfb 1280x1024
mkdir -p "$work/run" && cd "$work/run"

other_pid=""
trap 'kill $other_pid 2>/dev/null || true; cleanup' EXIT

# Nothing matching the pattern comes for a while.
expect_none() {
  sleep "$2"
  if tail -n +"$((seen + 1))" "$work/trace" | grep -Eq "$1"; then
    grep -v tick-late "$work/trace" >&2
    fail "'$1' came although nothing should have"
  fi
}

# Another window to take the keyboard.
xlogo -geometry 100x100+1100+10 &
other_pid=$!
other=$(timeout 10 xdotool search --sync --class xlogo | head -1) || fail "no second window"

start_game
expect "^display window 800x619 fullscreen 0 integer 0$"
expect "^state Title$"
keys Return
expect "^dialog-open 116$"
keys Return
expect "^state Playing$"
xdotool windowfocus --sync "$other"
expect "^active 0$"
expect "^state Paused$"
xdotool windowfocus --sync "$window"
expect "^active 1$"
expect_none "^state Playing$" 1.5
keys Pause
expect "^state Playing$"
# The check mark off: Alt+O opens the menu (which waits), P turns it off.
keys alt+o p
expect "^menu-open$"
expect "^state Paused$"
keys Escape
expect "^state Playing$"
xdotool windowfocus --sync "$other"
expect_none "^state Paused$" 1.5
grep -q "^pause_when_inactive = false$" quindel.toml || fail "the choice was not kept: $(cat quindel.toml 2>&1)"
stop_game

# A kept fullscreen and window size come back; without the file, the defaults.
cat >quindel.toml <<'TOML'
[display]
fullscreen = true
window_width = 1000
window_height = 800
TOML
start_game
expect "^display window 1000x800 fullscreen 1 integer 0$"
stop_game
rm quindel.toml
start_game
expect "^display window 800x619 fullscreen 0 integer 0$"
stop_game

# SIGTERM while the About box is open ends the game as the close box does:
# the box closes, the hall of fame is written, status 0.
rm -f highscore.dat
start_game
keys alt+g a
expect "^dialog-open 130$"
kill -TERM "$game_pid"
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$game_pid" 2>/dev/null && fail "SIGTERM did not end the game while the About box was open"
wait "$game_pid" || fail "the game ended with status $? on SIGTERM"
game_pid=""
expect "^dialog-close 130 2$"
[ "$(stat -c %s highscore.dat)" = 120 ] || fail "highscore.dat was not written on SIGTERM"
echo "the window waits for its player and keeps its preferences"
