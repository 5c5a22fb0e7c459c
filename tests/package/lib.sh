#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the package tests: builds packages from the build folder into a
# temporary folder, installs them into a temporary root with a dpkg
# database of its own (never the machine's), and starts the installed
# program there. Sourced, with $build and $tmp set.
: "${build:?}" "${tmp:?}"

fail() { echo "FAIL: $*" >&2; exit 1; }

project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

# build_package <folder> [version]: prints the package's path.
build_package() {
    local out=$1 version=${2:-} options=()
    [[ -n $version ]] && options=(-D "CPACK_PACKAGE_VERSION=$version")
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" "${options[@]}" \
        >"$out.log" 2>&1 || fail "cpack: $(cat "$out.log")"
    local debs=("$out"/*.deb)
    if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
        fail "cpack made ${debs[*]}"
    fi
    echo "${debs[0]}"
}

# new_root <folder>: an empty system with an empty dpkg database.
new_root() {
    mkdir -p "$1/var/lib/dpkg/info" "$1/var/lib/dpkg/updates"
    : >"$1/var/lib/dpkg/status"
}

# in_root <root> <dpkg options...>: dpkg on that root alone. The machine's
# own packages are not there, hence --force-depends.
in_root() {
    local root=$1
    shift
    dpkg --root="$root" --force-depends "$@" >>"$tmp/dpkg.log" 2>&1 ||
        fail "dpkg $*: $(tail -n 20 "$tmp/dpkg.log")"
}

# install_into <root> <package>: a package built for another architecture
# (a cross build) goes in too; its program then runs through the emulator.
install_into() {
    local arch options=()
    arch=$(dpkg-deb -f "$2" Architecture)
    [[ $arch == "$(dpkg --print-architecture)" ]] || options=(--force-architecture)
    in_root "$1" -i "${options[@]}" "$2"
}

installed_version() {
    dpkg-query --admindir="$1/var/lib/dpkg" -W -f='${db:Status-Abbrev}${Version}' vexaria 2>/dev/null
}

# start <root> <home>: starts the installed launcher on the offscreen
# platform and waits until the program runs in the data folder (30 s at
# most: a loaded CI machine starts slowly).
pid=
start() {
    local root=$1 folder=$2/.local/share/vexaria
    HOME=$2 QT_QPA_PLATFORM=offscreen "$root/usr/bin/vexaria" >"$tmp/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        if [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == "$folder" &&
            $(readlink "/proc/$pid/exe" 2>/dev/null) == "$root/usr/libexec/vexaria/mirvex" ]]; then
            # Still there a moment later: the start-up went through.
            sleep 1
            kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$tmp/program.log")"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$tmp/program.log")"
        sleep 0.1
    done
    fail "the program did not start in $folder: $(cat "$tmp/program.log")"
}
stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

# snapshot <folder>: every file's name, size, mode, time and content.
snapshot() {
    (cd "$1" && find . -printf '%p %y %s %m %T@\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}
