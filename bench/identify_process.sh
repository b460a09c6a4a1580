#!/bin/sh
# Whole-process time of "morvix-cli identify C E G": hyperfine when it is
# installed, otherwise the median of RUNS runs timed by Python.
# usage: bench/identify_process.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
runs=${RUNS:-50}
cli="$build/bin/morvix-cli"

if command -v hyperfine >/dev/null 2>&1; then
    exec hyperfine --warmup 3 --runs "$runs" "$cli identify C E G"
fi
/usr/bin/python3 - "$runs" "$cli" <<'PY'
import statistics, subprocess, sys, time
runs, cli = int(sys.argv[1]), sys.argv[2]
argv = [cli, "identify", "C", "E", "G"]
subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
times = []
for _ in range(runs):
    start = time.perf_counter()
    subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
    times.append((time.perf_counter() - start) * 1000)
print(f"morvix-cli identify C E G: median {statistics.median(times):.2f} ms, "
      f"min {min(times):.2f} ms, max {max(times):.2f} ms over {runs} runs")
PY
