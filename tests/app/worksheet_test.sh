#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Worksheets from the command line: an A4 PDF of text and lines, the same
# text for the same seed; every refused argument exits 2 with one line
# naming it and writes nothing.
set -euo pipefail
build=$1
mirvex=$build/app/mirvex
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$work" "$XDG_CONFIG_HOME"' EXIT
cd "$work"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u VEXARIA_CALLER_DIR "$mirvex" "$@"; }
text() { pdftotext "$1" - | python3 -c 'import sys, unicodedata; print(unicodedata.normalize("NFKC", sys.stdin.read()), end="")'; }

run --worksheet a.pdf --count 12 --level convexo --seed 99 || fail "worksheet: exit $?"
run --worksheet=b.pdf --count=12 --level=convexo --seed=99 || fail "worksheet with ="
run --worksheet c.pdf --count 12 --level convexo --seed 100 || fail "another seed"
pdfinfo a.pdf | grep -Eq '^Page size: +595(\.[0-9]+)? x 842' || fail "not A4: $(pdfinfo a.pdf | grep size)"
[[ $(pdfimages -list a.pdf | tail -n +3 | wc -l) == 0 ]] || fail "raster images in the worksheet"
[[ $(text a.pdf) == "$(text b.pdf)" ]] || fail "the same seed gave another text"
[[ $(text a.pdf) != "$(text c.pdf)" ]] || fail "another seed gave the same text"
pages=$(pdfinfo a.pdf | awk '/^Pages:/ {print $2}')
[[ $(text a.pdf | grep -c "^Semilla 99 · página [0-9]* de $pages\$") == "$pages" ]] ||
    fail "the seed is not in every footer"
[[ $(text a.pdf | grep -cE '^[0-9]+\. Espejo convexo: objeto −[0-9]+ → imagen [0-9,]+; aumento 0,[0-9]+; virtual, derecha, disminuida$') == 12 ]] ||
    fail "the key's lines: $(text a.pdf | grep '→')"
run --worksheet k.pdf --count 1 --no-key --lang en || fail "--no-key"
[[ $(pdfinfo k.pdf | awk '/^Pages:/ {print $2}') == 1 ]] || fail "--no-key has a key"
text k.pdf | grep -q '^Name:' || fail "--lang en is not English"
# The default: eight mixed exercises with the key.
run --worksheet d.pdf || fail "the defaults"
[[ $(text d.pdf | grep -c '→') == 8 ]] || fail "not eight key lines by default"

before=$(find . -mindepth 1 -maxdepth 1 | sort)
refused() { # expected text in the message, then the arguments
    local want=$1
    shift
    local err rc=0
    err=$(run "$@" 2>&1 >/dev/null) || rc=$?
    ((rc == 2)) || fail "$* exited $rc"
    [[ $(printf '%s\n' "$err" | wc -l) -eq 1 ]] || fail "$*: not one line: $err"
    [[ $err == *"$want"* ]] || fail "$*: the message does not name $want: $err"
    [[ $(find . -mindepth 1 -maxdepth 1 | sort) == "$before" ]] || fail "$*: something was written"
}
refused 'x.png' --worksheet x.png
refused '--worksheet' --worksheet
refused '--worksheet' --count 3
# shellcheck disable=SC2016 # the position field's hexadecimal, not a variable
for n in 0 61 -1 3.5 '' ' 3' '$A' 007; do
    refused "«$n»" --worksheet x.pdf --count "$n"
done
refused 'lejos' --worksheet x.pdf --level lejos
refused 'concavo-lejos|' --worksheet x.pdf --level Plano
for s in -1 4294967296 1e3 x ''; do
    refused "«$s»" --worksheet x.pdf --seed "$s"
done
refused '--export' --worksheet x.pdf --export y.png --mirror plano --object 3
refused '--worksheet' --worksheet x.pdf --worksheet y.pdf
refused 'must be' --worksheet x.pdf --count 99 --lang en
refused 'no/such/x.pdf' --worksheet no/such/x.pdf
err=$(env -u DISPLAY -u QT_QPA_PLATFORM VEXARIA_CALLER_DIR= "$mirvex" --worksheet gone.pdf 2>&1) &&
    fail "a relative name with the caller's folder gone"
[[ $err == *'--worksheet «gone.pdf»'* && $err != *--export* && ! -e gone.pdf ]] || fail "caller gone: $err"
echo "worksheets: written, repeated by their seed, every refusal"
