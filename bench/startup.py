#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up to the first painted frame, and peak memory, of the program
against a bare Qt Widgets window built in the same tree.

Both run on the offscreen platform with the first-frame probe preloaded,
alternately, and the medians are compared. Usage:
    startup.py <build folder> [runs]
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(program, cwd, probe):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LD_PRELOAD=probe)
    start = time.monotonic()
    proc = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    _, status, usage = os.wait4(proc.pid, 0)
    err = proc.stderr.read()
    proc.stderr.close()
    frame = [line for line in err.splitlines() if line.startswith("first-frame ")]
    if status != 0 or not frame:
        sys.exit(f"{program}: no first frame (status {status}): {err.strip()}")
    first_frame = float(frame[0].split()[1])
    return first_frame - start, usage.ru_maxrss / 1024.0  # seconds, MiB


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    probe = os.path.join(build, "bench", "libfirstframe.so")
    programs = {
        "mirvex": (os.path.join(build, "app", "mirvex"), os.path.join(build, "app")),
        "bare Qt window": (os.path.join(build, "bench", "bare_window"), build),
    }
    results = {name: ([], []) for name in programs}
    for name, (program, cwd) in programs.items():
        run_once(program, cwd, probe)  # warm the file cache
    for _ in range(runs):
        for name, (program, cwd) in programs.items():
            seconds, mib = run_once(program, cwd, probe)
            results[name][0].append(seconds)
            results[name][1].append(mib)
    median = {name: (statistics.median(t), statistics.median(m))
              for name, (t, m) in results.items()}
    for name, (t, m) in median.items():
        print(f"{name:16s} first frame {t * 1000:7.1f} ms   peak RSS {m:6.1f} MiB")
    (pt, pm), (bt, bm) = median["mirvex"], median["bare Qt window"]
    print(f"start-up ratio {pt / bt:.2f} (target <= 1.20)   "
          f"memory ratio {pm / bm:.2f} (target <= 1.15)   medians of {runs} runs each")


if __name__ == "__main__":
    main()
