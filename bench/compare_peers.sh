#!/bin/sh
# Times the MIDI loader against other readers on the same files in one run.
#   whole process: mftext (abcmidi), midicsv, morvix-cli examine (time and peak memory)
#   in process:    bench_midi_loader, python3-mido, midi-file on Node
# usage: bench/compare_peers.sh [BUILD_DIR]   (built with -DMORVIX_BENCH=ON)
# Needs mftext, midicsv, /usr/bin/time, node and npm; runs "npm install" in bench/ once.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-bench-midi}
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ -d "$here/node_modules/midi-file" ] || (cd "$here" && npm install --no-audit --no-fund >/dev/null)
"$build/bin/bench_midi_loader" --write-generated="$work" >/dev/null
openmsx=$(dpkg -L openttd-openmsx 2>/dev/null | grep '\.mid$' | sort || true)
large_openmsx=$(ls -S $openmsx | head -1)
files="$large_openmsx $work/generated_100000.mid $work/generated_200000.mid"

echo "== whole process, median of $runs, ms; peak resident memory, MB"
/usr/bin/python3 "$here/peers/time_processes.py" "$runs" \
    "mftext=mftext" "midicsv=midicsv" "morvix=$build/bin/morvix-cli examine" -- $files

echo "== in process, median of $runs, ms"
/usr/bin/python3 "$here/peers/time_mido.py" "$runs" $files | sed 's/^/mido\t/'
node "$here/peers/time_midi_file.js" "$runs" $files | sed 's/^/midi-file\t/'
MORVIX_BENCH_FILES=$(echo $files | tr ' ' ':') "$build/bin/bench_midi_loader" \
    --benchmark_filter='LoadFile/' --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null \
    | awk -F, '/LoadFile.*_median/ { gsub(/"/, "", $1); sub(/LoadFile\//, "", $1); sub(/_median$/, "", $1);
                                     printf "morvix\t%s\t%.3f\n", $1, $3 }'

echo "== openmsx set (all $(echo $openmsx | wc -w) files), in process, ms per pass"
/usr/bin/python3 "$here/peers/time_mido.py" 3 $openmsx | awk -F'\t' '{ s += $2 } END { printf "mido\t%.3f\n", s }'
node "$here/peers/time_midi_file.js" 3 $openmsx | awk -F'\t' '{ s += $2 } END { printf "midi-file\t%.3f\n", s }'
"$build/bin/bench_midi_loader" --benchmark_filter='LoadOpenmsxAll|LoadGenerated' --benchmark_format=csv 2>/dev/null \
    | awk -F, '/Load/ { gsub(/"/, "", $1); printf "morvix\t%s\t%.3f (cpu %.3f)\n", $1, $3, $4 }'
