#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Google Benchmark JSON and prints each update cycle and scroll step
as a multiple of the bare fill of the diagram panel's image."""
import json
import sys

data = json.load(open(sys.argv[1]))
times = {b["name"]: b["cpu_time"] for b in data["benchmarks"]}
fill = times["BM_FillPanel"]
print(f"bare fill of the 425 x 281 image: {fill / 1000:.1f} us")
worst = 0.0
for name, t in times.items():
    if name.startswith("BM_UpdateCycle/"):
        case = name.split("/", 1)[1]
        drawing = times.get("BM_DrawingOnly/" + case)
        ratio = t / fill
        worst = max(worst, ratio)
        print(f"  update {case:12s} {t / 1000:6.1f} us = {ratio:4.2f} x fill"
              f"   (drawing alone {drawing / 1000:5.1f} us)")
sweep = times.get("BM_ScrollSweep")
if sweep is not None:
    # Google Benchmark reports this one in microseconds.
    step = sweep * 1000 / 101
    print(f"  scroll sweep, per position  {step / 1000:6.1f} us = {step / fill:4.2f} x fill")
print(f"worst update cycle: {worst:.2f} x the bare fill (target <= 4)")
