#!/usr/bin/python3
"""Compares when morvix-cli plays each channel message of real MIDI files
with the times python3-mido computes from their tempo maps.

usage: compare_playback.py MORVIX_CLI [FILE ...]
Without files it takes every .mid of the openttd-openmsx package. Each file
is played with MORVIX_MIDI_OUT=record:PATH on the virtual clock; every
channel message must be sent, and each within a millisecond of mido's time
for it (messages alike are paired in order). The All Notes Off the player
sends on the channels it played once the file has ended are its own. Exit status 0 when all agree,
1 on a difference, 77 when mido or the files are missing.
"""
import collections
import os
import subprocess
import sys

from realfiles import run_comparisons
import tempfile

try:
    import mido
except ImportError:
    print("python3-mido is not installed")
    sys.exit(77)

TOLERANCE_MS = 1.0
ALL_NOTES_OFF = 0x7BB0  # controller 123, value 0, on the channel in the low four bits


def pack(data):
    """The 32-bit short message of a channel message's bytes."""
    value = 0
    for shift, byte in enumerate(data[:3]):
        value |= byte << (8 * shift)
    return value


def ours(cli, path):
    with tempfile.TemporaryDirectory() as folder:
        record = os.path.join(folder, "played.txt")
        env = dict(os.environ, MORVIX_MIDI_OUT="record:" + record)
        subprocess.run([cli, "play", path], env=env, capture_output=True, check=True)
        with open(record) as lines:
            sent = [(int(time), int(message, 16)) for time, message in (line.split() for line in lines)]
        while sent and (sent[-1][1] & 0xFFFFF0) == ALL_NOTES_OFF:
            sent.pop()
        played = collections.defaultdict(list)
        for time, value in sent:
            if (value & 0xFF) < 0xF0:
                played[value].append(time)
        return played


def theirs(path):
    expected = collections.defaultdict(list)
    seconds = 0.0
    for message in mido.MidiFile(path):
        seconds += message.time
        if not message.is_meta and message.type != "sysex":
            expected[pack(message.bytes())].append(seconds * 1000.0)
    return expected


def compare(cli, path):
    played, expected = ours(cli, path), theirs(path)
    problems, worst, count = [], 0.0, 0
    for message, times in expected.items():
        mine = played.get(message, [])
        if len(mine) != len(times):
            problems.append(f"{message:08X} sent {len(mine)} times, expected {len(times)}")
            continue
        for got, want in zip(mine, times):
            count += 1
            worst = max(worst, abs(got - want))
    extra = set(played) - set(expected)
    if extra:
        problems.append(f"{len(extra)} messages mido does not have, e.g. {min(extra):08X}")
    if worst > TOLERANCE_MS:
        problems.append(f"a message {worst:.2f} ms off")
    return problems, f"{count} channel messages, at most {worst:.2f} ms off"


if __name__ == "__main__":
    sys.exit(run_comparisons(compare, __doc__))
