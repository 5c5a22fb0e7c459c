#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that need no build: every C++ file formatted as .clang-format says
# (fails on any difference), every shell script clean under shellcheck, and
# every translation complete and up to date with the texts of the code.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_install_missing clang-format shellcheck git qt6-l10n-tools qt6-base-dev-tools

cd "$VEXARIA_ROOT"
status=0

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "check.sh: format the files above with  clang-format -i <file>" >&2
    status=1
fi

# Scripts are found by their first line as well as their name, so the
# launcher and CI's own script are checked too.
mapfile -t scripts < <(
    git ls-files | while read -r f; do
        [[ -f $f ]] || continue
        if [[ $f == *.sh ]] || head -n1 "$f" | grep -qE '^#!.*\b(ba)?sh\b'; then
            echo "$f"
        fi
    done
)
if ! shellcheck -x "${scripts[@]}"; then
    status=1
fi

# lupdate over the program's texts as the build's update_translations runs
# it, on a copy of each .ts: a text added to or dropped from the code shows
# as a difference, and nothing may be left untranslated or obsolete.
lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
mapfile -t translated < <(git ls-files -- {core,diagram,util,forms,app}/'*.cpp' {core,diagram,util,forms,app}/'*.h')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t tsfiles < <(git ls-files 'translations/*.ts')
for ts in "${tsfiles[@]}"; do
    copy=$work/${ts##*/}
    cp "$ts" "$copy"
    if ! "$lupdate" -silent -locations none -no-obsolete -I . "${translated[@]}" -ts "$copy" ||
        ! cmp -s "$ts" "$copy"; then
        echo "check.sh: $ts does not hold the texts of the code; run" \
            "cmake --build build --target update_translations and translate what is new" >&2
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts" >&2; then
        echo "check.sh: $ts has unfinished or obsolete entries (lines above)" >&2
        status=1
    fi
done

((status == 0)) &&
    echo "check.sh: ${#sources[@]} C++ files formatted, ${#scripts[@]} scripts clean," \
        "${#tsfiles[@]} translations complete"
exit "$status"
