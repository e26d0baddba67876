#!/usr/bin/env python3
"""Writes the sample how-to clips: short AVI files that show, step by step,
how a page is scanned.

Usage: clipgen.py [OUTPUT_DIR]     write the clips (default: sample/clips)
       clipgen.py --check [DIR]    exit 1 unless DIR holds exactly what this
                                   script writes and every frame decodes
                                   back to the picture it was drawn as

Every frame is drawn here from code, on a 320 x 240 palette picture, and
stored as an RLE8 key frame (avi.py); the preview clip carries the
scanner's motor hum as 8-bit PCM sound. The output depends on nothing but
this code, so --check can compare the committed files byte for byte.
"""

import math
import os
import sys

import avi
from picture import Picture, draw_pointer, text_width

WIDTH, HEIGHT, FPS = 320, 240, 10
SAMPLE_RATE = 11025
CAPTION_TOP = 210

# The palette: the named colours of the drawings, then their dimmed twins
# (the area outside a selection) and a grey ramp (the output types).
COLOURS = [
    ("desk", (58, 74, 92)), ("caption", (24, 32, 48)), ("white", (255, 255, 255)),
    ("black", (0, 0, 0)), ("body", (214, 214, 208)), ("body_edge", (150, 150, 146)),
    ("body_dark", (118, 118, 114)), ("glass", (36, 58, 66)), ("glass_edge", (20, 30, 36)),
    ("page", (250, 250, 244)), ("page_back", (226, 226, 218)), ("ink", (70, 70, 80)),
    ("mark", (255, 150, 40)), ("lid", (188, 188, 182)), ("light", (236, 255, 255)),
    ("glow", (120, 210, 220)), ("screen", (244, 244, 244)), ("title", (40, 90, 170)),
    ("frame", (64, 64, 68)), ("sky", (120, 180, 236)), ("sky_low", (176, 214, 244)),
    ("sun", (255, 214, 60)), ("hill", (70, 150, 70)), ("hill_far", (120, 180, 100)),
    ("roof", (190, 60, 50)), ("wall", (236, 220, 180)), ("tick", (40, 170, 60)),
    ("button", (228, 228, 228)), ("yellow", (255, 230, 120)),
]
INDEX = {name: n for n, (name, _) in enumerate(COLOURS)}
BASE = [rgb for _, rgb in COLOURS]
GREYS = [(v, v, v) for v in range(0, 256, 17)]
PALETTE = BASE + [tuple(c * 11 // 20 for c in rgb) for rgb in BASE] + GREYS
DIM_FIRST, GREY_FIRST = len(BASE), 2 * len(BASE)


def _luma(rgb):
    r, g, b = rgb
    return (299 * r + 587 * g + 114 * b) / 1000


DIM = bytes(DIM_FIRST + i if i < len(BASE) else i for i in range(len(PALETTE)))
GREY = bytes(GREY_FIRST + round(_luma(rgb) / 17) for rgb in PALETTE)
BLACK_WHITE = bytes(INDEX["white"] if _luma(rgb) >= 200 else INDEX["black"] for rgb in PALETTE)


def C(name):
    """The palette index of a named colour."""
    return INDEX[name]


def ease(t):
    """0 to 1 with a soft start and end."""
    t = min(max(t, 0.0), 1.0)
    return t * t * (3 - 2 * t)


def between(frame, first, last):
    """How far frame is from `first` (0) to `last` (1)."""
    return ease((frame - first) / float(last - first))


def new_frame(caption):
    picture = Picture(WIDTH, HEIGHT, C("desk"))
    picture.rect(0, CAPTION_TOP, WIDTH, HEIGHT, C("caption"))
    picture.centred_text(WIDTH // 2, CAPTION_TOP + 8, caption, C("white"), 2)
    return picture


# --- The things in the pictures ------------------------------------------------


def draw_photo(p, x0, y0, w, h):
    """A little landscape: sky, sun, two hills and a house."""
    p.rect(x0, y0, x0 + w, y0 + h * 2 // 3, C("sky"))
    p.rect(x0, y0 + h * 2 // 5, x0 + w, y0 + h * 2 // 3, C("sky_low"))
    p.disc(x0 + w * 0.75, y0 + h * 0.28, h * 0.14, C("sun"))
    p.polygon([(x0, y0 + h * 0.55), (x0 + w * 0.45, y0 + h * 0.38), (x0 + w, y0 + h * 0.6),
               (x0 + w, y0 + h), (x0, y0 + h)], C("hill_far"))
    p.polygon([(x0, y0 + h * 0.75), (x0 + w * 0.6, y0 + h * 0.58), (x0 + w, y0 + h * 0.8),
               (x0 + w, y0 + h), (x0, y0 + h)], C("hill"))
    hx, hy, hw = x0 + w * 0.22, y0 + h * 0.58, w * 0.2
    p.rect(hx, hy, hx + hw, hy + hw * 0.7, C("wall"))
    p.polygon([(hx - 2, hy), (hx + hw / 2, hy - hw * 0.45), (hx + hw + 2, hy)], C("roof"))
    p.rect(hx + hw * 0.4, hy + hw * 0.3, hx + hw * 0.6, hy + hw * 0.7, C("ink"))


def draw_page_face(p, x0, y0, w, h):
    """The page to scan: a photo over lines of text."""
    p.rect(x0, y0, x0 + w, y0 + h, C("page"))
    margin = max(w // 10, 2)
    draw_photo(p, x0 + margin, y0 + margin, w - 2 * margin, h * 2 // 5)
    line_top = y0 + margin + h * 2 // 5 + max(h // 20, 2)
    step = max(h // 14, 3)
    for n in range(6):
        y = line_top + n * step
        if y + step // 2 > y0 + h - margin:
            break
        length = (w - 2 * margin) * (0.55 if n % 3 == 2 else 1.0)
        p.rect(x0 + margin, y, x0 + margin + length, y + max(step // 3, 1), C("ink"))


def draw_page_back(p, x0, y0, w, h):
    p.rect(x0, y0, x0 + w, y0 + h, C("page_back"))
    p.frame(x0, y0, x0 + w, y0 + h, C("body_edge"))


def draw_scanner(p, x0, y0, x1, y1):
    """The scanner seen from above with its lid off: body, glass and the
    corner mark where the page goes. Returns the glass rectangle."""
    p.rect(x0 + 4, y0 + 4, x1 + 4, y1 + 4, C("caption"))
    p.rect(x0, y0, x1, y1, C("body"))
    p.frame(x0, y0, x1, y1, C("body_edge"), 2)
    glass = (x0 + 14, y0 + 16, x1 - 14, y1 - 14)
    p.rect(*glass, C("glass"))
    p.frame(*glass, C("glass_edge"), 2)
    p.rect(x1 - 30, y1 - 9, x1 - 16, y1 - 5, C("tick"))
    return glass


def draw_corner_mark(p, gx, gy, color):
    p.polygon([(gx - 12, gy - 12), (gx, gy - 3), (gx - 3, gy)], color)


def draw_window(p, x0, y0, x1, y1, title):
    """A program window: frame, blue title bar with its name, white inside.
    Returns the inside rectangle."""
    p.rect(x0 + 4, y0 + 4, x1 + 4, y1 + 4, C("caption"))
    p.rect(x0, y0, x1, y1, C("frame"))
    p.rect(x0 + 2, y0 + 2, x1 - 2, y0 + 14, C("title"))
    p.text(x0 + 6, y0 + 5, title, C("white"))
    inside = (x0 + 2, y0 + 14, x1 - 2, y1 - 2)
    p.rect(*inside, C("screen"))
    return inside


# --- The clips -------------------------------------------------------------------------


def clip_place(frame):
    """The page comes in face up, turns over and slides face down into the
    corner by the mark; then the lid closes over it."""
    p = new_frame("Place the page face down")
    gx0, gy0, gx1, gy1 = draw_scanner(p, 50, 12, 270, 200)
    pw, ph = 100, 140
    mark_on = frame < 30 or frame % 6 < 3
    draw_corner_mark(p, gx0, gy0, C("mark") if mark_on else C("body"))
    # Coming in, turning (its width shrinks to nothing and grows again with
    # the back up), then sliding into the corner.
    if frame < 12:
        x = 330 - 140 * between(frame, 0, 11)
        y = 44
        draw_page_face(p, x, y, pw, ph)
    elif frame < 24:
        t = (frame - 12) / 11.0
        width = round(pw * abs(math.cos(t * math.pi)))
        centre = 190 + pw / 2
        (draw_page_face if t < 0.5 else draw_page_back)(p, centre - width / 2, 44, width, ph)
    else:
        t = between(frame, 24, 34)
        x = 190 + (gx0 - 190) * t
        y = 44 + (gy0 - 44) * t
        draw_page_back(p, x, y, pw, ph)
    if frame >= 36:
        # The lid swings down: it covers the body from the hinge at the top.
        reach = round((200 - 12) * between(frame, 36, 44))
        p.rect(50, 12, 270, 12 + reach, C("lid"))
        p.frame(50, 12, 270, 12 + reach, C("body_dark"), 2)
    if frame >= 46:
        p.disc(160, 106, 18, C("tick"))
        p.polygon([(150, 106), (157, 113), (171, 97), (168, 94), (157, 107), (153, 103)],
                  C("white"))
    return p


PREVIEW_FRAMES = 50
SCAN_FIRST, SCAN_LAST = 6, 42


def scan_progress(frame):
    return min(max((frame - SCAN_FIRST) / float(SCAN_LAST - SCAN_FIRST), 0.0), 1.0)


def clip_preview(frame):
    """The light bar runs down the glass under the page while the preview
    on the screen builds up line by line."""
    p = new_frame("Preview scan")
    gx0, gy0, gx1, gy1 = draw_scanner(p, 10, 20, 150, 200)
    draw_page_back(p, gx0 + 2, gy0 + 2, 96, 130)
    done = scan_progress(frame)
    if 0 < done < 1:
        y = round(gy0 + 2 + (gy1 - gy0 - 6) * done)
        p.rect(gx0 + 2, y - 3, gx1 - 2, y + 4, C("glow"))
        p.rect(gx0 + 2, y - 1, gx1 - 2, y + 2, C("light"))
    x0, y0, x1, y1 = draw_window(p, 166, 24, 312, 196, "Preview")
    shot = Picture(x1 - x0 - 16, y1 - y0 - 14, C("screen"))
    draw_page_face(shot, 0, 0, shot.width, shot.height)
    rows = round(shot.height * done)
    for y in range(rows):
        start = y * shot.width
        p.pixels[(y0 + 7 + y) * WIDTH + x0 + 8:(y0 + 7 + y) * WIDTH + x1 - 8] = \
            shot.pixels[start:start + shot.width]
    if done >= 1 and frame % 4 < 2:
        p.text(x0 + 8, y1 - 10, "DONE", C("tick"))
    return p


def clip_select(frame):
    """The pointer drags a frame around the photo of the preview; then
    everything outside it dims."""
    p = new_frame("Select the area")
    x0, y0, x1, y1 = draw_window(p, 30, 10, 290, 202, "Preview")
    px0, py0 = x0 + 60, y0 + 6
    draw_page_face(p, px0, py0, x1 - x0 - 120, y1 - y0 - 12)
    # The corners of the photo on the page: where the drag starts and ends.
    margin = (x1 - x0 - 120) // 10
    ax, ay = px0 + margin - 3, py0 + margin - 3
    bx, by = px0 + (x1 - x0 - 120) - margin + 3, py0 + margin + (y1 - y0 - 12) * 2 // 5 + 3
    if frame < 10:
        t = between(frame, 0, 9)
        pointer = (round(250 + (ax - 250) * t), round(180 + (ay - 180) * t))
    elif frame < 28:
        t = between(frame, 10, 27)
        pointer = (round(ax + (bx - ax) * t), round(ay + (by - ay) * t))
    else:
        pointer = (bx, by)
    if frame >= 10:
        sx, sy = pointer
        if frame >= 30:
            for area in ((x0, y0, x1, ay), (x0, by + 1, x1, y1), (x0, ay, ax, by + 1),
                         (bx + 1, ay, x1, by + 1)):
                p.map_area(*area, DIM)
        # The frame's dashes march along it, one step a frame.
        for x in range(ax, sx + 1):
            dash = C("black") if (x + frame) // 3 % 2 else C("white")
            p.set(x, ay, dash)
            p.set(x, sy, dash)
        for y in range(ay, sy + 1):
            dash = C("black") if (y + frame) // 3 % 2 else C("white")
            p.set(ax, y, dash)
            p.set(sx, y, dash)
    draw_pointer(p, *pointer, C("black"), C("white"))
    return p


OUTPUT_TYPES = ["Colour photo", "Grey photo", "Black and white"]
# From which frame each type is chosen.
OUTPUT_CHOICES = [(0, 0), (16, 1), (32, 2)]


def clip_output(frame):
    """Three output types to choose from; the pointer picks one after the
    other, and the sample beside them shows what each makes of the photo."""
    p = new_frame("Choose the output type")
    x0, y0, x1, y1 = draw_window(p, 10, 14, 310, 200, "Output type")
    chosen = max(kind for first, kind in OUTPUT_CHOICES if frame >= first)
    rows = []
    for kind, name in enumerate(OUTPUT_TYPES):
        top = y0 + 30 + kind * 36
        rows.append(top)
        if kind == chosen:
            p.rect(x0 + 6, top - 6, x0 + 24 + text_width(name) + 16, top + 14, C("yellow"))
        p.disc(x0 + 16, top + 4, 6, C("ink"))
        p.disc(x0 + 16, top + 4, 4.5, C("white"))
        if kind == chosen:
            p.disc(x0 + 16, top + 4, 2.5, C("tick"))
        p.text(x0 + 28, top + 1, name, C("ink"))
    sx0, sy0, sx1, sy1 = x0 + 150, y0 + 18, x1 - 14, y1 - 22
    p.frame(sx0 - 2, sy0 - 2, sx1 + 2, sy1 + 2, C("frame"), 2)
    draw_photo(p, sx0, sy0, sx1 - sx0, sy1 - sy0)
    if chosen:
        p.map_area(sx0, sy0, sx1, sy1, GREY if chosen == 1 else BLACK_WHITE)
    # The pointer glides from one type to the next in the ten frames before
    # the next is chosen.
    y = rows[0]
    for first, kind in OUTPUT_CHOICES[1:]:
        if frame >= first - 10:
            y = rows[kind - 1] + (rows[kind] - rows[kind - 1]) * between(frame, first - 10, first)
    y += 4
    draw_pointer(p, x0 + 18, round(y), C("black"), C("white"))
    return p


def motor_hum(seconds):
    """The scanner's motor: a low buzz that swells while the light bar
    travels, 8-bit unsigned samples."""
    samples = bytearray()
    start, end = SCAN_FIRST / FPS, SCAN_LAST / FPS
    for n in range(round(seconds * SAMPLE_RATE)):
        t = n / SAMPLE_RATE
        level = 0.12 + 0.55 * min(1.0, max(0.0, (t - start) / 0.3), max(0.0, (end - t) / 0.3))
        level *= min(1.0, t / 0.05, max(seconds - t, 0.0) / 0.05)
        wave = (math.sin(2 * math.pi * 98 * t) + 0.45 * math.sin(2 * math.pi * 196 * t) +
                0.25 * math.sin(2 * math.pi * 294 * t + 1.0) +
                0.15 * math.sin(2 * math.pi * 1470 * t) * math.sin(2 * math.pi * 7 * t))
        samples.append(128 + round(70 * level * wave / 1.85))
    return bytes(samples)


# File name, frames, drawing, whether it carries the motor's sound.
CLIPS = [
    ("place.avi", 50, clip_place, False),
    ("preview.avi", PREVIEW_FRAMES, clip_preview, True),
    ("select.avi", 45, clip_select, False),
    ("output.avi", 45, clip_output, False),
]


def clip_pictures(frames, draw):
    return [bytes(draw(n).pixels) for n in range(frames)]


def clip_bytes(pictures, sound):
    samples = motor_hum(len(pictures) / FPS) if sound else None
    return avi.write_avi(WIDTH, HEIGHT, FPS, PALETTE, pictures, samples, SAMPLE_RATE)


def frames_survive_encoding(pictures):
    """Whether every frame decodes back to the picture it was drawn as."""
    return all(avi.decode_rle8(WIDTH, HEIGHT, avi.encode_rle8(WIDTH, HEIGHT, p)) == p
               for p in pictures)


def default_dir():
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "sample", "clips")


def main(argv):
    check = "--check" in argv
    args = [a for a in argv[1:] if a != "--check"]
    if len(args) > 1:
        sys.stderr.write(__doc__)
        return 2
    out_dir = os.path.abspath(args[0] if args else default_dir())
    os.makedirs(out_dir, exist_ok=True)
    stale = []
    for name, frames, draw, sound in CLIPS:
        pictures = clip_pictures(frames, draw)
        data = clip_bytes(pictures, sound)
        path = os.path.join(out_dir, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same or not frames_survive_encoding(pictures):
                stale.append(name)
            continue
        with open(path, "wb") as f:
            f.write(data)
        print("%s: %d frames, %.1f s, %d bytes%s" % (name, frames, frames / FPS, len(data),
                                                     ", with sound" if sound else ""))
    if stale:
        print("clipgen: not what clipgen.py writes: %s" % ", ".join(stale))
        return 1
    if check:
        print("clipgen: the clips in %s are up to date" % out_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
