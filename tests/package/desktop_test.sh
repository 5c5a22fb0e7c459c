#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's view of the program: the menu entry, the software centres'
# data, the manual page, and the icons, all drawn from the one SVG drawing,
# the window icon compiled into the program included.
set -euo pipefail
build=$1
sources=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The desktop entry: valid, found in four languages, grouped by docks
# with the window (its class is checked live by test_package).
desktop=$sources/resources/desktop/vexaria.desktop
desktop-file-validate "$desktop" | grep -v ': hint: ' && fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(key Categories) == "Education;Science;Physics;" ]] || fail "Categories=$(key Categories)"
[[ $(key StartupWMClass) == mirvex ]] || fail "StartupWMClass=$(key StartupWMClass)"
[[ $(key Exec) == vexaria && $(key Icon) == vexaria ]] || fail "Exec or Icon"
for lang in "" "\[es\]" "\[ca\]" "\[gl\]"; do
    [[ $(key "Keywords$lang" | tr ';' '\n' | grep -c .) -ge 3 ]] || fail "few Keywords$lang"
done
key 'Keywords\[es\]' | grep -q espejo || fail "Spanish keywords"
key 'Keywords\[ca\]' | grep -q mirall || fail "Catalan keywords"
key 'Keywords\[gl\]' | grep -q espello || fail "Galician keywords"
key 'Comment\[gl\]' | grep -q espellos || fail "Galician comment"

# The software centres' data: valid, pointing at this desktop entry and
# icon, with a screenshot, the content rating and this version's release.
metainfo=$sources/packaging/org.example.vexaria.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >"$tmp/metainfo.log" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/metainfo.log")"
grep -q '<launchable type="desktop-id">vexaria.desktop</launchable>' "$metainfo" ||
    fail "the metainfo's desktop id"
grep -q '<icon type="stock">vexaria</icon>' "$metainfo" || fail "the metainfo's icon"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"
grep -q '<screenshot type="default">' "$metainfo" || fail "no screenshot"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[[ $release == "$version" ]] || fail "the latest release is $release, the program $version"
changelog=$(dpkg-parsechangelog -l "$sources/packaging/changelog" -S Version)
[[ $changelog == "$version" ]] || fail "the changelog's latest version is $changelog"

# The manual page: clean for man's own checks, every option and file named.
page=$build/packaging/vexaria.1
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "man page: $warnings"
text=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
for word in --export --mirror --object --size --style --lang --help --version plano convexo concavo \
    --worksheet --count --level --seed --no-key concavo-centro-foco mezcla \
    Tools.rel vexaria.conf mirvex_gl.pdf vexaria_print.so Teoría Diagrama Ejercicios F11 \
    XDG_DATA_HOME .local/share/vexaria VEXARIA_CALLER_DIR "Vexaria $version"; do
    [[ $text == *"$word"* ]] || fail "the manual page lacks \"$word\""
done
cmp -s <(gzip -dc "$build/packaging/vexaria.1.gz") "$page" || fail "vexaria.1.gz is stale"

# The icons: each theme size, the about box's 32 x 32 icon file, and the
# window icon kept in resources/ being the drawing at its size.
for side in 16 24 32 48 64 128 256; do
    png=$build/icons/hicolor/${side}x$side/apps/vexaria.png
    file "$png" | grep -q "PNG image data, $side x $side, 8-bit/color RGBA" || fail "$png"
done
file "$build/app/mirvex.ico" | grep -q 'icon resource - 1 icon, 32x32' || fail "mirvex.ico"
if ! "$build/tools/make_icon" --check "$sources/packaging/vexaria.svg" \
    "$sources/resources/mirvex.xpm" >"$tmp/window_icon.log" 2>&1; then
    fail "$(grep -v QStandardPaths "$tmp/window_icon.log");" \
        "redraw it with: cmake --build build --target window_icon"
fi
echo "desktop integration: ok"
