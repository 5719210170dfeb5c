#!/usr/bin/env bash
# The Windows and the Linux build keep the same files: the same games played
# by each write highscore.dat and settings.dat byte for byte alike, and each
# build reads the files the other wrote as its own (the same table, the same
# keys, the files left as they were). The Windows build plays in a folder and
# from a script named in letters outside ASCII, and saves a screenshot under
# such a name, as a player's folder may be.
#   files-match-linux.sh LINUX-QUINDEL WINDOWS-QUINDEL.exe WINE-RUN SCRIPT-DIR
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
wine_run=$3
scripts=$(realpath "$4")
work=$(mktemp -d /tmp/quindel-files-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Wine hands a program its arguments as UTF-8 only under a UTF-8 locale.
export LC_ALL=C.UTF-8

# play BUILD FOLDER SCRIPT: the output in FOLDER/NAME.out, Windows line ends
# made Unix ones.
play() {
  local build=$1 folder=$2 script=$3
  local out=$folder/$(basename "$script" .script).out
  if [ "$build" = linux ]; then
    (cd "$folder" && "$linux" --script "$script") >"$out" || fail "the Linux build failed on $script"
  else
    (cd "$folder" && "$wine_run" "$windows" --script "$script") >"$out.crlf" || fail "the Windows build failed on $script"
    tr -d '\r' <"$out.crlf" >"$out"
  fi
}

# The Windows build's scripts under a name of their own.
foreign=$work/Spiele-für-Zoë-日本
mkdir -p "$foreign" "$work/linux" "$work/windows-Zoë"
for name in name-entry-ten-letters keys-drop-on-x; do
  cp "$scripts/$name.script" "$foreign/$name-Zoë.script"
done
play linux "$work/linux" "$scripts/name-entry-ten-letters.script"
play linux "$work/linux" "$scripts/keys-drop-on-x.script"
play windows "$work/windows-Zoë" "$foreign/name-entry-ten-letters-Zoë.script"
play windows "$work/windows-Zoë" "$foreign/keys-drop-on-x-Zoë.script"
for name in name-entry-ten-letters keys-drop-on-x; do
  cmp -s "$work/linux/$name.out" "$work/windows-Zoë/$name-Zoë.out" || {
    diff "$work/linux/$name.out" "$work/windows-Zoë/$name-Zoë.out" | head -20
    fail "the builds print different things for $name"
  }
done
for file in highscore.dat settings.dat; do
  cmp "$work/linux/$file" "$work/windows-Zoë/$file" || fail "the builds wrote different $file"
done
[ "$(stat -c %s "$work/linux/highscore.dat")" = 120 ] || fail "highscore.dat is not 120 bytes"
[ "$(stat -c %s "$work/linux/settings.dat")" = 24 ] || fail "settings.dat is not 24 bytes"

# Each build reads the other's files.
printf 'hof\nkeys\nshot Bild-Zoë-日本.bmp\n' >"$foreign/read-Zoë.script"
mkdir -p "$work/linux-reads" "$work/windows-reads-Zoë"
cp "$work/windows-Zoë"/*.dat "$work/linux-reads/"
cp "$work/linux"/*.dat "$work/windows-reads-Zoë/"
play linux "$work/linux-reads" "$foreign/read-Zoë.script"
play windows "$work/windows-reads-Zoë" "$foreign/read-Zoë.script"
cmp -s "$work/linux-reads/read-Zoë.out" "$work/windows-reads-Zoë/read-Zoë.out" || {
  diff "$work/linux-reads/read-Zoë.out" "$work/windows-reads-Zoë/read-Zoë.out"
  fail "the builds read different things from each other's files"
}
grep -qx "2 6 ABCDEFGHIJ" "$work/windows-reads-Zoë/read-Zoë.out" || fail "the Windows build lost the entered name"
grep -qx "keys=37,39,40,38,88,19" "$work/windows-reads-Zoë/read-Zoë.out" || fail "the Windows build lost the X key"
for file in highscore.dat settings.dat; do
  cmp "$work/linux/$file" "$work/windows-reads-Zoë/$file" || fail "the Windows build changed the Linux $file"
  cmp "$work/linux/$file" "$work/linux-reads/$file" || fail "the Linux build changed the Windows $file"
done
# The same picture from both builds' renderers, saved under a name outside ASCII.
cmp "$work/linux-reads/Bild-Zoë-日本.bmp" "$work/windows-reads-Zoë/Bild-Zoë-日本.bmp" \
  || fail "the builds drew different title screens"
echo "the Windows and Linux builds write and read the same files"
