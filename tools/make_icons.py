#!/usr/bin/env python3
"""Draws the application icon: a triad on a staff above a piano keyboard.

One list of shapes, on a 256-unit canvas, gives both res/icons/morvix.svg
and the PNG sizes (drawn by ImageMagick's convert at each size, so small
icons stay sharp instead of being shrunk from the large one).

    python3 tools/make_icons.py        # rewrites res/icons/
"""
import pathlib
import subprocess
import sys

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICONS = pathlib.Path(__file__).resolve().parent.parent / "res" / "icons"

BACKGROUND = "#2b4a7e"
PAPER = "#f4f1e8"
INK = "#1c1c1c"
GOLD = "#f2c14e"

KEYS_LEFT, KEYS_RIGHT, KEYS_TOP, KEYS_BOTTOM = 36, 220, 144, 220
WHITE_KEYS = 7
BLACK_AFTER = (0, 1, 3, 4, 5)  # a black key follows C, D, F, G and A
STAFF_TOP, STAFF_GAP = 36, 18
HEADS_X = 118


def shapes(size=256):
    """(kind, attributes) in drawing order; small sizes get a plainer drawing."""
    if size < 32:
        yield from small_shapes()
        return
    yield "roundrect", dict(x0=8, y0=8, x1=248, y1=248, r=40, fill=BACKGROUND)
    for line in range(5):
        y = STAFF_TOP + line * STAFF_GAP
        yield "line", dict(x0=28, y0=y, x1=228, y1=y, stroke=PAPER, width=5)
    # C major triad: the heads sit on the lowest three lines but one, a third apart.
    for line in (4, 3, 2):
        yield "head", dict(cx=HEADS_X, cy=STAFF_TOP + line * STAFF_GAP, rx=14, ry=10, fill=GOLD)
    yield "line", dict(x0=HEADS_X + 12, y0=STAFF_TOP + 4 * STAFF_GAP - 4, x1=HEADS_X + 12, y1=18,
                       stroke=GOLD, width=6)
    yield "rect", dict(x0=KEYS_LEFT, y0=KEYS_TOP, x1=KEYS_RIGHT, y1=KEYS_BOTTOM, fill=PAPER)
    key = (KEYS_RIGHT - KEYS_LEFT) / WHITE_KEYS
    for i in range(1, WHITE_KEYS):
        x = round(KEYS_LEFT + i * key, 1)
        yield "line", dict(x0=x, y0=KEYS_TOP, x1=x, y1=KEYS_BOTTOM, stroke=INK, width=3)
    for i in BLACK_AFTER:
        x = KEYS_LEFT + (i + 1) * key
        yield "rect", dict(x0=round(x - 9, 1), y0=KEYS_TOP, x1=round(x + 9, 1), y1=KEYS_TOP + 46, fill=INK)


def small_shapes():
    """Three lines, one note and five keys on the 16-pixel grid: 16 units a pixel,
    one-pixel strokes centred on a pixel's middle."""
    yield "roundrect", dict(x0=0, y0=0, x1=256, y1=256, r=48, fill=BACKGROUND)
    for y in (40, 72, 104):
        yield "line", dict(x0=16, y0=y, x1=240, y1=y, stroke=PAPER, width=16)
    yield "head", dict(cx=92, cy=100, rx=30, ry=22, fill=GOLD)
    yield "line", dict(x0=120, y0=100, x1=120, y1=16, stroke=GOLD, width=16)
    yield "rect", dict(x0=16, y0=144, x1=240, y1=240, fill=PAPER)
    for x in (56, 104, 152, 200):
        yield "line", dict(x0=x, y0=144, x1=x, y1=240, stroke=INK, width=16)
    for x in (48, 96, 192):
        yield "rect", dict(x0=x, y0=144, x1=x + 32, y1=192, fill=INK)


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for kind, a in shapes():
        if kind == "roundrect":
            parts.append(f'  <rect x="{a["x0"]}" y="{a["y0"]}" width="{a["x1"] - a["x0"]}" '
                         f'height="{a["y1"] - a["y0"]}" rx="{a["r"]}" fill="{a["fill"]}"/>')
        elif kind == "rect":
            parts.append(f'  <rect x="{a["x0"]}" y="{a["y0"]}" width="{round(a["x1"] - a["x0"], 1)}" '
                         f'height="{a["y1"] - a["y0"]}" fill="{a["fill"]}"/>')
        elif kind == "line":
            parts.append(f'  <line x1="{a["x0"]}" y1="{a["y0"]}" x2="{a["x1"]}" y2="{a["y1"]}" '
                         f'stroke="{a["stroke"]}" stroke-width="{a["width"]}"/>')
        elif kind == "head":
            parts.append(f'  <ellipse transform="translate({a["cx"]} {a["cy"]}) rotate(-20)" '
                         f'rx="{a["rx"]}" ry="{a["ry"]}" fill="{a["fill"]}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def mvg(size):
    """The same shapes as ImageMagick drawing primitives, scaled to size."""
    scale = size / 256
    # ImageMagick centres a pixel on whole coordinates, SVG on halves.
    parts = [f"translate -0.5,-0.5 scale {scale},{scale}"]
    for kind, a in shapes(size):
        if kind == "roundrect":
            parts.append(f'fill "{a["fill"]}" stroke none roundrectangle '
                         f'{a["x0"]},{a["y0"]} {a["x1"]},{a["y1"]} {a["r"]},{a["r"]}')
        elif kind == "rect":
            parts.append(f'fill "{a["fill"]}" stroke none rectangle {a["x0"]},{a["y0"]} {a["x1"]},{a["y1"]}')
        elif kind == "line":
            parts.append(f'fill none stroke "{a["stroke"]}" stroke-width {a["width"]} '
                         f'line {a["x0"]},{a["y0"]} {a["x1"]},{a["y1"]}')
        elif kind == "head":
            parts.append(f'push graphic-context translate {a["cx"]},{a["cy"]} rotate -20 '
                         f'fill "{a["fill"]}" stroke none ellipse 0,0 {a["rx"]},{a["ry"]} 0,360 '
                         f'pop graphic-context')
    return "\n".join(parts)


def main():
    ICONS.mkdir(parents=True, exist_ok=True)
    (ICONS / "morvix.svg").write_text(svg())
    convert = "/usr/bin/convert" if pathlib.Path("/usr/bin/convert").exists() else "convert"
    for size in SIZES:
        out = ICONS / f"morvix-{size}.png"
        subprocess.run([convert, "-size", f"{size}x{size}", "xc:none", "-draw", mvg(size),
                        "-strip", f"PNG32:{out}"], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
