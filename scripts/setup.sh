# Shared by run.sh and test.sh: installs the Debian packages the build needs
# when they are missing, then configures (once) and builds incrementally.
# Sourced, not run.

set -euo pipefail

VEXARIA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEXARIA_BUILD=${VEXARIA_BUILD:-$VEXARIA_ROOT/build}

vexaria_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools
    libgtest-dev libbenchmark-dev
    fonts-liberation2 fonts-comic-neue fonts-dejavu-core
    poppler-utils desktop-file-utils
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

vexaria_build() {
    vexaria_install_missing "${vexaria_packages[@]}" "$@"
    if [[ ! -f $VEXARIA_BUILD/build.ninja ]]; then
        cmake -S "$VEXARIA_ROOT" -B "$VEXARIA_BUILD" -G Ninja >/dev/null
    fi
    cmake --build "$VEXARIA_BUILD" -j2
}
