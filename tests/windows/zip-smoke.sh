#!/usr/bin/env bash
# The Windows zip as a player uses it, under wine in an X server of its own.
# Unpacked into a folder named in letters outside ASCII, it holds the game,
# its music, the licences and the README. Started there, the window shows the
# title picture (the pixels the Linux build's renderer draws), a new game
# starts from the keyboard, a capsule moves, and Exit ends the run with
# highscore.dat written byte for byte as the Linux build writes it for the
# same game. Started with --desktop by a player whose own folder is named
# outside ASCII, it keeps its files in %APPDATA%\quindel there.
#   zip-smoke.sh ZIP LINUX-QUINDEL WINE-RUN
# Prints the time from start to the title picture.
set -euo pipefail
zip=$(realpath "$1")
linux=$(realpath "$2")
wine_run=$(realpath "$3")
[ -f "$zip" ] || { echo "FAIL: no $zip: build the target quindel_zip first" >&2; exit 1; }
source "$(dirname "$0")/../../tools/xvfb-session.sh" zip-smoke
export LC_ALL=C.UTF-8
start_xvfb

# The wine prefix: a copy of the shared one (hard links, made in an instant)
# with registry files of its own, whose player has an AppData folder named
# outside ASCII. Its wine server ends with the test.
"$wine_run" --prepare || fail "wine has no prefix"
shared=${QUINDEL_WINEPREFIX:-${QUINDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quindel}/windows-wine}
export QUINDEL_WINEPREFIX=$work/wineprefix
cp -al "$shared" "$QUINDEL_WINEPREFIX"
for reg in "$shared"/*.reg; do cp --remove-destination "$reg" "$QUINDEL_WINEPREFIX/"; done
trap 'WINEPREFIX=$QUINDEL_WINEPREFIX wineserver -k 2>/dev/null || true; cleanup' EXIT
appdata_windows='C:\users\Zoë Ørn\AppData\Roaming'
appdata="$QUINDEL_WINEPREFIX/drive_c/users/Zoë Ørn/AppData/Roaming"
"$wine_run" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
  /v AppData /t REG_EXPAND_SZ /d "$appdata_windows" /f >/dev/null 2>&1 || fail "cannot set the player's AppData"

# --- The zip's contents ----------------------------------------------------
folder="$work/Spiele für Zoë"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
game=$(ls -d "$folder"/Quindel-*-win64)
[ -f "$game/quindel.exe" ] || fail "no quindel.exe in the zip"
[ "$(ls "$game"/music/*.mod | wc -l)" = 5 ] || fail "the zip does not hold the five songs"
[ "$(ls "$game"/music/*.wav | wc -l)" = 4 ] || fail "the zip does not hold the four sounds"
for licence in Quindel SDL2 SDL2_mixer libopenmpt Dear-ImGui stb DejaVu-fonts MinGW-w64-runtime GCC-runtime; do
  [ -s "$game/licences/$licence.txt" ] || fail "the zip has no licence for $licence"
done
head -1 "$game/README.txt" | grep -q $'\r$' || fail "README.txt does not have Windows line ends"
# A windowed program (no console window on a double-click) that needs
# nothing but Windows' own libraries.
x86_64-w64-mingw32-objdump -p "$game/quindel.exe" >"$work/headers"
grep -q "^Subsystem.*(Windows GUI)" "$work/headers" || fail "quindel.exe is not a windowed program"
sed -n 's/^\tDLL Name: //p' "$work/headers" | tr 'A-Z' 'a-z' | sort -u >"$work/dlls"
unexpected=$(grep -v -x -E 'advapi32.dll|gdi32.dll|imm32.dll|kernel32.dll|msvcrt.dll|ole32.dll|oleaut32.dll|rpcrt4.dll|setupapi.dll|shell32.dll|user32.dll|version.dll|winmm.dll' \
  "$work/dlls" || true)
[ -z "$unexpected" ] || fail "quindel.exe needs libraries Windows does not have: $unexpected"

# --- What the window must show, drawn by the Linux build's renderer --------
(cd "$work" && "$linux" --script - >/dev/null <<SCRIPT
shot $work/title.bmp
menu 114
dialog 1
shot $work/playing.bmp
SCRIPT
)
# The same game played to Exit by the Linux build: its highscore.dat.
mkdir -p "$work/linux-game"
(cd "$work/linux-game" && "$linux" --script - >/dev/null <<SCRIPT
menu 114
dialog 1
key 37
key 37
key 37
menu 109
SCRIPT
)
[ "$(stat -c %s "$work/linux-game/highscore.dat")" = 120 ] || fail "the Linux build wrote no highscore.dat"

shoot() {  # the client area below the menu bar
  import -window "$window" "$work/window.png" 2>/dev/null || return 1
  convert "$work/window.png" -crop 800x600+0+19 +repage "$1"
}
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
eventually() {  # retries a check for up to 30 s
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
title_shown() { shoot "$work/shot-title.png" && [ "$(differing "$work/shot-title.png" "$work/title.bmp")" = "0" ]; }
# start ARGUMENT...: the game from its own folder, as a double-click starts it.
start() {
  local started=$(date +%s.%N)
  (cd "$game" && exec "$wine_run" ./quindel.exe "$@") &
  game_pid=$!
  window=$(timeout 30 xdotool search --sync --name -- '-== Quindel v1.0 ==-' | head -1) || fail "no window"
  eventually title_shown || fail "the title picture is not shown"
  title_seconds=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
}
# exit_game: Game > Exit by keyboard; the run must end by itself, status 0.
exit_game() {
  xdotool windowfocus --sync "$window"
  xdotool key alt+g
  sleep 0.5
  xdotool key e
  for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then fail "Exit did not end the run"; fi
  wait "$game_pid" || fail "the game exited with status $?"
  game_pid=""
}

# --- A game in the unpacked folder -----------------------------------------
start
echo "title shown $title_seconds s after the start"
xdotool windowfocus --sync "$window"
xdotool key alt+g
sleep 0.5
xdotool key n
sleep 0.5
xdotool key Return
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
exit_game
cmp "$game/highscore.dat" "$work/linux-game/highscore.dat" \
  || fail "highscore.dat differs from the Linux build's for the same game"

# --- The player's own folder -----------------------------------------------
start --desktop
exit_game
cmp "$appdata/quindel/highscore.dat" "$work/linux-game/highscore.dat" \
  || fail "--desktop kept no highscore.dat in $appdata_windows\\quindel"
[ -f "$appdata/quindel/settings.dat" ] || fail "--desktop kept no settings.dat in $appdata_windows\\quindel"
echo "zip smoke test passed"
