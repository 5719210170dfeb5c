#!/usr/bin/env bash
# The data files as real games see them, through the built executable.
#   real-games.sh QUINDEL GAME_OVER_SCRIPT two-games
#       three games open on one folder at once lose no result
#   real-games.sh QUINDEL GAME_OVER_SCRIPT read-only
#       read-only data files are read, and each is said to be so once
# GAME_OVER_SCRIPT plays a game to its name entry (score 6) in the lines from
# `time` to `wait`.
set -euo pipefail
quindel=$1 theme=$3
mapfile -t play < <(sed -n '/^time/,/^wait/p' "$2")
folder=$(mktemp -d)
games=()
trap 'for pid in "${games[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$folder"' EXIT
cd "$folder"
fail() { echo "FAIL: $*" >&2; exit 1; }

# The hall of fame as a game started now reads it.
hallOfFame() { echo hof | "$quindel" --script - | grep -E '^[0-7] '; }

# A game whose script is written to descriptor IN and whose output is read
# from descriptor OUT, through two FIFOs.
start() {  # NAME IN OUT
  mkfifo "$1.in" "$1.out"
  "$quindel" --script - <"$1.in" >"$1.out" &
  games+=($!)
  eval "exec $2>$1.in $3<$1.out"
}
# Sends lines to a game and reads its output until a line matches.
ask() {  # IN OUT PATTERN LINE...
  local in=$1 out=$2 pattern=$3 line
  shift 3
  printf '%s\n' "$@" >&"$in"
  while read -r -t 60 -u "$out" line; do
    [[ $line =~ $pattern ]] && return 0
  done
  fail "no output line matched '$pattern'"
}

case $theme in
two-games)
  start a 3 4
  start b 5 6
  start c 7 8
  # A game that answers has read the table.
  ask 3 4 '^state=' dump
  ask 5 6 '^state=' dump
  ask 7 8 '^state=' dump
  ask 3 4 '^2 6 ALPHA$' "${play[@]}" 'dialog 1019 alpha' 'dialog 1' hof
  # C read the table before A's result and ends without one of its own.
  exec 7>&-
  wait "${games[2]}" || fail "game C failed"
  hallOfFame | grep -qx '2 6 ALPHA' || fail "C's end lost A's result"
  # B read it before A's result too, and enters one of its own.
  ask 5 6 '^3 6 BRAVO$' "${play[@]}" 'dialog 1019 bravo' 'dialog 1' hof
  exec 3>&- 5>&-
  wait "${games[0]}" || fail "game A failed"
  wait "${games[1]}" || fail "game B failed"
  expected=$'0 13 KIVOR\n1 11 TALEP\n2 6 ALPHA\n3 6 BRAVO\n4 0 NONAME\n5 0 NONAME\n6 0 NONAME\n7 0 NONAME'
  [ "$(hallOfFame)" = "$expected" ] || fail "the table after all three: $(hallOfFame)"
  [ "$(stat -c %s highscore.dat)" = 120 ] || fail "highscore.dat is not 120 bytes"
  ;;
read-only)
  printf '%s\n' "${play[@]}" 'dialog 1019 reader' 'dialog 1' | "$quindel" --script - >/dev/null
  # The default keys but s to turn left and p to pause, which the game does
  # not press.
  printf '%%\0\0\0\047\0\0\0S\0\0\0&\0\0\0 \0\0\0P\0\0\0' >settings.dat
  chmod 444 highscore.dat settings.dat
  before=$(cat highscore.dat settings.dat | od -An -tx1)
  # Root writes whatever the mode says; without that power it meets the
  # files as a player does.
  player=()
  [ "$(id -u)" = 0 ] && player=(setpriv --inh-caps=-dac_override --bounding-set=-dac_override)
  out=$(printf '%s\n' hof keys "${play[@]}" 'dialog 1019 late' 'dialog 1' hof |
    "${player[@]}" "$quindel" --script - 2>errors) || fail "the game failed: $(cat errors)"
  grep -qx '2 6 READER' <<<"$out" || fail "the read-only table was not read"
  grep -qx 'keys=37,39,83,38,32,80' <<<"$out" || fail "the read-only keys were not read"
  # The new result shows for the rest of the run, though it cannot be saved.
  grep -qx '3 6 LATE' <<<"$out" || fail "the unsaved result did not show"
  expected=$'quindel: cannot write highscore.dat (Permission denied): new results will not be saved
quindel: cannot write settings.dat (Permission denied): key changes will not be saved'
  [ "$(sort errors)" = "$expected" ] || fail "standard error: $(cat errors)"
  [ "$(cat highscore.dat settings.dat | od -An -tx1)" = "$before" ] || fail "a read-only file changed"
  ;;
*) fail "unknown theme $theme" ;;
esac
echo "$theme: passed"
