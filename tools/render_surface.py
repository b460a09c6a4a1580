#!/usr/bin/env python3
"""Renders the drawing calls that `morvix-cli draw --surface` prints into a
PNG, to look at a graph view without a display:

    build/bin/morvix-cli draw Grand-Staff --surface --key D | \\
        python3 tools/render_surface.py out.png [CELL_WIDTH CELL_HEIGHT]

Texts are drawn cell by cell (8 x 12 pixels unless given; the sheet music
uses 8 x 6), box-drawing characters as lines through the cell, others in a
small monospaced font; images come from res/images and are multiplied onto
the picture as the program does. Needs ImageMagick's convert.
"""
import pathlib
import re
import subprocess
import sys

IMAGES = pathlib.Path(__file__).resolve().parent.parent / "res" / "images"
FONT = "DejaVu-Sans-Mono"

# Box-drawing characters: which arms reach from the cell's centre.
ARMS = {
    "─": "lr", "│": "ud", "┌": "rd", "┐": "ld", "└": "ru", "┘": "lu", "├": "udr", "┤": "udl",
    "┬": "lrd", "┴": "lru", "┼": "lrud",
}
SHADES = {"░": "#d0d0d0", "▒": "#a0a0a0", "▓": "#707070", "█": "#000000"}


def colour(value):
    value = int(value)
    return f"#{value & 255:02x}{value >> 8 & 255:02x}{value >> 16 & 255:02x}"


def cell_commands(x, y, ch, w, h, ink):
    cx, cy = x + w // 2, y + h // 2
    if ch in ARMS:
        ends = {"l": (x, cy), "r": (x + w, cy), "u": (cx, y), "d": (cx, y + h)}
        return [f"stroke '{ink}' line {cx},{cy} {ends[a][0]},{ends[a][1]}" for a in ARMS[ch]]
    if ch in SHADES:
        return [f"stroke none fill '{SHADES[ch]}' rectangle {x},{y} {x + w - 1},{y + h - 1}"]
    if ch == " ":
        return []
    text = ch.replace("\\", "\\\\").replace("'", "\\'")
    size = max(7, int(h * 0.9))
    return [f"stroke none fill '{ink}' font-size {size} text {x},{y + h - 1} '{text}'"]


def main():
    out = sys.argv[1]
    w, h = (int(v) for v in sys.argv[2:4]) if len(sys.argv) >= 4 else (8, 12)
    calls = sys.stdin.read().splitlines()
    width, height = 400, 300
    mvg, images = [f"font '{FONT}'"], []
    for call in calls:
        words = call.split()
        if not words:
            continue
        if words[0] == "size":
            width, height = int(words[1]) + 8, int(words[2]) + 8
        elif words[0] == "fill":
            continue
        elif words[0] == "image":
            images.append((int(words[1]), int(words[2]), words[3]))
        elif words[0] == "line":
            x1, y1, x2, y2 = words[1:5]
            ink = colour(words[5].split("=")[1])
            mvg.append(f"stroke '{ink}' line {x1},{y1} {x2},{y2}")
        elif words[0] == "text":
            m = re.match(r'text (-?\d+) (-?\d+) "(.*)" fore=(\d+) back=(\d+) (\w+)$', call)
            x, y, text, fore, back, mode = m.groups()
            x, y = int(x), int(y)
            if mode == "opaque":
                mvg.append(f"stroke none fill '{colour(back)}' rectangle {x},{y} {x + w * len(text) - 1},{y + h - 1}")
            for i, ch in enumerate(text):
                mvg += cell_commands(x + i * w, y, ch, w, h, colour(fore))
    args = ["convert", "-size", f"{width}x{height}", "xc:white"]
    for x, y, image in images:
        args += [str(IMAGES / f"{image}.png"), "-geometry", f"{x:+d}{y:+d}", "-compose", "multiply", "-composite"]
    args += ["-compose", "over", "-draw", "\n".join(mvg), out]
    subprocess.run(args, check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
