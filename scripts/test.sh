#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything when needed and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_build
cd "$VEXARIA_BUILD"
ctest --output-on-failure -j2 "$@"
