#!/usr/bin/env bash
# The real window under Xvfb and the games it shows on its own: the title's
# demo starts after 20 s untouched and a key or a click ends it at once, the
# title still there, and neither a window left nor a versus match shows one;
# Game > Watch last game says so when nothing was recorded, and plays the last replay until Escape, the game usable after;
# --replay plays a file to its end (faster with 4) and leaves. None of them
# writes highscore.dat, settings.dat or replays/. Checked by the trace.
#   watch-and-demo.sh QUINDEL SCRIPT   (SCRIPT: a short game to watch)
set -euo pipefail
quindel=$(realpath "$1")
replay=$(realpath "$2")
source "$(dirname "$0")/../../tools/xvfb-session.sh" watch
other_pid=""
trap 'kill $other_pid 2>/dev/null || true; cleanup' EXIT
start_xvfb 1024x768
expect_seconds=5
mkdir -p "$work/run" && cd "$work/run"

# What the player's files hold, replays/ included.
files() { find . -type f -print0 | sort -z | xargs -0r md5sum; ls -la --time-style=full-iso replays 2>&1 || true; }

# The demo: not before 20 s, by 25 s; a key ends it and the title stays.
start_game
expect "^state Title$"
started=$SECONDS
before=$(files)
expect "^demo start$" 25
[ $((SECONDS - started)) -ge 19 ] || fail "the demo started after $((SECONDS - started)) s, before 20 s untouched"
sleep 3
keys space
expect "^demo end$" 2
# Then the next, ended by a click.
expect "^demo start$" 25
sleep 2
xdotool mousemove --window "$window" 400 300 click 1
expect "^demo end$" 2
grep -q "^state [^T]" "$work/trace" && fail "the title gave way to: $(grep '^state' "$work/trace")"
# A window left shows no demo however long it waits.
xlogo -geometry 100x100+900+10 &
other_pid=$!
other=$(timeout 10 xdotool search --sync --class xlogo | head -1) || fail "no second window"
xdotool windowfocus --sync "$other"
sleep 22
grep -c "^demo start$" "$work/trace" | grep -qx 2 || fail "a demo started in a window left: $(grep demo "$work/trace")"
xdotool windowfocus --sync "$window"
[ "$(files)" = "$before" ] || fail "the demo changed the player's files: $(files)"

# Watch last game with nothing recorded: a message box says so.
keys alt+g w
expect "^dialog-open 132$"
keys Return
expect "^dialog-close 132 1$"
# A versus match keeps the single game on its title: no demo over it.
keys alt+g v
expect "^dialog-open 131$"
keys Return
expect "^dialog-close 131 1$"
sleep 22
grep -c "^demo start$" "$work/trace" | grep -qx 2 || fail "a demo started over a versus match"
stop_game

# A recorded game watched until Escape; the game goes on from its title.
mkdir -p replays
cp "$replay" replays/last.script
start_game
expect "^state Title$"
before=$(files)
keys alt+g w
expect "^watch start$"
sleep 2
keys Escape
expect "^watch end$" 2
keys Return
expect "^dialog-open 116$"
[ "$(files)" = "$before" ] || fail "watching changed the player's files: $(files)"
# Over a game in play (recorded meanwhile): the menu paused it, and after
# the watching it goes on when the player says so.
keys Return
expect "^state Playing$"
sleep 1
keys alt+g w
expect "^state Paused$"
expect "^watch start$"
sleep 2
keys Escape
expect "^watch end$" 2
keys Pause
expect "^state Playing$"
# The live game's recording and its dated copy, and no other.
[ "$(ls replays | wc -l)" = 2 ] || fail "replays/ holds $(ls replays)"
stop_game

# --replay: played to its end four times as fast, and the game leaves by
# itself; a replay that cannot be read opens no window.
before=$(files)
"$quindel" --replay "$replay" 2>"$work/trace" &
game_pid=$!
timeout 15 xdotool search --sync --name -- '-== Quindel v1.0 ==-' >/dev/null || fail "no window for --replay"
keys 4
for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "--replay did not end by itself at four times the speed"
wait "$game_pid" || fail "--replay ended with status $?"
game_pid=""
[ "$(files)" = "$before" ] || fail "--replay changed the player's files: $(files)"
status=0
"$quindel" --replay missing.script 2>"$work/trace" || status=$?
[ "$status" = 2 ] || fail "--replay of a missing file ended with status $status"
grep -q "^quindel: cannot read the replay missing.script: " "$work/trace" || fail "$(cat "$work/trace")"
echo "the demo, watching and --replay leave the player's files alone"
