#!/usr/bin/env python3
"""Measures hanoi against the floor of its own system calls.

Builds an optimised hanoi and the floor program, then reports side by side:
wall time at input 22 to a regular file and to a pipe (alternating the two
programs, medians of several runs), user-space instructions per move line at
input 16 from callgrind, peak resident memory at inputs 1 and 22, and the
heap allocations of a run."""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-bench")
HANOI = os.path.join(BUILD, "hanoi")
FLOOR = os.path.join(BUILD, "hanoi_floor")
# The timed file lives in memory where it can, so that the disk's
# write-back does not add its noise to the figures.
FILE_DIR = "/dev/shm" if os.access("/dev/shm", os.W_OK) else tempfile.gettempdir()
SINK = os.path.join(BUILD, "hanoi_sink")


def build():
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release",
                    "-DHANOI_TESTS=OFF", "-DHANOI_BENCH=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD], check=True, stdout=subprocess.DEVNULL)


def command(program, n):
    """The command line and the input for one run of `program` at count n."""
    return ([HANOI], b"%d\n\n" % n) if program == "hanoi" else ([FLOOR, str(n)], b"")


def input_file(data):
    f = tempfile.TemporaryFile()
    f.write(data)
    f.seek(0)
    return f


def run_once(program, n, target):
    """Wall seconds of one run writing to `target` ('file' or 'pipe')."""
    argv, data = command(program, n)
    with input_file(data) as stdin, tempfile.TemporaryFile(dir=FILE_DIR) as out:
        sink = None
        if target == "pipe":
            sink = subprocess.Popen([SINK], stdin=subprocess.PIPE)
            out = sink.stdin
        start = time.perf_counter()
        proc = subprocess.Popen(argv, stdin=stdin, stdout=out)
        proc.wait()
        if sink:
            sink.stdin.close()
            sink.wait()
        elapsed = time.perf_counter() - start
        if proc.returncode != 0:
            sys.exit(f"{program} {n} to a {target} ended with {proc.returncode}")
        return elapsed


def instructions(program, n):
    """User-space instructions of one run, counted by callgrind."""
    argv, data = command(program, n)
    with input_file(data) as stdin, tempfile.TemporaryDirectory() as tmp, \
            open(os.path.join(tmp, "out"), "wb") as out:
        log = subprocess.run(["valgrind", "--tool=callgrind",
                              "--callgrind-out-file=" + os.path.join(tmp, "cg"), *argv],
                             stdin=stdin, stdout=out, stderr=subprocess.PIPE, text=True).stderr
    return int(re.search(r"Collected : (\d+)", log).group(1))


def peak_memory(n):
    """hanoi's peak resident memory (VmHWM, KiB) at count n, read while it
    waits for its last line, when all its work is done. (A child's rusage
    would not do: it keeps the peak of the process it was forked from.)"""
    with tempfile.TemporaryFile() as out:
        proc = subprocess.Popen([HANOI], stdin=subprocess.PIPE, stdout=out)
        proc.stdin.write(b"%d\n" % n)
        proc.stdin.flush()
        # Blocked in read(0, ...): only the final wait blocks, the number
        # was there before the first read.
        while not open(f"/proc/{proc.pid}/syscall").read().startswith("0 0x0 "):
            time.sleep(0.001)
        status = open(f"/proc/{proc.pid}/status").read()
        proc.stdin.close()
        proc.wait()
    return int(re.search(r"VmHWM:\s+(\d+) kB", status).group(1))


def heap_allocations(n):
    argv, data = command("hanoi", n)
    with input_file(data) as stdin:
        log = subprocess.run(["valgrind", "--tool=memcheck", *argv], stdin=stdin,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).stderr
    return re.search(r"total heap usage: (.*)", log).group(1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=9, help="timed runs of each program and target")
    parser.add_argument("--count", type=int, default=22, help="the disc count of the timed runs")
    args = parser.parse_args()
    build()
    lines = 2 ** args.count - 1

    print(f"wall time at input {args.count} ({lines} lines), median of {args.runs} runs, alternating:")
    for target in ("file", "pipe"):
        times = {"hanoi": [], "floor": []}
        for _ in range(args.runs):
            for program in times:
                times[program].append(run_once(program, args.count, target))
        h, f = statistics.median(times["hanoi"]), statistics.median(times["floor"])
        print(f"  to a {target}: hanoi {h * 1000:.1f} ms, floor {f * 1000:.1f} ms, "
              f"hanoi / floor {h / f:.3f}")

    print("user-space instructions per move line at input 16 (callgrind):")
    for program in ("hanoi", "floor"):
        at16, at1 = instructions(program, 16), instructions(program, 1)
        print(f"  {program}: {at16 / (2 ** 16 - 1):.1f} in all, "
              f"{(at16 - at1) / (2 ** 16 - 2):.1f} beyond the start and end of a run "
              f"({at16} at 16, {at1} at 1)")

    low, high = peak_memory(1), peak_memory(args.count)
    print(f"peak resident memory of hanoi: input 1 {low} KiB, input {args.count} {high} KiB, "
          f"difference {high - low} KiB")
    print(f"heap of a run at input 10 (memcheck): {heap_allocations(10)}")


if __name__ == "__main__":
    main()
