#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line: a picture of the diagram in each format, with
# no display; every refused argument exits 2 with one line naming it and
# writes nothing.
set -euo pipefail
build=$1
mirvex=$build/app/mirvex
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
# The settings a user may have saved are not the test's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$work" "$XDG_CONFIG_HOME"' EXIT
cd "$work"
# No display of any kind, and no platform chosen for it.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u VEXARIA_CALLER_DIR "$mirvex" "$@"; }

# PNG width and height from its header.
png_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"; }

run --export plane.png --mirror plano --object 40 || fail "png: exit $?"
[[ $(png_size plane.png) == 1700x1124 ]] || fail "png size $(png_size plane.png)"
run --export=wide.png --mirror=convexo --object=40 --size=640x480 || fail "png --size"
[[ $(png_size wide.png) == 640x480 ]] || fail "png --size gave $(png_size wide.png)"
run --export concave.svg --mirror concavo --object 10 --style original || fail "svg: exit $?"
grep -q '<svg' concave.svg || fail "not an SVG"
grep -q 'stroke-dasharray' concave.svg || fail "the SVG has no dotted rays"
# The classroom view by default: its labels are text, the English names of
# the mirrors are taken, and the SVG is 160 mm wide unless --size says.
run --export class.svg --mirror concave --object 10 || fail "classroom svg: exit $?"
grep -q '<svg width="160mm" height="105.788mm"' class.svg || fail "the SVG's width"
grep -q 'viewBox="0 0 1700 1124"' class.svg || fail "the SVG's view box"
for label in C F O I; do
    grep -q ">$label</text>" class.svg || fail "no label $label as text"
done
run --export sized.svg --mirror plane --object 10 --size 960x635 || fail "sized svg"
grep -q '<svg width="254mm" height="168.01mm"' sized.svg || fail "--size's width: $(grep -m1 '<svg' sized.svg)"
run --export far.svg --mirror convex --object 25 --style classroom || fail "--style classroom"
# In a PDF too the words and labels are text.
run --export focus.pdf --mirror concave --object 25 || fail "classroom pdf"
pdftotext focus.pdf - | grep -q 'imagen en el infinito' || fail "the PDF's words are not text as typed"
run --export concave.pdf --mirror concavo --object 10 || fail "pdf: exit $?"
[[ $(head -c 4 concave.pdf) == %PDF ]] || fail "not a PDF"
images=$(pdfimages -list concave.pdf | tail -n +3 | wc -l)
((images == 0)) || fail "the PDF holds $images raster images"
# Drawn: its rendering shows the dark axis across the page.
pdftoppm -r 96 -gray concave.pdf page
python3 - page-1.pgm <<'PY' || fail "the PDF's drawing is not there"
import sys
data = open(sys.argv[1], "rb").read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
pixels = parts[4]
# The axis lies across the middle of the page.
rows = [pixels[r * w:(r + 1) * w] for r in (h * 140 // 281, h * 141 // 281)]
dark = max(sum(1 for p in row if p < 128) for row in rows)
sys.exit(0 if dark > w * 3 // 4 else 1)
PY

# The object goes where the field would put it: 30 and $1E alike, at -30.
run --export a.svg --mirror plano --object 30 --style original
# shellcheck disable=SC2016 # the field's hexadecimal, not a variable
run --export b.svg --mirror plano --object '$1E' --style original
cmp -s a.svg b.svg || fail "--object 30 and \$1E differ"
python3 - a.svg <<'PY' || fail "the object arrow is not at -30"
import re, sys
svg = open(sys.argv[1]).read()
# The object arrow's shaft, in its deep blue; column of -30 at 4 times the panel.
want = ((-30 + 110) * 425 / 210 + 0.5) * 4
groups = re.findall(r'<g[^>]*stroke="#0a0fc8"[^>]*>(.*?)</g>', svg, re.S)
xs = [float(p.split(",")[0]) for g in groups for p in re.findall(r'points="([^"]*)"', g)[0].split()]
sys.exit(0 if xs and abs(xs[0] - want) < 0.5 else 1)
PY

# Help and version, with exit 0.
for option in --export --mirror --object --size --style --lang --help --version; do
    run --help | grep -q -- "$option" || fail "--help does not list $option"
done
run --version | grep -Eq '^mirvex [0-9]' || fail "--version"

# Relative names: from the folder the launcher says the command was run in.
mkdir caller
env -u DISPLAY -u QT_QPA_PLATFORM VEXARIA_CALLER_DIR="$work/caller" "$mirvex" \
    --export rel.png --mirror plano --object 20 || fail "caller folder"
[[ -f caller/rel.png && ! -e rel.png ]] || fail "the relative name was not taken from the caller"

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
refused 'x.jpg' --export x.jpg --mirror plano --object 3
refused 'x' --export x --mirror plano --object 3
refused 'espejo' --export x.png --mirror espejo --object 3
refused 'paper' --export x.png --mirror plano --object 3 --style paper
refused '1.5' --export x.png --mirror plano --object 1.5
refused '40 ' --export x.png --mirror plano --object '40 '
refused '2147483648' --export x.png --mirror plano --object 2147483648
refused '0x10' --export x.png --mirror plano --object 3 --size 0x10
refused 'big' --export x.png --mirror plano --object 3 --size big
refused '--object' --export x.png --mirror plano
refused '--mirror' --export x.png --object 3
refused '--export' --mirror plano --object 3
refused '--object' --export x.png --mirror plano --object 3 --object 4
refused 'stray' --export x.png --mirror plano --object 3 stray
refused '--size' --export x.png --mirror plano --object 3 --size
refused 'no/such/x.png' --export no/such/x.png --mirror plano --object 3
mkdir taken.png
before=$(find . -mindepth 1 -maxdepth 1 | sort)
refused 'taken.png' --export taken.png --mirror plano --object 3
err=$(env -u DISPLAY -u QT_QPA_PLATFORM VEXARIA_CALLER_DIR= "$mirvex" --export gone.png \
    --mirror plano --object 3 2>&1) && fail "a relative name with the caller's folder gone"
[[ $err == *'--export «gone.png»'* && ! -e gone.png ]] || fail "caller gone: $err"

# The messages speak the windows' language: --lang, else the one picked in
# the menu, else the desktop's.
refused 'it must be plano (plane), convexo (convex) or concavo (concave)' --export x.png --mirror espejo --object 3 --lang en
LANGUAGE=en refused 'it must be plano' --export x.png --mirror espejo --object 3
refused 'debe ser plano, convexo ou concavo' --export x.png --mirror espejo --object 3 --lang gl
LANGUAGE=gl_ES refused 'ou concavo' --export x.png --mirror espejo --object 3
mkdir -p "$XDG_CONFIG_HOME/Vexaria"
printf '[General]\nlanguage=ca\n' >"$XDG_CONFIG_HOME/Vexaria/vexaria.conf"
LANGUAGE=en refused 'ha de ser plano' --export x.png --mirror espejo --object 3
refused 'debe ser plano' --export x.png --mirror espejo --object 3 --lang es
rm -r "$XDG_CONFIG_HOME/Vexaria"
refused 'debe ser plano' --export x.png --mirror espejo --object 3
# A language it does not speak, at a windowed start: named, with those it
# speaks, in the desktop's language, and no window opens.
rc=0
err=$(LANGUAGE=gl QT_QPA_PLATFORM=offscreen "$mirvex" --lang xx 2>&1) || rc=$?
# (Qt may remark on the session before it.)
if ((rc != 2)) || [[ $(tail -n1 <<<"$err") != "mirvex: --lang admite ca, en, es, gl, non «xx»" ]]; then
    fail "--lang xx: $rc $err"
fi

# --lang in any place and form; a bad one refused; an option nobody takes,
# -h among them, answered with one line and 2, display or none.
refused 'it must be plano' --lang en --export x.png --mirror espejo --object 3
refused 'it must be plano' --lang=en --export x.png --mirror espejo --object 3
run --lang=en --help | grep -q 'Usage' || fail "--lang=en --help is not in English"
refused 'xx' --lang xx --export x.png --mirror plano --object 3
refused '-h' -h
refused '--Export' --Export x.png

# A settings file that is a pipe or huge holds nothing up.
mkdir -p "$XDG_CONFIG_HOME/Vexaria"
mkfifo "$XDG_CONFIG_HOME/Vexaria/vexaria.conf"
timeout 10 "$mirvex" --version >/dev/null || fail "a pipe as the settings file held --version up"
rm "$XDG_CONFIG_HOME/Vexaria/vexaria.conf"
truncate -s 100M "$XDG_CONFIG_HOME/Vexaria/vexaria.conf"
timeout 10 "$mirvex" --version >/dev/null || fail "a huge settings file held --version up"
rm -r "$XDG_CONFIG_HOME/Vexaria"

# A name that is not valid UTF-8 is refused, not written under another.
refused 'no es válido' --export "$(printf 'bad\xff.png')" --mirror plano --object 3

# A full disk: the old file stays, the reason is one line, the exit 2.
if [[ $(id -u) == 0 ]] && mkdir full && mount -t tmpfs -o size=8k tmpfs full 2>/dev/null; then
    echo old >full/keep.pdf
    for f in keep.pdf keep.png; do
        [[ -e full/$f ]] || echo old >"full/$f"
        rc=0
        err=$(run --export "full/$f" --mirror concavo --object 10 --size 1600x1600 2>&1) || rc=$?
        [[ $rc == 2 && $(printf '%s\n' "$err" | wc -l) == 1 && $err == *"No space left"* ]] ||
            fail "full disk, $f: $rc $err"
        [[ $(cat "full/$f") == old ]] || fail "full disk: the old $f was lost"
    done
    [[ $(find full -mindepth 1 | wc -l) == 2 ]] || fail "full disk: leftovers $(ls -a full)"
    umount full
    rmdir full
else
    echo "full disk: skipped, a small tmpfs cannot be mounted here (needs root)" >&2
fi

# A diagram that cannot be drawn (a pixel beyond 32 bits) says so and writes nothing.
rc=0
err=$(run --export far.png --mirror plano --object 2000000000 --style original 2>&1) || rc=$?
if ! ((rc == 1)) || [[ $err != *"2000000000"* || -e far.png ]]; then
    fail "far object: $rc $err"
fi
echo "command line: every format, every refusal"
