#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets in fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each one in turn.
#   scripts/fuzz.sh [RUNS [libFuzzer options...]]
# RUNS is the number of inputs per fuzzer: 20000 by default, a short run for
# CI; 10000000 for the long run (about two hours for the tool list fuzzer
# alone). Whatever RUNS says, each fuzzer also stops after
# VEXARIA_FUZZ_SECONDS (default 14400), and any single input taking more
# than 10 seconds counts as a hang.
# VEXARIA_FUZZERS limits the run to some targets ("fuzz_toolfile ...").
# The folder is build-fuzz/ unless VEXARIA_FUZZ_BUILD names another. Inputs
# that reach new code are kept in its fuzz-corpus/<target>/ (the seeds in
# fuzz/corpus/ are only read); an input that breaks a check is written to
# its fuzz-artifacts/ and fails the script.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

runs=${1:-20000}
shift || true
if [[ ! $runs =~ ^[0-9]+$ ]]; then
    echo "usage: $0 [RUNS [libFuzzer options...]]" >&2
    exit 2
fi
seconds=${VEXARIA_FUZZ_SECONDS:-14400}
build=${VEXARIA_FUZZ_BUILD:-$VEXARIA_ROOT/build-fuzz}

fuzzers=()
if [[ -n ${VEXARIA_FUZZERS:-} ]]; then
    read -ra fuzzers <<<"$VEXARIA_FUZZERS"
else
    # Every target has a seed corpus folder of its own name.
    for dir in "$VEXARIA_ROOT"/fuzz/corpus/*/; do
        fuzzers+=("$(basename "$dir")")
    done
fi

# The fuzzer and sanitizer runtimes belong to one compiler version: pin both.
vexaria_install_missing "${vexaria_packages[@]}" clang-14 libclang-rt-14-dev llvm-14
if [[ ! -f $build/build.ninja ]]; then
    CC=clang-14 CXX=clang++-14 cmake -S "$VEXARIA_ROOT" -B "$build" -G Ninja \
        -DVEXARIA_SANITIZE=ON -DVEXARIA_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j2 --target "${fuzzers[@]}"

export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-/usr/lib/llvm-14/bin/llvm-symbolizer}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8

failed=()
summary=()
for fuzzer in "${fuzzers[@]}"; do
    corpus=$build/fuzz-corpus/$fuzzer
    artifacts=$build/fuzz-artifacts
    log=$build/fuzz-logs/$fuzzer.log
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    options=(-runs="$runs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
        -artifact_prefix="$artifacts/$fuzzer-" -print_final_stats=1)
    if [[ -f $VEXARIA_ROOT/fuzz/$fuzzer.dict ]]; then
        options+=(-dict="$VEXARIA_ROOT/fuzz/$fuzzer.dict")
    fi
    echo "== $fuzzer: up to $runs inputs or $seconds s" >&2
    start=$SECONDS
    if "$build/fuzz/$fuzzer" "${options[@]}" "$@" "$corpus" "$VEXARIA_ROOT/fuzz/corpus/$fuzzer" \
        >"$log" 2>&1; then
        status=passed
    else
        status=FAILED
        failed+=("$fuzzer")
        grep -E -A40 'ERROR|broken|runtime error|Test unit written' "$log" | head -80 >&2 || true
    fi
    last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
    done=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
    if [[ $status == passed && ${done:-0} -lt $runs ]]; then
        status="passed, but the time limit stopped it after ${done:-0} of $runs inputs"
    fi
    summary+=("$fuzzer: $status in $((SECONDS - start)) s; $last")
done

printf '%s\n' "${summary[@]}" >&2
echo "Logs: $build/fuzz-logs/" >&2
if ((${#failed[@]})); then
    echo "Failed: ${failed[*]} (inputs in $build/fuzz-artifacts/)" >&2
    exit 1
fi
