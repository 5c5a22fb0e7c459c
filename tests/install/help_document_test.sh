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

# The Catalan and English documents: the same figures, in the words their
# windows show.
check_translation() { # <file> <title> <words...>
    local name=$1 title=$2 file=$build/app/$1 words
    shift 2
    [[ -s $file ]] || fail "no $file"
    pages=$(pdfinfo "$file" | awk '/^Pages:/ {print $2}')
    ((pages >= 5)) || fail "$file: only $pages pages"
    figures=$(pdfimages -list "$file" | tail -n +3 | wc -l)
    ((figures >= 7)) || fail "$file: only $figures figures"
    text=$(pdftotext -enc UTF-8 "$file" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr '\n' ' ')
    for words in "$@"; do
        [[ $text == *"$words"* ]] || fail "$file: the text lacks \"$words\""
    done
    [[ $text != *"Imagen más allá"* ]] || fail "$file: Spanish text left in it"
    [[ $(pdfinfo "$file" | sed -n 's/^Title: *//p') == "$title" ]] || fail "$file: not titled $title"
    echo "$name: $pages pages, $figures figures"
}
check_translation mirvex_ca.pdf "Vexaria: ajuda" "Imatge més enllà del centre" "Imatge entre el centre i el focus" \
    "Imatge entre el focus i el mirall" "infinit" "virtual" "invertida" "reduïda" \
    "Tools.rel" "Quant a..." "posició objecte" "Eines"
check_translation mirvex_en.pdf "Vexaria: help" "Image beyond the centre" "Image between the centre and the focus" \
    "Image between the focus and the mirror" "infinity" "virtual" "inverted" "reduced" \
    "Tools.rel" "About..." "object position" "Tools"
