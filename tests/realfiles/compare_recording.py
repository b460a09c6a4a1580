#!/usr/bin/python3
"""Saves a keyboard-window recording with morvix-cli and reads the file back
with python3-mido.

usage: compare_recording.py MORVIX_CLI
A script plays keys on the recorder with waits between them and saves the
recording. mido must find a format 0 file with one track, the tempo and the
piano program at time 0, and every note at the millisecond the recorder
sounded it (as "print midi" lists what was sent). Exit status 0 when they
agree, 1 on a difference, 77 when mido is missing.
"""
import os
import subprocess
import sys
import tempfile

try:
    import mido
except ImportError:
    print("python3-mido is not installed")
    sys.exit(77)

# Key codes of the recorder: Z, X, comma, Q and the waits between them, with
# gaps across the one- and two-byte limits of a delta.
STEPS = ["key down 90", "wait 127", "key down 88", "wait 128", "key up 90", "wait 16383",
         "key down 188", "wait 16384", "key up 88", "key up 188", "wait 3", "key down 81",
         "wait 2097152", "key up 81"]


def record(cli, folder):
    script = os.path.join(folder, "record.txt")
    with open(script, "w") as out:
        out.write("\n".join(["start", "cmd 205", "cmd 206", *STEPS, "cmd 180", 'save "recorded.mid"',
                             "print midi", ""]))
    result = subprocess.run([cli, "run", script], capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"morvix-cli run failed: {result.stderr}")
    return os.path.join(folder, "recorded.mid"), result.stdout


def sounded(print_midi):
    """(ms, type, note, velocity) of every note message sent, from the first note on."""
    notes = []
    for line in print_midi.splitlines():
        ms, message = line.split()
        value = int(message, 16)
        status = value & 0xF0
        if status in (0x80, 0x90):
            notes.append((int(ms), "note_on" if status == 0x90 else "note_off", value >> 8 & 0x7F,
                          value >> 16 & 0x7F))
    start = notes[0][0]
    return [(ms - start, *rest) for ms, *rest in notes]


def read_back(path):
    midi = mido.MidiFile(path)
    problems = []
    if midi.type != 0 or len(midi.tracks) != 1:
        problems.append(f"type {midi.type} with {len(midi.tracks)} tracks")
    tempo, seconds, notes, opening = None, 0.0, [], []
    for message in midi.tracks[0]:
        if tempo is not None:
            seconds += mido.tick2second(message.time, midi.ticks_per_beat, tempo)
        if message.type == "set_tempo":
            tempo = message.tempo
            opening.append(("set_tempo", message.time))
        elif message.type == "program_change":
            opening.append(("program_change", message.time, message.channel, message.program))
        elif message.type in ("note_on", "note_off"):
            notes.append((round(seconds * 1000), message.type, message.note, message.velocity))
    if opening != [("set_tempo", 0), ("program_change", 0, 0, 0)]:
        problems.append(f"opening {opening}")
    return notes, problems


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    with tempfile.TemporaryDirectory() as folder:
        path, print_midi = record(sys.argv[1], folder)
        expected = sounded(print_midi)
        notes, problems = read_back(path)
    if notes != expected:
        problems.append(f"notes {notes} vs sounded {expected}")
    print("; ".join(problems) or f"mido reads the {len(notes)} notes at the milliseconds they sounded")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
