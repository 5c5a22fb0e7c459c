#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and starts the installed launcher with a
# temporary home: the per-user folder is made with the help and icon, the
# program runs there, and the user's tool list survives a reinstall.
set -euo pipefail
build=$1
# A cross build passes, after the two folders, the emulator's command that
# runs the target's programs here.
emulator=("${@:3}")
tmp=$(mktemp -d)
pid=
cleanup() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
program=$prefix/libexec/vexaria/mirvex
name=mirvex
# The launcher execs the program, which this kernel cannot do for another
# architecture's program: under an emulator the program is put aside and a
# stand-in in its place execs the emulator on it.
install_program() {
    cmake --install "$build" --prefix "$prefix" >/dev/null
    if ((${#emulator[@]})); then
        name=mirvex.target
        mv "$program" "$program.target"
        {
            echo '#!/bin/sh'
            printf 'exec'
            printf ' %q' "${emulator[@]}" "$program.target"
            echo ' "$@"'
        } >"$program"
        chmod 755 "$program"
    fi
}
install_program
# Printing is a module beside the program, which loads it when the user
# prints: the program itself does not need Qt Print Support.
module=$prefix/libexec/vexaria/vexaria_print.so
[[ -f $module ]] || fail "no print module beside the program"
program_file=$program
((${#emulator[@]})) && program_file=$program.target
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
needed "$program_file" | grep -i printsupport && fail "the program links Qt Print Support"
needed "$module" | grep -q '^libQt6PrintSupport' || fail "the print module lacks Qt Print Support"
desktop-file-validate "$prefix/share/applications/vexaria.desktop" || fail "desktop entry"
for icon in {16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vexaria.png scalable/apps/vexaria.svg; do
    [[ -f $prefix/share/icons/hicolor/$icon ]] || fail "no menu icon $icon"
done
for f in man/man1/vexaria.1.gz metainfo/org.example.vexaria.metainfo.xml doc/vexaria/copyright; do
    [[ -f $prefix/share/$f ]] || fail "no $f"
done

export HOME=$tmp/home
unset XDG_DATA_HOME
folder=$HOME/.local/share/vexaria

# Whether process $1 runs the installed program. Its command line tells, not
# /proc/$1/exe, which under an emulator is the emulator.
runs_program() {
    local arg
    while IFS= read -r -d '' arg; do
        [[ $arg == */"$name" ]] && return 0
    done 2>/dev/null <"/proc/$1/cmdline"
    return 1
}
start() {
    QT_QPA_PLATFORM=offscreen "$prefix/bin/vexaria" >"$tmp/out.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        if [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == "$folder" ]] && runs_program "$pid"; then
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$tmp/out.log")"
        sleep 0.1
    done
    fail "the program did not start in $folder"
}
stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

start
cmp -s "$folder/mirvex.pdf" "$prefix/share/vexaria/mirvex.pdf" || fail "help not copied"
cmp -s "$folder/mirvex.ico" "$prefix/share/vexaria/mirvex.ico" || fail "icon not copied"
stop

printf 'Apuntes\r\n/tmp/apuntes.pdf\r\n\r\n\r\n' >"$folder/Tools.rel"
cp "$folder/Tools.rel" "$tmp/Tools.rel.before"
install_program
start
stop
cmp -s "$folder/Tools.rel" "$tmp/Tools.rel.before" || fail "Tools.rel was changed"
echo "install: ok"
