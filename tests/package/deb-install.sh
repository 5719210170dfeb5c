#!/usr/bin/env bash
# The Debian package as a Debian 12 system takes it. Its contents and fields
# first; then `apt-get install ./quindel_*.deb` in a clean, minimal Debian 12
# must resolve every library the game needs from Debian's archive, and the
# installed game must answer --version and --help from the PATH a player has.
# The clean system is a chroot that debootstrap makes once and the cache
# keeps, with the packages downloaded before.
#   tests/package/deb-install.sh dist/quindel_VERSION_ARCH.deb
# Needs root (for chroot) and Debian's mirror, as apt-get does.
set -euo pipefail
deb=$(realpath "$1")
cache=${QUINDEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quindel}
base=$cache/debian12-minbase
kept=$cache/debian12-apt
work=$(mktemp -d /tmp/quindel-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
started=$SECONDS

# --- What the package holds ------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $NF }' >"$work/contents"
for file in ./usr/games/quindel ./usr/share/quindel/music/beingboi.mod ./usr/share/quindel/music/laser.wav \
            ./usr/share/applications/io.github.quindel.Quindel.desktop \
            ./usr/share/metainfo/io.github.quindel.Quindel.metainfo.xml \
            ./usr/share/icons/hicolor/16x16/apps/io.github.quindel.Quindel.png \
            ./usr/share/icons/hicolor/256x256/apps/io.github.quindel.Quindel.png \
            ./usr/share/doc/quindel/copyright ./usr/share/doc/quindel/changelog.gz \
            ./usr/share/man/man6/quindel.6.gz; do
  grep -qx -- "$file" "$work/contents" || fail "the package has no $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libopenmpt0 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
# The man page carries the options of --help and the keys of the README.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man6/quindel.6.gz | gzip -d >"$work/quindel.6"
for text in '^\.SH KEYS' 'capsule' 'desktop' 'script' '^\.SH FILES'; do
  grep -q -- "$text" "$work/quindel.6" || fail "the man page lacks '$text'"
done

# --- A clean Debian 12 -----------------------------------------------------
[ "$(id -u)" -eq 0 ] || fail "installing into a clean Debian 12 needs root (chroot)"
if [ ! -f "$base/.complete" ]; then
  command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
  mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "${mirror:-http://deb.debian.org/debian}" >"$work/debootstrap.log" 2>&1 \
    || { tail -20 "$work/debootstrap.log"; fail "debootstrap could not make a Debian 12"; }
  touch "$base/.complete"
  echo "made a minimal Debian 12 in $base ($((SECONDS - started)) s)"
fi
root=$work/root
cp -a "$base" "$root"
mkdir -p "$kept/lists" "$kept/archives"
cp -a "$kept/lists/." "$root/var/lib/apt/lists/"
cp -a "$kept/archives/." "$root/var/cache/apt/archives/"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games "$@"; }
in_root apt-get update -qq >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get update failed in the chroot"; }
in_root apt-get install -y -qq "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1 \
  || { tail -30 "$work/apt.log"; fail "apt-get install could not install the package"; }
# Kept for the next run, so it downloads only what changed.
cp -a "$root/var/lib/apt/lists/." "$kept/lists/"
find "$root/var/cache/apt/archives" -maxdepth 1 -name '*.deb' ! -name 'quindel_*' -exec cp -t "$kept/archives" {} +

version=$(dpkg-deb -f "$deb" Version)
in_root quindel --version | grep -qx "Quindel $version" || fail "the installed quindel --version does not say $version"
in_root quindel --help | grep -q -- "--desktop" || fail "the installed quindel --help does not run"
echo "the package installs into a clean Debian 12 and runs ($((SECONDS - started)) s)"
