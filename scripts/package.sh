#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package vexaria_<version>_<architecture>.deb in the
# build folder (the program first, when needed) and prints its path.
# Install it with:  sudo apt install ./build/vexaria_*.deb
# shellcheck source=scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_build
cd "$VEXARIA_BUILD" || exit 1
# One package in the folder, so that the install command above finds the
# one just built and not an older version's.
rm -f vexaria_*.deb
cpack -G DEB >cpack.log 2>&1 || {
    cat cpack.log >&2
    exit 1
}
debs=("$VEXARIA_BUILD"/vexaria_*.deb)
echo "${debs[0]}"
