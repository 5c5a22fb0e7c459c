#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the pictures of the README and of the software-centre page
# (packaging/*.metainfo.xml) from the program as it is now, on the
# offscreen platform, in Spanish, with no setting of the user's:
#   scripts/screenshots.sh [FOLDER]
# writes them into FOLDER (docs/ unless given), each checked for its size.
# VEXARIA_NO_BUILD=1 takes the programs in the build folder as they are;
# VEXARIA_EMULATOR runs them (a cross build's).
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# One line a picture: its file, what is shown (the main window, the
# presentation, or the diagram exported from the command line: then the
# mirror and the object's distance in front of it; the practice window, or
# the first page of a worksheet from the command line: then the level and
# the seed), the picture's size, and options (the screenshot program's, or
# the command line's for an export or a worksheet).
shots=(
    "screenshot-main.png          main          concave 10 676x423"
    "screenshot-classroom.png     main          concave 30 676x423   --classroom"
    "screenshot-presentation.png  presentation  concave 35 960x540   --width 960"
    "classroom-concave-30.png     export        concave 30 1275x843"
    "diagram-concave-10.png       export        concave 10 850x562   --style original"
    "screenshot-practice.png      practice      concavo-centro-foco 12345 675x570 --width 675"
    "worksheet-page.png           worksheet     mezcla 12345 662x936"
)

out=${1:-$VEXARIA_ROOT/docs}
if [[ ${VEXARIA_NO_BUILD:-} != 1 ]]; then
    vexaria_targets=(mirvex screenshot)
    vexaria_build
fi
mkdir -p "$out"
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$settings LANG=C.UTF-8 LANGUAGE='' LC_ALL=''

# The width and height of a PNG file, from its header.
png_size() {
    python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read(24)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR", "not a PNG file"
print("%dx%d" % struct.unpack(">II", data[16:24]))' "$1"
}

status=0
for shot in "${shots[@]}"; do
    read -r file what mirror distance size options <<<"$shot"
    # shellcheck disable=SC2206 # the options are words
    extra=(${options:-})
    rm -f "$out/$file"
    # A settings folder of its own: a choice one picture makes (the
    # classroom view checked) must not show in the next.
    XDG_CONFIG_HOME=$settings/${file%.png}
    mkdir -p "$XDG_CONFIG_HOME"
    if [[ $what == export ]]; then
        ${VEXARIA_EMULATOR:+"$VEXARIA_EMULATOR"} "$VEXARIA_BUILD/app/mirvex" --export "$out/$file" --mirror "$mirror" --object "$distance" \
            --size "$size" --lang es "${extra[@]}"
    elif [[ $what == worksheet ]]; then
        # Its first page, at 80 dots to the inch.
        ${VEXARIA_EMULATOR:+"$VEXARIA_EMULATOR"} "$VEXARIA_BUILD/app/mirvex" --worksheet "$XDG_CONFIG_HOME/sheet.pdf" \
            --level "$mirror" --seed "$distance" --lang es "${extra[@]}" &&
            pdftoppm -png -singlefile -r 80 -f 1 -l 1 "$XDG_CONFIG_HOME/sheet.pdf" "$out/${file%.png}"
    else
        ${VEXARIA_EMULATOR:+"$VEXARIA_EMULATOR"} "$VEXARIA_BUILD/tools/screenshot" "$what" "$out/$file" "$mirror" "$distance" \
            --lang es "${extra[@]}" 2>/dev/null
    fi
    got=$(png_size "$out/$file" 2>/dev/null || echo none)
    if [[ $got != "$size" ]]; then
        echo "screenshots.sh: $file is $got, not $size" >&2
        status=1
    else
        echo "$file: $size"
    fi
done
exit "$status"
