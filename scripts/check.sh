#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that need no build: every C++ file formatted as .clang-format says
# (fails on any difference) and every shell script clean under shellcheck.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_install_missing clang-format shellcheck git

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

((status == 0)) && echo "check.sh: ${#sources[@]} C++ files formatted, ${#scripts[@]} scripts clean"
exit "$status"
