#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in its own folder and runs every test there.
#   scripts/sanitize.sh [ctest options...]
# The folder is build-sanitize/ unless VEXARIA_SANITIZE_BUILD names another.
# Any memory error, leak or undefined behaviour fails the test it happens in.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build=${VEXARIA_SANITIZE_BUILD:-$VEXARIA_ROOT/build-sanitize}

# The sanitizer runtimes belong to one compiler version: pin both to it.
vexaria_install_missing "${vexaria_packages[@]}" clang-14 libclang-rt-14-dev llvm-14
if [[ ! -f $build/build.ninja ]]; then
    CC=clang-14 CXX=clang++-14 cmake -S "$VEXARIA_ROOT" -B "$build" -G Ninja \
        -DVEXARIA_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j2

# Reports name their source lines, leaks count as errors, and any undefined
# behaviour stops the program with its stack.
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-/usr/lib/llvm-14/bin/llvm-symbolizer}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

cd "$build" || exit
ctest --output-on-failure -j2 "$@"
