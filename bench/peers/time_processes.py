"""Whole-process time and peak memory of each command on each file.

usage: time_processes.py RUNS NAME=COMMAND... -- FILE...
COMMAND is split on blanks; the file is appended; output and errors go to
/dev/null. Prints name, file, the median time of RUNS in ms and the peak
resident set size of one more run in MB.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

runs = int(sys.argv[1])
split = sys.argv.index("--")
commands = [spec.split("=", 1) for spec in sys.argv[2:split]]


def run_ms(argv):
    start = time.perf_counter()
    subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - start) * 1000


def peak_mb(argv):
    """Measured by /usr/bin/time: a child's peak counts what its parent held
    when it forked, and that would be this Python process's."""
    with tempfile.NamedTemporaryFile("r") as report:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name, *argv],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        return int(report.read().split()[-1]) / 1024


for path in sys.argv[split + 1:]:
    for name, command in commands:
        argv = command.split() + [path]
        median_ms = statistics.median(run_ms(argv) for _ in range(runs))
        print(f"{name}\t{path}\t{median_ms:.3f}\t{peak_mb(argv):.1f}")
