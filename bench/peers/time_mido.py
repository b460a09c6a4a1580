"""In-process parse time of python3-mido: median of RUNS, in ms, per file."""
import statistics
import sys
import time

import mido

runs = int(sys.argv[1])
for path in sys.argv[2:]:
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        mido.MidiFile(path)
        times.append((time.perf_counter() - start) * 1000)
    print(f"{path}\t{statistics.median(times):.3f}")
