#!/usr/bin/env bash
# The installed package: `cmake --install` into a fresh prefix, then exactly
# the expected files, icons of the right sizes and pictures, a launcher entry
# and metainfo that the desktop's validators accept and that agree with each
# other and with the build, and the installed game started as the launcher
# starts it keeping its files in the player's folder and reading the
# installed music.
#   install-tree.sh BUILD_DIR BINDIR DATADIR VERSION APP_ID
set -euo pipefail
build=$1 bindir=$2 datadir=$3 version=$4 id=$5
work=$(mktemp -d /tmp/quindel-install-XXXXXX)
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

# Exactly these files: nothing missing, nothing stray from the build tree.
sizes="16 24 32 48 64 128 256"
{
  echo "$bindir/quindel"
  for f in pippirul.mod century.mod arkanoid.mod beingboi.mod cockatoo.mod KPRLOTOM.wav sorry.wav click.wav laser.wav; do
    echo "$datadir/quindel/music/$f"
  done
  echo "$datadir/doc/quindel/LICENSE"
  echo "$datadir/doc/quindel/DejaVuSans.copyright"
  echo "$datadir/applications/$id.desktop"
  echo "$datadir/metainfo/$id.metainfo.xml"
  for s in $sizes; do echo "$datadir/icons/hicolor/${s}x${s}/apps/$id.png"; done
} | sort >"$work/expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "the install tree differs from the expected list"
[ -x "$prefix/$bindir/quindel" ] || fail "the game is not executable"

# Each icon its size, with alpha, and the very pixels of the icon art.
bmp_dir=$build/resources/pictures/bmp
for s in $sizes; do
  png=$prefix/$datadir/icons/hicolor/${s}x${s}/apps/$id.png
  [ "$(identify -format '%m %wx%h %[channels]' "$png")" = "PNG ${s}x${s} srgba" ] \
    || fail "$png is $(identify -format '%m %wx%h %[channels]' "$png")"
  if [ "$s" = 32 ]; then bmp=$bmp_dir/IDC_GHOST.bmp; else bmp=$bmp_dir/IDC_GHOST_$s.bmp; fi
  differing=$(compare -metric AE "$bmp" "$png" null: 2>&1 || true)
  [ "$differing" = "0" ] || fail "$png differs from $bmp in $differing pixels"
done

# The validators, strict: a warning fails as an error would.
desktop=$prefix/$datadir/applications/$id.desktop
metainfo=$prefix/$datadir/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

# What the files say of each other and of the build.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon)"
[ "$(key Exec)" = "quindel --desktop" ] || fail "Exec=$(key Exec)"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
latest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$latest" = "$version" ] || fail "the newest release in the metainfo is $latest, the build is $version"
grep -q '<image[^>]*>https://' "$metainfo" || fail "no https screenshot"

# The installed game as the launcher starts it: from the home folder, with no
# music there, it keeps its files in the player's folder and runs where the
# installed music is, until it is asked to close.
home=$work/home
mkdir -p "$home"
cd "$home"
env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$work/data" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  "$prefix/$bindir/quindel" --desktop &
game_pid=$!
music_dir=$(realpath "$prefix/$datadir/quindel")
for _ in $(seq 300); do  # up to 15 s: a sanitizer build on a busy machine is slow
  [ "$(readlink "/proc/$game_pid/cwd" 2>/dev/null)" = "$music_dir" ] && [ -e "$work/data/quindel/settings.dat" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.05
done
[ "$(readlink "/proc/$game_pid/cwd" 2>/dev/null)" = "$music_dir" ] || fail "the game does not run where the installed music is"
# SDL turns the signal into a quit, which ends the game as the close box does.
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game exited with status $status"
[ "$(stat -c %s "$work/data/quindel/highscore.dat")" = 120 ] || fail "highscore.dat is not in the player's folder"
[ -e "$work/data/quindel/settings.dat" ] || fail "settings.dat is not in the player's folder"
[ -z "$(ls -A "$home")" ] || fail "the game wrote into the folder it was started in: $(ls -A "$home")"
[ ! -e "$prefix/$datadir/quindel/highscore.dat" ] || fail "the game wrote into the installed data"
echo "install tree passed"
