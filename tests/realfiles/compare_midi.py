#!/usr/bin/python3
"""Compares what morvix-cli reads from real MIDI files with python3-mido.

usage: compare_midi.py MORVIX_CLI [FILE ...]
Without files it takes every .mid of the openttd-openmsx package. Per file it
compares the number of tracks, the note-on events per track, the tempo changes
(tick and value) and the tick of each track's last event before its End of
Track. Exit status 0 when all agree, 1 on a difference, 77 when mido or the
files are missing.
"""
import subprocess
import sys

try:
    import mido
except ImportError:
    print("python3-mido is not installed")
    sys.exit(77)


def openmsx_files():
    try:
        listing = subprocess.run(["dpkg", "-L", "openttd-openmsx"], capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError):
        return []
    return sorted(line for line in listing.stdout.splitlines() if line.endswith(".mid"))


def run(cli, *args):
    result = subprocess.run([cli, "examine", *args], capture_output=True, check=True)
    lines = result.stdout.decode("latin-1").splitlines()
    return [line for line in lines if not line.startswith("message: ")]


def ours(cli, path):
    listing = run(cli, path)
    track_count = int(listing[1].split("tracks ")[1].split(",")[0])
    tracks, current = [], None
    for line in listing[3 + track_count:]:
        if line == "":
            if current is not None:
                tracks.append(current)
            current = None
            continue
        if current is None:
            current = {"note_on": 0, "last": 0}
        ticks, description = int(line[:line.index(" ")]), line[13:]
        if description.startswith("NoteOn :"):
            current["note_on"] += 1
        if description != "Meta End of Track":
            current["last"] = ticks
    tempos = []
    for line in run(cli, "--play-list", path):
        time, _delta, kind, _channel, data, _duration = line.split()
        if kind == "51":
            tempos.append((int(time), int(data, 16)))
    return track_count, tracks, tempos


def theirs(path):
    midi = mido.MidiFile(path)
    tracks, tempos = [], []
    for track in midi.tracks:
        tick, last, notes = 0, 0, 0
        for message in track:
            tick += message.time
            if message.type == "note_on":
                notes += 1
            if message.type == "set_tempo":
                tempos.append((tick, message.tempo))
            if message.type != "end_of_track":
                last = tick
        tracks.append({"note_on": notes, "last": last})
    return len(midi.tracks), tracks, sorted(tempos, key=lambda t: t[0])


def compare(cli, path):
    count, tracks, tempos = ours(cli, path)
    their_count, their_tracks, their_tempos = theirs(path)
    problems = []
    if count != their_count:
        problems.append(f"tracks {count} vs {their_count}")
    for number, (mine, other) in enumerate(zip(tracks, their_tracks), 1):
        for key in ("note_on", "last"):
            if mine[key] != other[key]:
                problems.append(f"track {number} {key} {mine[key]} vs {other[key]}")
    if tempos != their_tempos:
        problems.append(f"tempos {tempos} vs {their_tempos}")
    notes = sum(track["note_on"] for track in tracks)
    return problems, f"{count} tracks, {notes} note ons, {len(tempos)} tempo changes"


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    cli, files = sys.argv[1], sys.argv[2:] or openmsx_files()
    if not files:
        print("no MIDI files to compare (is openttd-openmsx installed?)")
        return 77
    failed = 0
    for path in files:
        problems, summary = compare(cli, path)
        print(("DIFF " if problems else "same ") + path + ": " + ("; ".join(problems) or summary))
        failed += bool(problems)
    print(f"{len(files) - failed} of {len(files)} files agree")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
