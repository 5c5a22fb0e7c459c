#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the painter surface benchmark's Google Benchmark JSON (with
repetitions) and prints, for each size, the redraw as a multiple of filling
an image of that size: the median of the paired repetitions and their
spread (lowest to highest)."""
import json
import statistics
import sys

data = json.load(open(sys.argv[1]))
runs = {}
for b in data["benchmarks"]:
    if b.get("run_type") == "iteration":
        runs.setdefault(b["run_name"], []).append(b["cpu_time"])

largest = None
for name in sorted(runs):
    if not name.startswith("BM_Redraw/"):
        continue
    size = name.split("/", 1)[1]
    redraws, fills = runs[name], runs["BM_FillImage/" + size]
    ratios = [r / f for r, f in zip(redraws, fills)]
    median = statistics.median(ratios)
    print(f"  {size:10s} redraw {statistics.median(redraws):8.0f} us"
          f" (spread {min(redraws):.0f}-{max(redraws):.0f}),"
          f" fill {statistics.median(fills):7.0f} us"
          f" (spread {min(fills):.0f}-{max(fills):.0f}):"
          f" {median:4.2f} x fill (spread {min(ratios):.2f}-{max(ratios):.2f}, {len(ratios)} runs)")
    largest = (size, median)
if largest:
    print(f"redraw at {largest[0]}: {largest[1]:.2f} x the fill (target <= 2)")
