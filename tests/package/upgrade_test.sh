#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two versions of the package built here, installed one over the other in
# the same temporary root, then removed and purged: the user's data folder,
# with the tool list "Tools.rel", is never touched, and the program runs
# from the newer version.
set -euo pipefail
build=$1
sources=$2
tmp=$(mktemp -d)
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
# shellcheck source=tests/package/lib.sh
source "$sources/tests/package/lib.sh"

version=$(project_version)
older=$version~older
newer=$version+newer
dpkg --compare-versions "$newer" gt "$older" || fail "$newer is not newer than $older"
mkdir "$tmp/older" "$tmp/newer"
older_deb=$(build_package "$tmp/older" "$older")
newer_deb=$(build_package "$tmp/newer" "$newer")

root=$tmp/root
home=$tmp/home
folder=$home/.local/share/vexaria
new_root "$root"
install_into "$root" "$older_deb"
[[ $(installed_version "$root") == "ii $older" ]] || fail "older: $(installed_version "$root")"
start "$root" "$home"
stop

# The user's own files, with times of their own.
printf 'Apuntes\r\n/tmp/apuntes.pdf\r\n\r\n\r\nWeb\r\nhttps://x.org\r\n\r\n\r\n' >"$folder/Tools.rel"
echo "mis notas" >"$folder/notas.txt"
touch -d '2001-02-03 04:05:06' "$folder/Tools.rel" "$folder/notas.txt"
snapshot "$folder" >"$tmp/before"
same() { snapshot "$folder" | cmp -s - "$tmp/before" || fail "the data folder changed $1"; }

install_into "$root" "$newer_deb"
[[ $(installed_version "$root") == "ii $newer" ]] || fail "newer: $(installed_version "$root")"
grep -q "Unpacking vexaria ($newer) over ($older)" "$tmp/dpkg.log" || fail "not an upgrade"
same "when upgrading"
start "$root" "$home"
stop
same "when the newer version ran"
in_root "$root" -r vexaria
same "when removing"
in_root "$root" -P vexaria
same "when purging"
[[ ! -e $root/usr ]] || fail "left after purging: $(find "$root/usr")"
echo "upgrade: ok, $older then $newer"
