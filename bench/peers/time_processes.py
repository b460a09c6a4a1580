"""Whole-process time of each command on each file: median of RUNS, in ms.

usage: time_processes.py RUNS NAME=COMMAND... -- FILE...
COMMAND is split on blanks; the file is appended; output goes to /dev/null.
"""
import statistics
import subprocess
import sys
import time

runs = int(sys.argv[1])
split = sys.argv.index("--")
commands = [spec.split("=", 1) for spec in sys.argv[2:split]]
for path in sys.argv[split + 1:]:
    for name, command in commands:
        times = []
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run(command.split() + [path], stdout=subprocess.DEVNULL, check=True)
            times.append((time.perf_counter() - start) * 1000)
        print(f"{name}\t{path}\t{statistics.median(times):.3f}")
