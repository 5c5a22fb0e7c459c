#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the presentation benchmark's Google Benchmark JSON (with
repetitions) and prints, for each window size, the drag step as a multiple
of filling an image of that size: the median of the repetitions and their
spread (lowest to highest ratio of the paired repetitions). The targets are
for the presentation over the main window, as on one screen; the main
window beside it (two screens) is printed for comparison."""
import json
import statistics
import sys

data = json.load(open(sys.argv[1]))
runs = {}
paints = {}
for b in data["benchmarks"]:
    if b.get("run_type") != "iteration":
        continue
    runs.setdefault(b["run_name"], []).append(b["cpu_time"])
    if "paints_per_step" in b:
        paints[b["run_name"]] = b["paints_per_step"]

# The targets: the drag step at each size, and the classroom view's at 4K.
TARGETS = {("drag step", "1920x1080"): 3.0, ("drag step", "3840x2160"): 2.5,
           ("classroom view", "3840x2160"): 3.0}
for name in sorted(runs):
    if not name.startswith("BM_DragStep"):
        continue
    kind, size = name.split("/", 1)
    beside = kind == "BM_DragStepBeside"
    classroom = kind == "BM_DragStepClassroom"
    steps = runs[name]
    fills = runs["BM_FillImage/" + size]
    ratios = [s / f for s, f in zip(steps, fills)]
    median = statistics.median(ratios)
    label = "main window beside" if beside else ("classroom view" if classroom else "drag step")
    target = TARGETS.get((label, size))
    print(f"  {size:10s} {label:18s} {statistics.median(steps):8.0f} us"
          f" (spread {min(steps):.0f}-{max(steps):.0f}),"
          f" fill {statistics.median(fills):7.0f} us"
          f" (spread {min(fills):.0f}-{max(fills):.0f}):"
          f" {median:4.2f} x fill (spread {min(ratios):.2f}-{max(ratios):.2f},"
          f" {len(ratios)} runs, {paints.get(name, 0):.1f} paints of the diagram a step)"
          + (f"; target <= {target}" if target else ""))
