#!/usr/bin/env bash
# The icon in quindel.exe's resources is our icon art at every size Windows
# asks for, pixel for pixel and with its transparency: each entry of the .ico
# decoded by ImageMagick equals the BMP rendering it was made from.
#   icon-matches-art.sh quindel.ico BMP-FOLDER
set -euo pipefail
ico=$1
bmps=$2
work=$(mktemp -d /tmp/quindel-icon-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
convert "$ico" "$work/entry-%d.png" || fail "$ico cannot be read as an icon"
index=0
for size in 16 24 32 48 64 128 256; do
  bmp=$bmps/IDC_GHOST_$size.bmp
  [ "$size" = 32 ] && bmp=$bmps/IDC_GHOST.bmp
  entry=$work/entry-$index.png
  [ -f "$entry" ] || fail "the icon has no entry $index for $size px"
  [ "$(identify -format %wx%h "$entry")" = "${size}x$size" ] || fail "entry $index is not $size px"
  differing=$(compare -metric AE "$entry" "$bmp" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "the $size px entry differs from the art in $differing pixels"
  index=$((index + 1))
done
[ ! -f "$work/entry-$index.png" ] || fail "the icon has more entries than the art has sizes"
echo "the icon holds the art at 7 sizes"
