#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The help document is a real PDF with its pages, its figures and the
# program's own words. The figures are lines and curves, not pictures of
# pixels, and no heading is left at a page's foot away from what follows it.
set -euo pipefail
build=$1
source_dir=$2
emulator=${3:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Checks one document against its HTML source: no raster image at all; on
# the pages rendered, one area of the diagram panel's colour, of a figure's
# size, with the diagram's axis drawn across it, for every figure of the
# panel the source names (the classroom view's are white); each heading followed by a figure sits right above it; and no page
# ends with a heading. Prints the number of figures found.
check_figures() { # <pdf> <html>
    local pdf=$1 html=$2 images
    images=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
    ((images == 0)) || fail "$pdf: $images raster images; the figures should be vectors"
    rm -f "$work"/page-* "$work/text.html"
    pdftoppm -r 48 "$pdf" "$work/page"
    pdftotext -bbox-layout "$pdf" "$work/text.html"
    python3 - "$html" "$work" <<'PY'
import glob, html, re, sys

source = open(sys.argv[1], encoding="utf-8").read()
work = sys.argv[2]
dpi = 48

def clean(text):
    text = html.unescape(re.sub(r"<[^>]+>", "", text))
    return " ".join(text.replace("\ufb01", "fi").replace("\ufb02", "fl").split())

heading = r"<h\d[^>]*>((?:(?!</h\d>).)*)</h\d>"
headings = [clean(h) for h in re.findall(heading, source, re.S)]
figure_headings = [clean(h) for h in
                   re.findall(heading + r"\s*<p>\s*<img src=\"figure:(?!classroom-)", source, re.S)]
figures = len(re.findall(r"<img src=\"figure:(?!classroom-)", source))

def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)

# The text's lines, page by page, in points from the page's top.
text = open(work + "/text.html", encoding="utf-8").read()
pages = []
for page in re.findall(r"<page [^>]*>(.*?)</page>", text, re.S):
    lines = []
    for top, bottom, words in re.findall(
            r'<line xMin="[^"]*" yMin="([^"]*)" xMax="[^"]*" yMax="([^"]*)">(.*?)</line>', page, re.S):
        words = [clean(w) for w in re.findall(r"<word[^>]*>(.*?)</word>", words, re.S)]
        lines.append((float(top), float(bottom), " ".join(words)))
    lines.sort()
    pages.append(lines)

# The areas of the panel's colour, RGB(242, 255, 253), on each rendered page:
# bands of rows mostly of that colour (a line across the panel, its axis,
# breaks a band for a row or two).
width_px = 425 / 96 * dpi
height_px = 281 / 96 * dpi
def near_panel(r, g, b):
    return abs(r - 242) + abs(g - 255) + abs(b - 253) <= 6

bands = []  # (page index, top, bottom, axis drawn)
for index, name in enumerate(sorted(glob.glob(work + "/page-*.ppm"))):
    data = open(name, "rb").read()
    magic, w, h, depth, pixels = data.split(maxsplit=4)
    w, h = int(w), int(h)
    rows = []
    for y in range(h):
        row = pixels[y * w * 3:(y + 1) * w * 3]
        panel = other = 0
        for x in range(w):
            r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
            if near_panel(r, g, b):
                panel += 1
            elif r + g + b < 3 * 250 and not (r == g == b and r > 240):
                other += 1
        rows.append((panel, other))
    y = 0
    while y < h:
        if rows[y][0] < 0.5 * width_px:
            y += 1
            continue
        top = bottom = y
        axis = False
        while bottom + 1 < h and (rows[bottom + 1][0] >= 0.5 * width_px or
                                  any(rows[k][0] >= 0.5 * width_px
                                      for k in range(bottom + 2, min(h, bottom + 4)))):
            bottom += 1
            axis = axis or rows[bottom][1] >= 0.8 * width_px
        bands.append((index, top, bottom + 1, axis))
        y = bottom + 1

if len(bands) != figures:
    fail("%d figure areas of the panel's colour, for %d figures" % (len(bands), figures))
for page, top, bottom, axis in bands:
    if abs((bottom - top) - height_px) > 3:
        fail("page %d: an area of the panel's colour %d pixels high, not a figure's %.0f"
             % (page + 1, bottom - top, height_px))
    if not axis:
        fail("page %d: a figure without its axis drawn across it" % (page + 1))

for heading in figure_headings:
    found = [(p, line) for p, lines in enumerate(pages) for line in lines if line[2] == heading]
    if not found:
        fail("the heading \"%s\" is not in the text" % heading)
    page, (top, bottom, _) = found[0]
    below = [b for b in bands if b[0] == page and b[1] / dpi * 72 >= bottom]
    if not below or below[0][1] / dpi * 72 - bottom > 30:
        fail("the heading \"%s\" (page %d) is not right above its figure" % (heading, page + 1))

for page, lines in enumerate(pages[:-1]):
    text_lines = [l for l in lines if not re.fullmatch(r"\d+", l[2])]
    if text_lines and text_lines[-1][2] in headings:
        fail("page %d ends with the heading \"%s\"" % (page + 1, text_lines[-1][2]))
print(len(bands))
PY
}

pdf=$build/app/mirvex.pdf
[[ -s $pdf ]] || fail "no $pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
((pages >= 5)) || fail "only $pages pages"
figures=$(check_figures "$pdf" "$source_dir/docs/help/mirvex.html") || exit 1
((figures >= 7)) || fail "only $figures figures"
text=$(pdftotext -enc UTF-8 "$pdf" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr '\n' ' ')
for words in "Imagen más allá del centro" "Imagen entre el centro y el foco" \
    "Imagen entre el foco y el espejo" "infinito" "virtual" "inversa" "disminuida" \
    "Tools.rel" "Respecto a..." "posición objecto" "Utilidades" "Teoría de los espejos" \
    "Presentación" "F11" "--export" "--worksheet" "Hoja de ejercicios..." "1/s' = 2/R − 1/s"; do
    [[ $text == *"$words"* ]] || fail "the text lacks \"$words\""
done
echo "help document: $pages pages, $figures vector figures"

# The Catalan, English and Galician documents: the same figures, in the
# words their windows show.
check_translation() { # <file> <title> <words...>
    local name=$1 title=$2 file=$build/app/$1 words
    shift 2
    [[ -s $file ]] || fail "no $file"
    pages=$(pdfinfo "$file" | awk '/^Pages:/ {print $2}')
    ((pages >= 5)) || fail "$file: only $pages pages"
    figures=$(check_figures "$file" "$source_dir/docs/help/${name%.pdf}.html") || exit 1
    ((figures >= 7)) || fail "$file: only $figures figures"
    text=$(pdftotext -enc UTF-8 "$file" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr '\n' ' ')
    for words in "$@"; do
        [[ $text == *"$words"* ]] || fail "$file: the text lacks \"$words\""
    done
    [[ $text != *"Imagen más allá"* ]] || fail "$file: Spanish text left in it"
    [[ $(pdfinfo "$file" | sed -n 's/^Title: *//p') == "$title" ]] || fail "$file: not titled $title"
    echo "$name: $pages pages, $figures vector figures"
}
check_translation mirvex_ca.pdf "Vexaria: ajuda" "Objecte més enllà del centre" "Objecte entre el centre i el focus" \
    "Objecte entre el focus i el mirall" "infinit" "virtual" "invertida" "reduïda" \
    "Tools.rel" "Quant a..." "posició objecte" "Eines" "Teoria dels miralls" "Full d'exercicis..."
check_translation mirvex_en.pdf "Vexaria: help" "Object beyond the centre" "Object between the centre and the focus" \
    "Object between the focus and the mirror" "infinity" "virtual" "inverted" "reduced" \
    "Tools.rel" "About..." "object position" "Tools" "Mirror theory" "Worksheet..."
check_translation mirvex_gl.pdf "Vexaria: axuda" "Obxecto máis alá do centro" "Obxecto entre o centro e o foco" \
    "Obxecto entre o foco e o espello" "infinito" "virtual" "invertida" "reducida" \
    "Tools.rel" "Acerca de..." "posición obxecto" "Utilidades" "Teoría dos espellos" \
    "Folla de exercicios..."

# A figure the text names but the build cannot draw stops the build.
printf '<html><body><p><img src="figure:concave-999" width="425"></p></body></html>\n' >"$work/bad.html"
if ${emulator:+"$emulator"} "$build/tools/make_help" "$work/bad.html" "$work/bad.pdf" 2>"$work/bad.err"; then
    fail "make_help accepted an unknown figure"
fi
grep -q "unknown figure concave-999" "$work/bad.err" || fail "make_help did not name the unknown figure"
