#!/usr/bin/env bash
# Screenshots of a versus match in the real window at its original size
# under Xvfb, for the README: the versus dialog, a match in progress against
# the computer while player one steers a little, and the match's end.
# Usage: versus-shots.sh path/to/quindel OUTPUT_DIR
# The dialog offers what quindel.toml keeps: here the computer at strength
# 3, both on level 5, medium, one round to win, so the match ends within a
# minute or two.
set -euo pipefail
quindel=$(realpath "$1")
out=$(realpath "$2")
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/../../tools/xvfb-session.sh" versus-shots
start_xvfb

mkdir -p "$work/run" && cd "$work/run"
cat >quindel.toml <<'TOML'
[versus]
opponent = "computer"
strength = 3
level_one = 5
level_two = 5
speed = "medium"
rounds = 1
TOML
"$quindel" &
game_pid=$!
window=$(timeout 10 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1) || fail "no window"
xdotool windowfocus --sync "$window"
xdotool mousemove 1020 760
sleep 1
shot() { import -window "$window" "$1"; }

# Game > Versus game...
xdotool key alt+g; sleep 0.3; xdotool key v; sleep 0.6
shot "$out/versus-dialog.png"
xdotool key Return; sleep 1.2
for moves in "Left Left Up" "Left" "space space space" "Right Right Right Down" "Right" "Up Left" "Right"; do
  xdotool key $moves; sleep 1.6
done
shot "$out/versus.png"
# Player one stops; the computer takes the round and with it the match.
for _ in $(seq 150); do
  sleep 1
  import -window "$window" "$work/probe.png"
  # The gold of the won match's sign over the right bottle (12, 60 into
  # the sign, below the menu bar) is unmistakable.
  rgb=$(convert "$work/probe.png" -format "%[fx:int(255*p{540,290}.r)] %[fx:int(255*p{540,290}.g)] %[fx:int(255*p{540,290}.b)]" info:)
  set -- $rgb
  if [ "$1" -gt 150 ] && [ "$3" -lt 60 ]; then break; fi
done
sleep 0.5
shot "$out/versus-match-end.png"
xdotool key Return; sleep 0.5
