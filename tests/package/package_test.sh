#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and checks it as a
# school's technician would meet it: its control fields, its files, lintian,
# then installed into a temporary root (its own dpkg database, never the
# machine's), the installed program started there on the offscreen
# platform and on a virtual X display (where its window class must be the
# one the desktop entry names), then removed and purged, leaving nothing.
set -euo pipefail
build=$1
sources=$2
tmp=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
# shellcheck source=tests/package/lib.sh
source "$sources/tests/package/lib.sh"

version=$(project_version)
# The program's architecture, read from the program file itself.
case $(file -b "$build/app/mirvex") in
*x86-64*) arch=amd64 ;;
*"ARM aarch64"*) arch=arm64 ;;
*"Intel 80386"* | *"Intel i386"*) arch=i386 ;;
*) fail "add this program's architecture here: $(file -b "$build/app/mirvex")" ;;
esac
mkdir "$tmp/out"
deb=$(build_package "$tmp/out")
[[ ${deb##*/} == "vexaria_${version}_${arch}.deb" ]] || fail "package named ${deb##*/}"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == vexaria ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"
[[ $(field Section) == education ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
description=$(field Description)
# In English only, as Debian asks; the translations are the metainfo's.
[[ $description == *"Vexaria teaches how plane"* && $description != *"Vexaria enseña"* ]] ||
    fail "the description is not in English alone: $description"
((${#description} > 400)) || fail "no long description"

# Depends: the libraries found by dpkg-shlibdeps (Qt Print Support from the
# print module alone), the faces the set-up installs and Qt's translations
# of its own dialogs, each satisfied on this machine (read only: nothing
# installed).
depends=$(field Depends)
mapfile -t needed < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ *$//')
fonts=$(grep -o 'fonts-[a-z0-9.+-]*' "$sources/scripts/setup.sh" | sort -u)
[[ -n $fonts ]] || fail "no font package in scripts/setup.sh"
for name in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 $fonts \
    qt6-translations-l10n; do
    printf '%s\n' "${needed[@]}" | grep -q "^$name\( \|$\)" || fail "Depends lacks $name: $depends"
done
for entry in "${needed[@]}"; do
    name=${entry%% *}
    have=$(dpkg-query -W -f='${Version}\n' "$name:$arch" 2>/dev/null ||
        dpkg-query -W -f='${Version}\n' "$name" 2>/dev/null) || fail "$name is not a package here"
    have=${have%%$'\n'*}
    if [[ $entry =~ \((.+)\ (.+)\) ]]; then
        op=${BASH_REMATCH[1]}
        op=${op/>=/ge}
        op=${op/<=/le}
        op=${op/>>/gt}
        op=${op/<</lt}
        op=${op/=/eq}
        dpkg --compare-versions "$have" "$op" "${BASH_REMATCH[2]}" ||
            fail "$entry: this machine has $have"
    fi
done

# The files, all under /usr, the program and its print module stripped.
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contents"
grep -v '^\./usr/' "$tmp/contents" | grep -v '^\./$' && fail "files outside /usr"
for f in bin/vexaria libexec/vexaria/mirvex libexec/vexaria/vexaria_print.so \
    share/vexaria/mirvex.pdf share/vexaria/mirvex.ico \
    share/applications/vexaria.desktop share/metainfo/org.example.vexaria.metainfo.xml \
    share/man/man1/vexaria.1.gz share/doc/vexaria/copyright share/doc/vexaria/changelog.gz \
    share/icons/hicolor/scalable/apps/vexaria.svg \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vexaria.png; do
    grep -qx "\./usr/$f" "$tmp/contents" || fail "the package lacks /usr/$f"
done

# lintian: no error and no warning. Its information notes are printed.
lintian --fail-on error,warning --display-info --pedantic "$deb" >"$tmp/lintian" 2>&1 ||
    fail "lintian: $(cat "$tmp/lintian")"
grep -E '^[EWX]:' "$tmp/lintian" && fail "lintian reports the above"
sed 's/^/lintian: /' "$tmp/lintian" | grep -v 'root privileges' || true

# Installed into an empty root.
root=$tmp/root
new_root "$root"
install_into "$root" "$deb"
[[ $(installed_version "$root") == "ii $version" ]] || fail "not installed: $(installed_version "$root")"
for f in mirvex vexaria_print.so; do
    file "$root/usr/libexec/vexaria/$f" | grep -q ', stripped' || fail "$f is not stripped"
done
# The program loads the print module, beside it, only when the user prints.
readelf -d "$root/usr/libexec/vexaria/mirvex" | grep -i 'NEEDED.*printsupport' &&
    fail "the program links Qt Print Support"
dpkg-query --admindir="$root/var/lib/dpkg" -L vexaria >"$tmp/listed"
while read -r path; do
    [[ -e $root$path ]] || fail "$path was not installed"
done <"$tmp/listed"

home=$tmp/home
folder=$home/.local/share/vexaria
start "$root" "$home"
cmp -s "$folder/mirvex.pdf" "$root/usr/share/vexaria/mirvex.pdf" || fail "help not copied"
cmp -s "$folder/mirvex.ico" "$root/usr/share/vexaria/mirvex.ico" || fail "icon not copied"
stop

# On an X display the window's class is the desktop entry's StartupWMClass,
# so that docks put the window under its launcher.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/vexaria.desktop")
[[ -n $wmclass ]] || fail "the desktop entry has no StartupWMClass"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
    [[ -s $tmp/display ]] && break
    sleep 0.1
done
[[ -s $tmp/display ]] || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
DISPLAY=:$(cat "$tmp/display")
export DISPLAY
HOME=$home QT_QPA_PLATFORM=xcb "$root/usr/bin/vexaria" >"$tmp/program.log" 2>&1 &
pid=$!
classes=
for _ in $(seq 300); do
    classes=$(xwininfo -root -tree 2>/dev/null | sed -n 's/.*("\([^"]*\)" "\([^"]*\)").*/\2/p' |
        sort -u)
    [[ -n $classes ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$tmp/program.log")"
    sleep 0.1
done
[[ -n $classes ]] || fail "no window on the X display"
[[ $classes == "$wmclass" ]] || fail "window class $classes, desktop entry $wmclass"
stop
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=

# Removed, then purged: nothing of it is left, the user's folder stays.
snapshot "$folder" >"$tmp/before"
in_root "$root" -r vexaria
[[ -z $(find "$root/usr" -type f 2>/dev/null) ]] || fail "left after removal: $(find "$root/usr" -type f)"
in_root "$root" -P vexaria
[[ -z $(installed_version "$root") ]] || fail "still known to dpkg: $(installed_version "$root")"
[[ ! -e $root/usr ]] || fail "left after purging: $(find "$root/usr")"
snapshot "$folder" | cmp -s - "$tmp/before" || fail "the user's data folder changed"
echo "package: ok, ${deb##*/}"
