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

from realfiles import run_comparisons

try:
    import mido
except ImportError:
    print("python3-mido is not installed")
    sys.exit(77)


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
    # The measure track, listed after the file's tracks, is not the file's.
    tracks = tracks[:track_count]
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


if __name__ == "__main__":
    sys.exit(run_comparisons(compare, __doc__))
