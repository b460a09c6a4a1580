#!/usr/bin/env python3
"""Draws the instruments' images into res/images/, one PNG per resource id.

* Keyboard keys: white keys 29 x 152 and black keys 17 x 152 for the
  horizontal keyboard, and the same keys turned a quarter clockwise for the
  vertical one (152 x 29, 152 x 17).
* Staff images for a staff space of 12 pixels (the default half-height
  font): the three clefs, sharp, flat and natural, and the notes. Clefs,
  accidentals, note heads and flags are glyphs of the Musical Symbols block
  of the Symbola font (Debian's fonts-symbola); stems are drawn.

The images are black shapes on white: the program lays them over the text
staff by multiplying (a logical AND for black and white). Each staff image
is anchored where the program expects it (instruments/SheetImages.cpp):
a clef's line, an accidental's or a note head's centre at a fixed pixel.

    python3 tools/make_instrument_images.py    # rewrites res/images/

Needs ImageMagick's convert.
"""
import pathlib
import subprocess
import sys
import tempfile

IMAGES = pathlib.Path(__file__).resolve().parent.parent / "res" / "images"
FONT = "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"

# Symbola draws its staff (U+1D11A) with lines 12 pixels apart at this size;
# its clefs fit that staff.
STAFF_POINTS = 72.7
# Staff lines, from the top line, relative to the glyphs' baseline.
LINE_OFFSETS = (-46.6, -34.6, -22.4, -10.4, 1.7)
# Symbola's note heads are larger than its staff space: this size gives
# heads a space high and a little wider.
HEAD_POINTS = 57

INK = "#141414"

# Resource ids of the key images, by pitch class.
HORIZONTAL_KEYS = (142, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154)
VERTICAL_KEYS = (188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 187)
BLACK = (1, 3, 6, 8, 10)
KEY_LENGTH = 152
BLACK_KEY_LENGTH = 96


def convert(*args):
    subprocess.run(["convert", *map(str, args)], check=True)


def glyph_box(glyph, points):
    """Width, height and offset (from the drawing origin) of a glyph's ink."""
    origin = 400
    out = subprocess.run(
        ["convert", "-size", "800x800", "xc:white", "-font", FONT, "-pointsize", str(points),
         "-fill", "black", "-annotate", f"+{origin}+{origin}", glyph, "-format", "%@", "info:"],
        check=True, capture_output=True, text=True).stdout
    size, x, y = out.strip().split("+")
    w, h = (int(v) for v in size.split("x"))
    return w, h, int(x) - origin, int(y) - origin


def staff_glyph(path, size, glyph, points, left, baseline):
    """A glyph drawn with its ink's left edge at `left` and its baseline at `baseline`."""
    _, _, dx, _ = glyph_box(glyph, points)
    convert("-size", f"{size[0]}x{size[1]}", "xc:white", "-font", FONT, "-pointsize", points,
            "-fill", INK, "-annotate", f"+{left - dx}+{round(baseline)}", glyph, path)


def fitted_glyph(path, size, glyph, points, centre_y, centre_fraction):
    """A glyph drawn at `points` (with a thin outline, so that its hairlines
    stay ink at this size), the point `centre_fraction` down its ink at
    `centre_y`, centred across."""
    w, h = size
    gw, gh, dx, dy = glyph_box(glyph, points)
    left = (w - gw) / 2 - dx
    top = centre_y - centre_fraction * gh - dy
    convert("-size", f"{w}x{h}", "xc:white", "-font", FONT, "-pointsize", points, "-fill", INK,
            "-stroke", INK, "-strokewidth", "0.45", "-annotate", f"+{round(left)}+{round(top)}", glyph, path)


def clefs():
    # Treble: the G line (fourth from the top) at y 46.
    staff_glyph(IMAGES / "155.png", (30, 80), "\U0001D11E", STAFF_POINTS, 1, 46 - LINE_OFFSETS[3])
    # C clef: the middle line at y 29.
    staff_glyph(IMAGES / "157.png", (36, 58), "\U0001D121", STAFF_POINTS, 1, 29 - LINE_OFFSETS[2])
    # Bass: the F line (second from the top) at y 13.
    staff_glyph(IMAGES / "156.png", (36, 46), "\U0001D122", STAFF_POINTS, 1, 13 - LINE_OFFSETS[1])


def accidentals():
    fitted_glyph(IMAGES / "158.png", (8, 24), "\u266F", 24, 11, 0.5)
    fitted_glyph(IMAGES / "199.png", (8, 24), "\u266E", 24, 11, 0.5)
    # The flat's line is its bowl, three quarters down.
    fitted_glyph(IMAGES / "159.png", (8, 20), "\u266D", 22, 15, 0.74)


def note(path, size, head_glyph, head_x, head_y, stem=None, flag=False):
    """A note head centred at (head_x, head_y); stem 'up' (right of the
    head, to the top) or 'down' (left of it, to the bottom); an eighth's flag
    at the stem's end."""
    w, h = size
    head_points = HEAD_POINTS
    hw, hh, dx, dy = glyph_box(head_glyph, head_points)
    left = head_x - hw / 2
    top = head_y - hh / 2
    draw = ["-size", f"{w}x{h}", "xc:white", "-font", FONT, "-pointsize", head_points, "-fill", INK,
            "-annotate", f"+{round(left - dx)}+{round(top - dy)}", head_glyph]
    stroke = ["-stroke", INK, "-strokewidth", "1.2", "-fill", "none"]
    if stem == "up":
        x = head_x + hw / 2 - 0.8
        draw += stroke + ["-draw", f"line {x},{head_y - 1} {x},0"]
    elif stem == "down":
        x = head_x - hw / 2 + 0.8
        draw += stroke + ["-draw", f"line {x},{head_y + 1} {x},{h - 1}"]
    with tempfile.TemporaryDirectory() as tmp:
        body = pathlib.Path(tmp) / "body.png"
        convert(*draw, body)
        if not flag:
            convert(body, path)
            return
        raw = pathlib.Path(tmp) / "flag.png"
        convert("-size", "800x800", "xc:white", "-font", FONT, "-pointsize", 400, "-fill", INK,
                "-annotate", "+400+400", "\U0001D16E", "-trim", "+repage", "-resize", "x16", raw)
        if stem == "up":
            x = round(head_x + hw / 2 - 1.4)
            convert(body, raw, "-geometry", f"+{x}+0", "-compose", "multiply", "-composite", path)
        else:
            x = round(head_x - hw / 2 + 0.2)
            flipped = pathlib.Path(tmp) / "flipped.png"
            convert(raw, "-flip", flipped)
            convert(body, flipped, "-geometry", f"+{x}+{h - 16}", "-compose", "multiply", "-composite", path)


def notes():
    black, void, whole = "\U0001D158", "\U0001D157", "\U0001D15D"
    note(IMAGES / "161.png", (13, 30), black, 6, 24, "up")
    note(IMAGES / "162.png", (13, 32), black, 6, 8, "down")
    note(IMAGES / "200.png", (13, 30), void, 6, 24, "up")
    note(IMAGES / "201.png", (13, 32), void, 6, 8, "down")
    note(IMAGES / "202.png", (14, 30), whole, 7, 24)
    note(IMAGES / "203.png", (20, 30), black, 6, 24, "up", flag=True)
    note(IMAGES / "204.png", (20, 32), black, 11, 8, "down", flag=True)


def white_key(path):
    """Ivory, a shade darker towards the front, with a rounded front edge."""
    w, h = 29, KEY_LENGTH
    convert("-size", f"{w}x{h}", "gradient:#fbfaf6-#eeebe2",
            "-fill", "#d9d5ca", "-draw", f"rectangle 1,{h - 7} {w - 2},{h - 2}",
            "-fill", "#e9e5da", "-draw", f"rectangle 1,{h - 9} {w - 2},{h - 8}",
            "-fill", "none", "-stroke", "#3c3c3c", "-strokewidth", "1",
            "-draw", f"roundrectangle 0,-4 {w - 1},{h - 1} 3,3",
            "-stroke", "#8a8780", "-draw", f"line 1,0 {w - 2},0",
            path)


def black_key(path):
    """Ebony on the far part of the key, its front lit a little; the rest
    white, so that the white keys beneath show."""
    w, h, b = 17, KEY_LENGTH, BLACK_KEY_LENGTH
    convert("-size", f"{w}x{h}", "xc:white",
            "-fill", "#b9b6ae", "-draw", f"rectangle 1,{b} {w - 1},{b + 2}",
            "-fill", "#101010", "-draw", f"roundrectangle 0,-4 {w - 1},{b} 2,2",
            "-fill", "#2e2e2e", "-draw", f"rectangle 2,{b - 9} {w - 3},{b - 2}",
            "-fill", "#454545", "-draw", f"rectangle 2,{b - 3} {w - 3},{b - 2}",
            "-stroke", "#3a3a3a", "-strokewidth", "1", "-draw", f"line 2,1 2,{b - 11}",
            path)


def keys():
    for pitch, (horizontal, vertical) in enumerate(zip(HORIZONTAL_KEYS, VERTICAL_KEYS)):
        path = IMAGES / f"{horizontal}.png"
        (black_key if pitch in BLACK else white_key)(path)
        convert(path, "-rotate", "90", IMAGES / f"{vertical}.png")


def main():
    IMAGES.mkdir(parents=True, exist_ok=True)
    keys()
    clefs()
    accidentals()
    notes()
    for path in sorted(IMAGES.glob("*.png")):
        convert(path, "-strip", "-define", "png:exclude-chunks=date,time", path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
