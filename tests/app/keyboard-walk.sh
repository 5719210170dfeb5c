#!/usr/bin/env bash
# A player with a keyboard and no mouse, in the real window under Xvfb, with
# xdotool's keys alone: the menu opens "Start new game...", hard and level 5
# are chosen and the game starts; Escape pauses and resumes; the hall of fame
# and the key options open and close; the drop key held down ends the game,
# and still held when the name entry opens types nothing into it; a name is
# entered. What happened is read from the game's trace, not from pixels.
#   keyboard-walk.sh QUINDEL
set -euo pipefail
quindel=$(realpath "$1")
source "$(dirname "$0")/../../tools/xvfb-session.sh" keyboard-walk
start_xvfb

mkdir -p "$work/run" && cd "$work/run"
# A hall of fame any score enters (scores of -1, which only a foreign file
# holds), so the end of the game asks for a name.
perl -e 'print "OLD" . ("\0" x 8) for 1..8; print pack("l<", -1) for 1..8' >highscore.dat
[ "$(stat -c %s highscore.dat)" = 120 ] || fail "the starting hall of fame is not 120 bytes"

start_game
xdotool mousemove 1020 760

expect "^state Title$"
# The menu by keyboard: Alt+G lights "Start new game", Enter chooses it.
keys alt+g Return
expect "^dialog-open 116$"
# The focus starts on the level bar: Tab goes round the buttons to the
# difficulty group (on "normal"), Down takes "hard", Tab the bar again.
keys Tab Tab Tab Down Tab Right Right Right Right Return
expect "^level 5 tick 300$"
expect "^state Playing$"
expect "^dialog-close 116 1$"
keys Escape
expect "^state Paused$"
keys Escape
expect "^state Playing$"
# The menu open, the game waits for its player, and goes on only when the
# player says so.
keys alt+o
expect "^state Paused$"
keys h
expect "^dialog-open 115$"
keys Return
expect "^dialog-close 115 1$"
keys alt+o s
expect "^dialog-open 118$"
keys Escape
expect "^dialog-close 118 2$"
keys Escape
expect "^state Playing$"
# The drop key held down: the desktop's repeats drop capsule after capsule
# until the entry is blocked, and go on while the name entry opens.
xdotool keydown space
expect "^state GameOver$"
expect "^dialog-open 117$"
sleep 0.8
xdotool keyup space
keys k b d Return
expect "^dialog-close 117 1$"
keys alt+g e
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Exit did not end the game"
game_pid=""
name=$(head -c 11 highscore.dat | tr -d '\0')
[ "$name" = "KBD" ] || fail "the first name in highscore.dat is '$name', not 'KBD'"
echo "the whole game by keyboard alone"
