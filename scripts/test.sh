#!/usr/bin/env bash
# Builds everything when needed and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_build
cd "$VEXARIA_BUILD"
ctest --output-on-failure -j2 "$@"
