#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program when needed and starts it in its build folder, where
# its help documents and icon lie. Only the program and what it opens while
# it runs are built (its print module, the help documents, the icon), not
# the tests, benchmarks or tools: scripts/test.sh builds those.
# VEXARIA_RUN_TARGETS=list prints the build targets, one a line, and stops.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The translations are compiled into the program, the print module is a
# dependency of it.
vexaria_targets=(mirvex help_document program_icon)
if [[ ${VEXARIA_RUN_TARGETS:-} == list ]]; then
    printf '%s\n' "${vexaria_targets[@]}"
    exit 0
fi

# Minutes of building are wasted if the window cannot be shown at the end.
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    cat >&2 <<MESSAGE
No display to show the window on, so nothing was built.
Start it under a virtual display:  xvfb-run -a $0
(as root: apt-get install xvfb), or from a desktop session, or over
ssh -X so that DISPLAY is set.
MESSAGE
    exit 1
fi
vexaria_build
cd "$VEXARIA_BUILD/app" || exit
exec ./mirvex "$@"
