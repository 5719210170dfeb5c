#!/usr/bin/env bash
# Screenshots of the real window under Xvfb at today's sizes: the game in
# play fullscreen on a 1920 x 1080 screen, and in a 1280 x 1024 window.
# Usage: display-shots.sh path/to/quindel OUTPUT_DIR
# Xvfb has no window manager, which is what makes a fullscreen window cover
# the screen on a desktop; the script does that part with xdotool.
set -euo pipefail
quindel=$(realpath "$1")
out=$(realpath "$2")
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/../../tools/xvfb-session.sh" shots
stop() {
  kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; game_pid=""
  kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=""
}
# A game of a few seconds on level 3, the capsule steered a little.
play() {  # $1: window id
  xdotool windowfocus --sync "$1"
  xdotool key alt+g; sleep 0.3; xdotool key n; sleep 0.5
  xdotool key Right Right Right; sleep 0.2; xdotool key Return
  sleep 1.5
  xdotool key Left Left Up; sleep 2.5
  xdotool key Right Down; sleep 1.2
}

mkdir -p "$work/run" && cd "$work/run"

start_xvfb 1920x1080
"$quindel" --fullscreen &
game_pid=$!
window=$(timeout 10 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1)
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 1920 1080
play "$window"
import -window root "$out/fullscreen-1920x1080.png"
stop

start_xvfb 1400x1100
"$quindel" &
game_pid=$!
window=$(timeout 10 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1)
xdotool windowsize --sync "$window" 1280 1024
play "$window"
import -window "$window" "$out/window-1280x1024.png"
# The Options menu with its display choices, at that size.
xdotool key alt+o; sleep 0.5
import -window "$window" "$work/menu.png"
convert "$work/menu.png" -crop 420x240+0+0 +repage "$out/display-menu.png"
stop
echo "screenshots written to $out"
