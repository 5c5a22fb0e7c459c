#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross builds Vexaria for 64-bit ARM (arm64) in build-arm64/ with Debian's
# multiarch packages and runs every test under user-mode emulation (qemu).
#   scripts/cross-arm64.sh [ctest options...]
# The arm64 packages go beside the machine's own: apt's plan is simulated
# first, and the script stops without installing anything if that plan would
# remove or downgrade a package, since others build natively on this machine.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-arm64
started=$SECONDS

# The host's compilers, Qt tools and emulator, the target's libraries, and
# what the script tests call (pdfinfo, desktop-file-validate, the fonts).
# qt6-base-dev is on both architectures, so its host one is named.
host_packages=(
    cmake ninja-build pkg-config crossbuild-essential-arm64 qemu-user-static
    "qt6-base-dev:$(dpkg --print-architecture)" qt6-base-dev-tools
    fonts-liberation2 fonts-comic-neue fonts-dejavu-core
    poppler-utils desktop-file-utils file
)
target_packages=(qt6-base-dev:arm64 qt6-svg-dev:arm64 libpng-dev:arm64 libgtest-dev:arm64)

say() { echo "cross-arm64: $*" >&2; }
elapsed() { echo "$((SECONDS - $1)) s"; }

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$p"
    done
}

install_packages() {
    local missing plan summary
    mapfile -t missing < <(missing_packages "${host_packages[@]}" "${target_packages[@]}")
    ((${#missing[@]})) || return 0
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        say "adding the arm64 architecture"
        "${sudo[@]}" dpkg --add-architecture arm64
    fi
    "${sudo[@]}" apt-get update -qq
    local apt=(apt-get install -y -q --no-install-recommends --no-remove)
    say "simulating: ${missing[*]}"
    plan=$(LC_ALL=C "${apt[@]}" -s "${missing[@]}" 2>&1) || {
        echo "$plan" >&2
        say "apt cannot install the arm64 packages beside the native ones; nothing was installed"
        exit 1
    }
    summary=$(grep -E '^[0-9]+ upgraded, ' <<<"$plan")
    if grep -q '^Remv ' <<<"$plan" || [[ $summary != *" 0 to remove"* ]] ||
        grep -qE '[1-9][0-9]* downgraded' <<<"$summary"; then
        echo "$plan" >&2
        say "stopped: installing would remove or downgrade packages ($summary); nothing was installed"
        exit 1
    fi
    # Multiarch libraries must be the same version on both architectures,
    # so apt may have to bring a native library up to the arm64 one's
    # (security) version; say which.
    local upgraded
    upgraded=$(awk '/^Inst / && $3 ~ /^\[/ {printf " %s", $2}' <<<"$plan")
    say "apt's plan: $summary"
    [[ -z $upgraded ]] || say "upgraded to match the arm64 versions:$upgraded"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" "${apt[@]}" "${missing[@]}" >&2
}

phase=$SECONDS
install_packages
say "packages ready in $(elapsed "$phase")"

phase=$SECONDS
if [[ ! -f $build/build.ninja ]]; then
    cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-arm64.cmake" -DBUILD_TESTING=ON >/dev/null
fi
cmake --build "$build" -j2
file -b "$build/app/mirvex" | grep -q 'ARM aarch64' || {
    say "build-arm64/app/mirvex is not an arm64 program: $(file -b "$build/app/mirvex")"
    exit 1
}
say "built in $(elapsed "$phase")"

# Tests that cannot run under user-mode emulation, with the reason. The
# emulator runs a program only when asked to; these start arm64 programs
# themselves, which the kernel refuses ("Exec format error") unless qemu is
# registered with binfmt_misc, a machine-wide setting this script leaves alone.
not_emulated=(
    "test_desktop_integration: runs build-arm64/tools/make_icon itself, not through the emulator"
    "test_command_line: runs build-arm64/app/mirvex itself, not through the emulator"
    "test_package: starts the packaged program through its launcher, which execs the arm64 program, and tells it by /proc/PID/exe, which under qemu names the emulator"
    "test_package_upgrade: as test_package, with the upgraded package"
)
# Single functions of Qt Test programs that cannot run under emulation; the
# rest of each program runs after CTest's tests.
not_emulated_functions=(
    "test_diagram_menu printsTheDiagramWithTheResultsUnderIt: reads the printed PDF with pdftotext through QProcess, and Qt starts a process with clone(CLONE_VM|CLONE_VFORK|CLONE_PIDFD), which Debian 12's qemu-user refuses (EINVAL)"
)
exclude=
for t in "${not_emulated[@]}" "${not_emulated_functions[@]}"; do
    say "not run under emulation: $t"
    t=${t%%:*}
    exclude+=${exclude:+|}${t%% *}
done

# Runs Qt Test program $1 under the emulator, as CTest would, with every
# test function but $2.
run_functions_but() {
    local program functions
    program=$(find "$build/tests" -type f -name "$1" -perm -u+x | head -n1)
    [[ -n $program ]] || { say "$1: no such test program"; return 1; }
    cd "${program%/*}" || return 1
    export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LANGUAGE='' LC_ALL='' LC_MESSAGES='' \
        QTEST_FUNCTION_TIMEOUT=600000
    mapfile -t functions < <(qemu-aarch64-static "$program" -functions | sed -n 's/()$//p')
    printf '%s\n' "${functions[@]}" | grep -qx "$2" || {
        say "$1 has no function $2: update the list in this script"
        return 1
    }
    mapfile -t functions < <(printf '%s\n' "${functions[@]}" | grep -vx "$2")
    say "$1 without $2: ${functions[*]}"
    timeout 3000 qemu-aarch64-static "$program" "${functions[@]}"
}

phase=$SECONDS
say "running the tests under qemu-aarch64-static"
status=0
ctest --test-dir "$build" --output-on-failure -j2 -E "^($exclude)\$" "$@" || status=$?
for t in "${not_emulated_functions[@]}"; do
    t=${t%%:*}
    (run_functions_but "${t%% *}" "${t#* }") || status=1
done
say "tests ran in $(elapsed "$phase"); $(elapsed "$started") in all"
exit "$status"
