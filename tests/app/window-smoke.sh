#!/usr/bin/env bash
# Smoke test of the real window in an X server: the game starts and shows
# the title picture, a new game starts from the menu, a key moves the capsule,
# and Exit ends the run with highscore.dat written. Starts its own Xvfb when
# no display is set.  Usage: window-smoke.sh path/to/quindel
set -euo pipefail
quindel=$(realpath "$1")
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/../../tools/xvfb-session.sh" smoke
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
fi

# What the client area must show, drawn by the same renderer headless.
(cd "$work" && "$quindel" --script - >/dev/null <<SCRIPT
shot $work/title.bmp
menu 114
dialog 1
shot $work/playing.bmp
SCRIPT
)
rm -f "$work"/*.dat

cd "$work"
"$quindel" &
game_pid=$!
window=$(timeout 10 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1) || fail "no window"
name=$(xdotool getwindowname "$window")
case "$name" in "-== Quindel v1.0 ==- "*) ;; *) fail "title is '$name'" ;; esac

shoot() {  # the client area below the menu bar
  import -window "$window" "$work/window.png" 2>/dev/null || return 1
  convert "$work/window.png" -crop 800x600+0+19 +repage "$1"
}
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# Retries a check for up to 15 s: a sanitizer build on a busy machine is slow.
eventually() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  return 1
}
title_shown() { shoot "$work/shot-title.png" && [ "$(differing "$work/shot-title.png" "$work/title.bmp")" = "0" ]; }
eventually title_shown || fail "the title picture is not shown"

xdotool windowfocus --sync "$window"
xdotool key alt+g
sleep 0.3
xdotool key n
sleep 0.3
xdotool key Return
# The score box of a fresh game, exactly as the renderer draws it.
score_box="232x110+566+470"
convert "$work/playing.bmp" -crop "$score_box" +repage "$work/score-expected.png"
game_shown() {
  shoot "$work/shot-game.png" \
    && convert "$work/shot-game.png" -crop "$score_box" +repage "$work/score-live.png" \
    && [ "$(differing "$work/score-live.png" "$work/score-expected.png")" = "0" ]
}
eventually game_shown || fail "no game was started"

# Column 0 of rows 0 to 3, where no virus is ever placed, is empty until the
# capsule is moved into it.
column0() { convert "$1" -crop 32x128+272+44 +repage -format %k info:; }
[ "$(column0 "$work/shot-game.png")" = "1" ] || fail "column 0 is not empty at the start"
xdotool key Left Left Left
moved() { shoot "$work/shot-moved.png" && [ "$(column0 "$work/shot-moved.png")" != "1" ]; }
eventually moved || fail "the capsule did not move left"

xdotool key alt+g
sleep 0.3
xdotool key e
for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$game_pid" 2>/dev/null; then fail "Exit did not end the run"; fi
wait "$game_pid" || fail "the game exited with status $?"
game_pid=""
[ "$(stat -c %s "$work/highscore.dat")" = "120" ] || fail "highscore.dat was not written"
echo "window smoke test passed"
