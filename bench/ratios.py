#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Google Benchmark JSON and prints each update cycle and scroll step
as a multiple of the bare fill of the diagram panel's image. With
repetitions, each repetition is set against the fill measured beside it and
the median of those ratios is given with their spread (lowest to highest)."""
import json
import statistics
import sys

data = json.load(open(sys.argv[1]))
runs = {}
for b in data["benchmarks"]:
    if b.get("run_type", "iteration") == "iteration":
        runs.setdefault(b.get("run_name", b["name"]), []).append(b["cpu_time"])
fills = runs["BM_FillPanel"]
fill = statistics.median(fills)


def ratios(times):
    return [t / f for t, f in zip(times, fills)]


def spread(values):
    return f"{min(values):.2f}-{max(values):.2f}"


print(f"bare fill of the 425 x 281 image: {fill / 1000:.1f} us"
      f" (spread {min(fills) / 1000:.1f}-{max(fills) / 1000:.1f}, {len(fills)} runs)")
worst = (0.0, "")
for name, times in runs.items():
    if name.startswith("BM_UpdateCycle/"):
        case = name.split("/", 1)[1]
        drawing = statistics.median(runs.get("BM_DrawingOnly/" + case, [0]))
        r = ratios(times)
        median = statistics.median(r)
        worst = max(worst, (median, spread(r)))
        print(f"  update {case:12s} {statistics.median(times) / 1000:6.1f} us = {median:4.2f} x fill"
              f" (spread {spread(r)})   (drawing alone {drawing / 1000:5.1f} us)")
for name, times in runs.items():
    if name.startswith("BM_UpdateClassroom/"):
        case = name.split("/", 1)[1]
        r = ratios(times)
        print(f"  classroom view on the panel, {case:12s} {statistics.median(times) / 1000:6.1f} us"
              f" = {statistics.median(r):4.2f} x fill (spread {spread(r)}; target <= 5)")
sweep = runs.get("BM_ScrollSweep")
if sweep is not None:
    # Google Benchmark reports this one in microseconds.
    steps = [s * 1000 / 101 for s in sweep]
    r = ratios(steps)
    print(f"  scroll sweep, per position  {statistics.median(steps) / 1000:6.1f} us"
          f" = {statistics.median(r):4.2f} x fill (spread {spread(r)})")
print(f"worst update cycle: median {worst[0]:.2f} x the bare fill (spread {worst[1]}; target <= 3)")
