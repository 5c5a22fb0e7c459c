#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program when needed and starts it in its build folder, where
# its help document and icon lie.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vexaria_build
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display to show the window on: start it with  xvfb-run -a $0  (apt-get install xvfb)" >&2
    exit 1
fi
cd "$VEXARIA_BUILD/app" || exit
exec ./mirvex "$@"
