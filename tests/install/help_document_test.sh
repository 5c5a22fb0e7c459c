#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The help document is a real PDF with its pages, its figures and the
# program's own words.
set -euo pipefail
build=$1
pdf=$build/app/mirvex.pdf
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ -s $pdf ]] || fail "no $pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
((pages >= 5)) || fail "only $pages pages"
figures=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
((figures >= 7)) || fail "only $figures figures"
text=$(pdftotext -enc UTF-8 "$pdf" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr '\n' ' ')
for words in "Imagen más allá del centro" "Imagen entre el centro y el foco" \
    "Imagen entre el foco y el espejo" "infinito" "virtual" "inversa" "disminuida" \
    "Tools.rel" "Respecto a..." "posición objecto" "Utilidades"; do
    [[ $text == *"$words"* ]] || fail "the text lacks \"$words\""
done
echo "help document: $pages pages, $figures figures"
