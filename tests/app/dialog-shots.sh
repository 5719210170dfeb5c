#!/usr/bin/env bash
# Screenshots of the real window at its original size under Xvfb, for the
# README: the title, the Game menu, the new-game dialog, a game on level 3,
# the hall of fame and the key options while paused, then the name entry at
# game over and the hall of fame with the new name.
# Usage: dialog-shots.sh path/to/quindel OUTPUT_DIR
# The game over comes from dropping capsules, steered a little at random,
# until the entry is blocked; a game that ends with no points (no name entry)
# is followed by another, up to a dozen times.
set -euo pipefail
quindel=$(realpath "$1")
out=$(realpath "$2")
export SDL_AUDIODRIVER=dummy
source "$(dirname "$0")/../../tools/xvfb-session.sh" dialog-shots
start_xvfb

# A fresh folder: the hall of fame the game starts with.
mkdir -p "$work/run" && cd "$work/run"
QUINDEL_TRACE=1 "$quindel" 2>>"$work/trace" &
game_pid=$!
window=$(timeout 10 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1) || fail "no window"
xdotool windowfocus --sync "$window"
# The pointer out of the window, so nothing shows as hovered.
xdotool mousemove 1020 760
sleep 1

shot() { import -window "$window" "$1"; }
# Whether the window's pixels at x,y are close to an RGB colour.
colour_at() {  # x y r g b
  local rgb
  rgb=$(convert "$work/probe.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:)
  set -- $rgb "$3" "$4" "$5"
  [ $(( ($1-$4)*($1-$4) + ($2-$5)*($2-$5) + ($3-$6)*($3-$6) )) -lt 300 ]
}

shot "$out/title.png"
xdotool key alt+g; sleep 0.5
shot "$out/menu.png"
xdotool key Escape; sleep 0.3

# Level 3, normal.
xdotool key alt+g; sleep 0.3; xdotool key n; sleep 0.5
xdotool key Right Right; sleep 0.3
shot "$out/new-game.png"
xdotool key Return; sleep 1.5
xdotool key Left Left Up; sleep 2.5
xdotool key Right Right Right Down; sleep 2
xdotool key Left; sleep 1.5
shot "$out/game.png"

xdotool key Pause; sleep 0.3
xdotool key alt+o; sleep 0.3; xdotool key h; sleep 0.5
shot "$out/hall-of-fame.png"
xdotool key Return; sleep 0.3
xdotool key alt+o; sleep 0.3; xdotool key s; sleep 0.5
shot "$out/key-options.png"
xdotool key Escape; sleep 0.3
xdotool key Pause; sleep 0.3

# Drops until the game is over: the name entry's caption, or the game-over
# picture with no dialog over it. Capsules are steered a little at random so
# that lines with viruses in them clear and the game scores: only a score
# over the table's lowest brings the name entry.
named=no
for attempt in $(seq 12); do
  for _ in $(seq 160); do
    case $((RANDOM % 6)) in
      0) xdotool key Left Left ;;
      1) xdotool key Right Right ;;
      2) xdotool key Up ;;
      3) xdotool key Right Right Right Up ;;
    esac
    xdotool key space space space space
    # The trace tells the end of the game, and whether it asks for a name.
    if grep -q "^dialog-open 117$" "$work/trace"; then named=yes; break; fi
    if grep -q "^state GameOver$" "$work/trace"; then
      # The name entry comes a moment after the game-over picture.
      sleep 2
      grep -q "^dialog-open 117$" "$work/trace" && named=yes
      break
    fi
  done
  [ "$named" = yes ] && break
  # No points, no entry: another game, on level 1.
  : >"$work/trace"
  xdotool key Return; sleep 0.5; xdotool key Return; sleep 0.5
done
[ "$named" = yes ] || fail "no game ended in the hall of fame"
sleep 0.3
# Keys this loop sent after the end went into the name field: taken back one
# by one (ImGui 1.86 sees a key only while it is down at a frame, and a Ctrl
# combination draws none, so no Ctrl+A).
xdotool key End
for _ in $(seq 20); do xdotool key BackSpace; done
xdotool type --delay 60 pillmaster
sleep 0.5
shot "$out/name-entry.png"
xdotool key Return; sleep 0.5
xdotool key alt+o; sleep 0.3; xdotool key h; sleep 0.5
shot "$out/hall-of-fame-new-entry.png"
xdotool key Return; sleep 0.3
xdotool key alt+g; sleep 0.3; xdotool key e
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
echo "screenshots written to $out"

# The name entry as a pad's player spells a name in it, drawn by the SDL
# tests' own window (a pad cannot be plugged into Xvfb).
tests=$(dirname "$quindel")/tests/sdl/quindel_sdl_tests
[ -x "$tests" ] || fail "no $tests to draw the name entry by pad"
QUINDEL_SCREENSHOTS=$work SDL_VIDEODRIVER=dummy "$tests" --gtest_filter=PadWalk.ScreenshotOfTheNameEntryByPad >/dev/null \
  || fail "the pad's name entry could not be drawn"
convert "$work/name-entry-pad.bmp" "$out/name-entry-pad.png"
echo "and $out/name-entry-pad.png"
