#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark and prints the ratios against the floor measured in
# the same run: the update cycle against the bare fill of the panel's image,
# start-up and peak memory against a bare Qt window, start-up beside long
# tool lists against an empty one.
# shellcheck source=../scripts/setup.sh source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
vexaria_build python3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo "== Update cycle"
QT_QPA_PLATFORM=offscreen "$VEXARIA_BUILD/bench/bench_update" --benchmark_min_time=0.2 \
    --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
    --benchmark_format=json --benchmark_out="$out/update.json" --benchmark_out_format=json \
    >/dev/null
python3 "$VEXARIA_ROOT/bench/ratios.py" "$out/update.json"
echo "== The diagram drawn again at projector sizes"
QT_QPA_PLATFORM=offscreen "$VEXARIA_BUILD/bench/bench_surface" --benchmark_min_time=0.2 \
    --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
    --benchmark_format=json --benchmark_out="$out/surface.json" --benchmark_out_format=json \
    >/dev/null
python3 "$VEXARIA_ROOT/bench/surface_ratios.py" "$out/surface.json"
echo "== Dragging the object in the presentation window"
QT_QPA_PLATFORM=offscreen "$VEXARIA_BUILD/bench/bench_present" --benchmark_min_time=0.2 \
    --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
    --benchmark_format=json --benchmark_out="$out/present.json" --benchmark_out_format=json \
    >/dev/null
python3 "$VEXARIA_ROOT/bench/present_ratios.py" "$out/present.json"
echo "== Start-up and memory"
python3 "$VEXARIA_ROOT/bench/startup.py" "$VEXARIA_BUILD" "${1:-15}"
echo "== Start-up beside long tool lists"
python3 "$VEXARIA_ROOT/bench/tools_startup.py" "$VEXARIA_BUILD" "${1:-15}"
echo "== A 30-exercise worksheet with its key, on one core"
taskset -c 0 "$VEXARIA_BUILD/bench/bench_worksheet" 5
