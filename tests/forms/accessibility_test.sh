#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: under a virtual display, with a
# session bus and the accessibility registry, its tree is read through
# AT-SPI (pyatspi) in Spanish and in English. Usage: accessibility_test.sh
# BUILD SOURCE, or with "count PROGRAM" after them to list the nameless
# elements of any build of the program.
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
mode=${3:-check}
mirvex=${4:-$build/app/mirvex}
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"

work=$(mktemp -d)
XDG_CONFIG_HOME=$work/config
export XDG_CONFIG_HOME
cleanup() {
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, its number chosen by the server among the free ones.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
display=$(cat "$work/display")
[[ -n $display ]] || fail "the virtual display did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# One session per language: a bus, its accessibility bus, the program, and
# the walk of its tree.
session() {
    local lang=$1
    cd "$work"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    local launcher=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb \
        "$mirvex" ${lang:+--lang "$lang"} &
    local program=$!
    local status=0
    if [[ $mode == count ]]; then
        /usr/bin/python3 "$source_dir/tests/forms/atspi_tree.py" count || status=$?
    else
        /usr/bin/python3 "$source_dir/tests/forms/atspi_tree.py" check "${lang:-es}" || status=$?
    fi
    kill "$program" "$launcher" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    return "$status"
}
export -f session fail
export mode mirvex source_dir work

if [[ $mode == count ]]; then
    dbus-run-session -- bash -c 'session ""'
else
    dbus-run-session -- bash -c 'session ""' || fail "in Spanish"
    dbus-run-session -- bash -c 'session en' || fail "in English"
fi
