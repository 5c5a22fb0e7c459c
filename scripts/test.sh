#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything when needed and runs every test.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_build
cd "$VEXARIA_BUILD" || exit
ctest --output-on-failure -j2 "$@"
