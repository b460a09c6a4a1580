"""In-process parse time of python3-mido: best of RUNS, in ms, per file."""
import sys
import time

import mido

runs = int(sys.argv[1])
for path in sys.argv[2:]:
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        mido.MidiFile(path)
        best = min(best, (time.perf_counter() - start) * 1000)
    print(f"{path}\t{best:.3f}")
