# Sourced, not run: shared by the scripts beside it.
# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs when they are missing, then
# configures (once) and builds incrementally. VEXARIA_CMAKE_ARGS adds options
# to that first configuration (CI turns warnings into errors with it).

set -euo pipefail

VEXARIA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEXARIA_BUILD=${VEXARIA_BUILD:-$VEXARIA_ROOT/build}

vexaria_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    at-spi2-core python3-pyatspi dbus
    libgtest-dev libbenchmark-dev
    fonts-liberation2 fonts-comic-neue fonts-dejavu-core fonts-urw-base35
    poppler-utils desktop-file-utils
    qt6-svg-dev libpng-dev dpkg-dev file lintian appstream xvfb x11-utils man-db
)

vexaria_install_missing() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}" >&2
        local sudo=()
        [[ $(id -u) -eq 0 ]] || sudo=(sudo)
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >&2
    fi
}

# The build targets vexaria_build builds; none named means all of them.
vexaria_targets=()

# Extra Debian packages may be named; none by default.
# shellcheck disable=SC2120
vexaria_build() {
    vexaria_install_missing "${vexaria_packages[@]}" "$@"
    if [[ ! -f $VEXARIA_BUILD/build.ninja ]]; then
        # shellcheck disable=SC2086 # options, split on blanks on purpose
        cmake -S "$VEXARIA_ROOT" -B "$VEXARIA_BUILD" -G Ninja ${VEXARIA_CMAKE_ARGS:-} >/dev/null
    fi
    local only=()
    ((${#vexaria_targets[@]})) && only=(--target "${vexaria_targets[@]}")
    cmake --build "$VEXARIA_BUILD" -j2 "${only[@]}"
}
