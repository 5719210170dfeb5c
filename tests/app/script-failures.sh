#!/usr/bin/env bash
# A script run that cannot do what it was asked says so and fails: a script
# that cannot be read (a folder, a closed or write-only standard input) stops
# before any data file is written; an endless line, a picture that cannot be
# written and an output that cannot be written stop with their own message
# and status; a far-future time still plays.
#   script-failures.sh QUINDEL
set -uo pipefail
quindel=$1
work=$(mktemp -d /tmp/quindel-failures-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run NAME STATUS STDERR-REGEX FILES-EXPECTED COMMAND...: in a fresh folder.
run() {
  local name=$1 want=$2 pattern=$3 files=$4
  shift 4
  local dir=$work/$name
  mkdir -p "$dir"
  (cd "$dir" && "$@" >"$dir.out" 2>"$dir.err")
  local got=$?
  [ "$got" = "$want" ] || fail "$name: status $got, expected $want ($(cat "$dir.err"))"
  if [ -z "$pattern" ]; then
    [ ! -s "$dir.err" ] || fail "$name: stderr '$(cat "$dir.err")', expected none"
  else
    grep -Eq "$pattern" "$dir.err" || fail "$name: stderr '$(cat "$dir.err")' does not match '$pattern'"
  fi
  local listed
  listed=$(cd "$dir" && ls | tr '\n' ' ')
  [ "$listed" = "$files" ] || fail "$name: files '$listed', expected '$files'"
}

printf 'dump\n' >"$work/dump.script"
run folder 2 "cannot read the script /tmp: it is a folder" "" "$quindel" --script /tmp
run closed-stdin 2 "cannot read the script from standard input: standard input is closed" "" \
  sh -c '"$0" --script - <&-' "$quindel"
run write-only-stdin 2 "standard input is open for writing only" "" \
  sh -c '"$0" --script - 0>>"$1"' "$quindel" "$work/dump.script"
run missing 2 "cannot read the script /nonexistent.script: No such file" "" "$quindel" --script /nonexistent.script
run endless-line 2 "^script line 1: longer than 1048576 bytes$" "highscore.dat settings.dat " \
  timeout 20 "$quindel" --script /dev/zero
printf 'dump\nshot %s\n' "$work/no-such-folder/x.bmp" >"$work/shot-missing.script"
run shot-missing-folder 2 "^script line 2: cannot write the picture to .*no-such-folder/x.bmp" \
  "highscore.dat settings.dat " "$quindel" --script "$work/shot-missing.script"
mkdir -p "$work/taken.bmp"
printf 'shot %s\n' "$work/taken.bmp" >"$work/shot-folder.script"
run shot-onto-folder 2 "^script line 1: cannot write the picture" "highscore.dat settings.dat " \
  "$quindel" --script "$work/shot-folder.script"
run output-full 1 "cannot write to standard output" "highscore.dat settings.dat " \
  sh -c '"$0" --script "$1" >/dev/full' "$quindel" "$work/dump.script"
run help-full 1 "cannot write to standard output" "" sh -c '"$0" --help >/dev/full' "$quindel"
printf 'time 9223372036854775807\nwait 5000\nmenu 114\ndialog 1\nwait 3000\ndump\n' >"$work/far.script"
run far-future-time 0 "" "highscore.dat settings.dat " "$quindel" --script "$work/far.script"
grep -q "^state=602 level=0" "$work/far-future-time.out" || fail "far-future-time: $(cat "$work/far-future-time.out")"

[ "$failures" = 0 ] || exit 1
echo "every failure reported as one"
