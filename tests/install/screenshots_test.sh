#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's and the software centre's pictures can be made from the
# program as it is: every one of the script's pictures comes out at its
# size, and those the metainfo names are among them at the size it declares.
set -euo pipefail
build=$1
source_dir=$2
emulator=${3:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

VEXARIA_NO_BUILD=1 VEXARIA_BUILD=$build VEXARIA_EMULATOR=$emulator \
    bash "$source_dir/scripts/screenshots.sh" "$work" >"$work/made.txt" || fail "screenshots.sh failed"
made=$(find "$work" -name '*.png' | wc -l)
((made == $(wc -l <"$work/made.txt"))) || fail "$made pictures for $(wc -l <"$work/made.txt") lines"
((made >= 3)) || fail "only $made pictures"
for picture in "$work"/*.png; do
    [[ $(file -b "$picture") == "PNG image data, "* ]] || fail "$picture is not a PNG file"
done

declared=$(grep -o '<image type="source" width="[0-9]*" height="[0-9]*">[^<]*' \
    "$source_dir/packaging/org.example.vexaria.metainfo.xml" |
    sed -E 's/.*width="([0-9]+)" height="([0-9]+)">.*\/([^/]+)$/\3: \1x\2/')
[[ -n $declared ]] || fail "the metainfo names no picture"
while read -r line; do
    grep -qxF "$line" "$work/made.txt" || fail "the metainfo's picture $line is not made so"
done <<<"$declared"
# The README shows the pictures as they are made.
while read -r picture; do
    grep -q "^$picture: " "$work/made.txt" || fail "the README's $picture is not made by the script"
done < <(sed -n 's/.*](docs\/\([^)]*\.png\)).*/\1/p' "$source_dir/README.md")
echo "$made pictures made, $(wc -l <<<"$declared") named by the metainfo"
