#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up to the first painted frame, and peak memory, of the program
beside tool lists of several sizes, against the same program beside an
empty list, measured alternately in the same run (medians).

The lists: 100 000 tools; a file just under the 16 MB the program reads
(about 400 000 tools); the same bound filled with the shortest tools (about
1.2 million); and a 100 MB file, which the program does not read. A run
that shows no window within the time limit counts as such. Usage:
    tools_startup.py <build folder> [runs] [time limit in seconds]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BOUND = 16 * 1024 * 1024


def tool(k):
    return b"Tool %06d\r\ndoc%06d.pdf\r\n/srv/docs/\r\n\r\n" % (k, k)


def shortest(k):
    return b"%d\r\n\r\n\r\n\r\n" % k


def write(path, make, count=None, limit=None):
    """Writes whole tools make(0), make(1), ... to path: count of them, or
    as many as stay within limit bytes, repeated past the end if need be,
    in pieces, so that this process stays small: a child started by a
    large process is charged for its pages until it runs the program."""
    size = tools = 0
    with open(path, "wb") as f:
        while True:
            piece = []
            for _ in range(10000):
                if count is not None and tools == count:
                    break
                part = make(tools)
                if limit is not None and size + len(part) > limit:
                    count = tools
                    break
                piece.append(part)
                size += len(part)
                tools += 1
            f.write(b"".join(piece))
            if count is not None and tools == count:
                return size, tools


CASES = [
    ("empty list", dict(make=tool, count=0)),
    ("100 000 tools", dict(make=tool, count=100000)),
    ("just under 16 MB", dict(make=tool, limit=BOUND - 1)),
    ("16 MB, shortest tools", dict(make=shortest, limit=BOUND - 1)),
    ("100 MB", dict(make=tool, limit=100 * 1024 * 1024)),
]


def run_once(program, cwd, probe, limit):
    """Seconds to the first frame and peak MiB, or None past the time limit."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LD_PRELOAD=probe)
    start = time.monotonic()
    # The probe writes one short line, which the pipe holds until it is read.
    proc = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    while True:
        pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() - start > limit:
            proc.kill()
            os.wait4(proc.pid, 0)
            proc.stderr.close()
            return None
        time.sleep(0.002)
    err = proc.stderr.read()
    proc.stderr.close()
    frame = [line for line in err.splitlines() if line.startswith("first-frame ")]
    if status != 0 or not frame:
        sys.exit(f"{program}: no first frame (status {status}): {err.strip()}")
    return float(frame[0].split()[1]) - start, usage.ru_maxrss / 1024.0


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    limit = float(sys.argv[3]) if len(sys.argv) > 3 else 120.0
    program = os.path.join(build, "app", "mirvex")
    probe = os.path.join(build, "bench", "libfirstframe.so")
    scratch = tempfile.mkdtemp(prefix="vexaria-tools-bench-")
    try:
        folders = []
        for name, how in CASES:
            folder = os.path.join(scratch, str(len(folders)))
            os.mkdir(folder)
            size, count = write(os.path.join(folder, "Tools.rel"), **how)
            folders.append((name, folder, size, count))
        given_up = set()
        times = {name: [] for name, *_ in folders}
        peaks = {name: [] for name, *_ in folders}
        for name, folder, *_ in folders:  # warm the file cache
            if run_once(program, folder, probe, limit) is None:
                given_up.add(name)
        for _ in range(runs):
            for name, folder, *_ in folders:
                if name in given_up:
                    continue
                result = run_once(program, folder, probe, limit)
                if result is None:
                    given_up.add(name)
                    continue
                times[name].append(result[0])
                peaks[name].append(result[1])
        base = statistics.median(times["empty list"]) if times["empty list"] else None
        print(f"{'tool list':24s} {'file':>9s} {'tools':>9s} {'first frame':>12s} "
              f"{'ratio':>6s} {'peak RSS':>10s}")
        for name, _, size, count in folders:
            if name in given_up or not times[name]:
                print(f"{name:24s} {size / 1048576:7.1f} MB {count:9d}  no window after "
                      f"{limit:.0f} s")
                continue
            t = statistics.median(times[name])
            m = statistics.median(peaks[name])
            ratio = t / base if base else float("nan")
            print(f"{name:24s} {size / 1048576:7.1f} MB {count:9d} {t * 1000:9.1f} ms "
                  f"{ratio:6.2f} {m:7.1f} MiB")
        print("targets: 100 000 tools <= 1.5 x the empty list; just under 16 MB < 3 s and "
              f"< 400 MiB; 100 MB as fast as the empty list; medians of {runs} runs")
    finally:
        shutil.rmtree(scratch)


if __name__ == "__main__":
    main()
