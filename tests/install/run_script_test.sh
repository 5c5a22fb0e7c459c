#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/run.sh builds the program and what it opens while it runs, and
# nothing of the tests, benchmarks or fuzzers: checked on the commands the
# build would run for the targets it asks for. Without a display it says
# what to do before building anything.
set -euo pipefail
build=$1
source_dir=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run=$source_dir/scripts/run.sh

mapfile -t targets < <(VEXARIA_RUN_TARGETS=list bash "$run")
((${#targets[@]})) || fail "run.sh names no target"
[[ -f $build/build.ninja ]] || fail "no build.ninja in $build: the build is not Ninja's"
for t in "${targets[@]}"; do
    ninja -C "$build" -t query "$t" >/dev/null 2>&1 || fail "run.sh builds $t, which the build has not"
done
ninja -C "$build" -t commands "${targets[@]}" >"$work/commands"
if grep -nE "$source_dir/(tests|bench|fuzz)/|[ /](tests|bench|fuzz)/" "$work/commands" | head -n 3 >&2; then
    fail "run.sh's targets build the tests, benchmarks or fuzzers (commands above)"
fi
# What the program uses while it runs is among them.
for output in app/mirvex app/vexaria_print.so \
    app/mirvex.pdf app/mirvex_ca.pdf app/mirvex_en.pdf app/mirvex_gl.pdf app/mirvex.ico; do
    grep -qF "$output" "$work/commands" || fail "run.sh's targets do not make $output"
done

# No display: a word on what to do, and nothing built or configured.
set +e
env -u DISPLAY -u WAYLAND_DISPLAY VEXARIA_BUILD="$work/build" bash "$run" 2>"$work/err"
status=$?
set -e
((status == 1)) || fail "without a display run.sh ended with $status"
grep -q "xvfb-run -a" "$work/err" || fail "run.sh did not say how to start without a display"
[[ ! -e $work/build ]] || fail "run.sh configured or built without a display"
echo "run.sh builds ${targets[*]}: $(wc -l <"$work/commands") commands, none of the tests"
