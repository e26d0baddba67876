#!/usr/bin/env python3
"""Writes the program's artwork into a folder of the build tree.

Usage: artgen.py OUTPUT_DIR

Every picture is drawn here, from code, on a small palette canvas. The
script writes one file per picture plus `art.rc`, a resource script that
names each file under the resource name the program loads it by; the
program's resource script includes it.

To add a picture: write one function that returns a Canvas (or, for an
icon, a list of Canvases of the sizes the icon holds) and list it in
ARTWORK with its resource name and kind. Pictures drawn in full colour
(coach_art.py) are reduced to a palette Canvas by `palette_canvas`.
Pictures that the program reads as files beside itself rather than as
resources are listed in LOOSE_FILES; they are written to the same folder
but left out of `art.rc`.
"""

import functools
import os
import struct
import sys

import coach_art
import raster
import video_art

# The 16 colours of the standard Windows palette, in their usual order.
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


class Canvas:
    """A picture of palette indices; None marks a transparent pixel."""

    def __init__(self, width, height, palette=VGA16, fill=None):
        self.width = width
        self.height = height
        self.palette = palette
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, color):
        """Fills the pixels x0..x1-1, y0..y1-1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, color)

    def polygon(self, points, color, scale=1.0):
        """Fills a polygon given in design units times `scale`, sampling
        each pixel at its centre (even-odd rule)."""
        pts = [(px * scale, py * scale) for px, py in points]
        for y in range(self.height):
            cy = y + 0.5
            crossings = []
            for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
                if (ay <= cy < by) or (by <= cy < ay):
                    crossings.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for left, right in zip(crossings[::2], crossings[1::2]):
                for x in range(self.width):
                    if left <= x + 0.5 < right:
                        self.pixels[y][x] = color

    def region(self, pixels, color, outline=BLACK):
        """Fills a set of (x, y) pixels and, unless `outline` is None, draws
        a one-pixel border over those of them that touch the outside."""
        for x, y in pixels:
            self.set(x, y, color)
        if outline is None:
            return
        for x, y in pixels:
            if any(n not in pixels for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                self.set(x, y, outline)

    def line(self, x0, y0, x1, y1, color):
        """A one-pixel line between two pixel centres (Bresenham)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, color)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy


def palette_canvas(image, colors, window_colors=()):
    """A full-colour raster.Image as a Canvas of at most `colors` palette
    entries. A 256-colour picture that serves as a window's palette gets
    its palette filled up with `window_colors` and then a colour cube, so
    that the rest of the window keeps its colours on a 256-colour display."""
    palette, rows = raster.quantize(image, colors)
    if colors > 16:
        fill = list(window_colors) + [(r, g, b) for r in range(0, 256, 51)
                                      for g in range(0, 256, 51) for b in range(0, 256, 51)]
        for color in fill:
            if len(palette) == colors:
                break
            if color not in palette:
                palette.append(color)
        palette += [(0, 0, 0)] * (colors - len(palette))
    canvas = Canvas(image.width, image.height, palette)
    canvas.pixels = rows
    return canvas


def _bits_per_pixel(palette):
    return 4 if len(palette) <= 16 else 8


def _dib(canvas, icon):
    """BITMAPINFOHEADER, palette and bottom-up rows of a canvas; for an
    icon also the AND mask, with the header's height doubled."""
    bpp = _bits_per_pixel(canvas.palette)
    colors = 1 << bpp
    stride = ((canvas.width * bpp + 31) // 32) * 4
    rows = []
    for row in reversed(canvas.pixels):
        indices = [0 if c is None else c for c in row]
        if bpp == 4:
            indices += [0] * (len(indices) % 2)
            data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        else:
            data = bytes(indices)
        rows.append(data.ljust(stride, b"\0"))
    pixels = b"".join(rows)
    mask = b""
    if icon:
        mask_stride = ((canvas.width + 31) // 32) * 4
        for row in reversed(canvas.pixels):
            data = bytearray(mask_stride)
            for x, c in enumerate(row):
                if c is None:
                    data[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(data)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in canvas.palette)
    palette = palette.ljust(colors * 4, b"\0")
    height = canvas.height * (2 if icon else 1)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, height, 1, bpp, 0,
                         len(pixels) + len(mask), 0, 0, colors, 0)
    return header + palette + pixels + mask


def bmp_bytes(canvas):
    """A Windows .bmp file; transparent pixels take palette colour 0."""
    dib = _dib(canvas, icon=False)
    offset = 14 + 40 + (1 << _bits_per_pixel(canvas.palette)) * 4
    return struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset) + dib


def ico_bytes(canvases):
    """A Windows .ico file holding one image per canvas."""
    images = [_dib(c, icon=True) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(canvases))
    offset = 6 + 16 * len(canvases)
    for canvas, image in zip(canvases, images):
        bpp = _bits_per_pixel(canvas.palette)
        count = 0 if bpp >= 8 else 1 << bpp
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, count, 0, 1,
                           bpp, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def draw_scanner(size):
    """A flatbed scanner with its lid open, seen from the front and a little
    above, drawn in a 32-unit design square at `size` pixels."""
    canvas = Canvas(size, size)
    s = size / 32.0
    # The lid, raised behind the body, and its white underside.
    canvas.polygon([(7, 3), (29, 3), (26, 15), (4, 15)], BLACK, s)
    canvas.polygon([(8, 4), (28, 4), (25.4, 14), (5.3, 14)], GREY, s)
    canvas.polygon([(9.5, 6), (26.5, 6), (24.6, 13), (6.8, 13)], WHITE, s)
    # The top of the body with its glass and the scanning light.
    canvas.polygon([(4, 15), (26, 15), (30, 21), (1, 21)], BLACK, s)
    canvas.polygon([(5, 16), (25.5, 16), (28.4, 20), (2.6, 20)], SILVER, s)
    canvas.polygon([(7, 16.6), (24.2, 16.6), (26.2, 19.4), (5, 19.4)], AQUA, s)
    canvas.polygon([(14, 16.6), (16, 16.6), (16.6, 19.4), (14.4, 19.4)], LIME, s)
    # The front of the body, its shadow line and the power light.
    canvas.polygon([(1, 21), (30, 21), (30, 28), (1, 28)], BLACK, s)
    canvas.polygon([(2, 22), (29, 22), (29, 27), (2, 27)], SILVER, s)
    canvas.polygon([(2, 25.5), (29, 25.5), (29, 27), (2, 27)], GREY, s)
    canvas.polygon([(24, 23), (26.5, 23), (26.5, 24.6), (24, 24.6)], GREEN if size < 32 else LIME, s)
    return canvas


def app_icon():
    return [draw_scanner(32), draw_scanner(16)]


# Colours that the coach window draws besides its panel picture: the button
# bar, the buttons, the step numbers and names, text and the topic pane.
COACH_WINDOW_COLORS = [
    coach_art.BAR_GOLD, (192, 192, 192), coach_art.STEP_ORANGE, (0, 128, 0), (128, 128, 128),
    (0, 0, 0), (255, 255, 255), coach_art.BUTTON_FACE, (160, 160, 160), (105, 105, 105),
    (227, 227, 227), (0, 0, 128), (0, 120, 215)]


def coach_panel():
    return palette_canvas(coach_art.coach_panel(), 256, COACH_WINDOW_COLORS)


def about_picture():
    return palette_canvas(coach_art.picture_tile(draw_scanner(28)), 256)


def small_picture(draw, *args):
    return palette_canvas(draw(*args), 16)


def topic_background(watermark):
    return palette_canvas(coach_art.topic_background(watermark), 256)


# Colours that the video window draws besides its background: the bar, the
# buttons, the clip list's grey and green, the outline of the clip's surface.
VIDEO_WINDOW_COLORS = [
    coach_art.BAR_GOLD, (192, 192, 192), (0, 128, 0), (128, 128, 128), (0, 0, 0),
    (255, 255, 255), (160, 160, 160), (105, 105, 105), (227, 227, 227), (240, 240, 240)]


def video_background():
    return palette_canvas(video_art.background(), 256, VIDEO_WINDOW_COLORS)


def video_button(draw, enabled):
    return palette_canvas(draw(enabled), 256)


# The scanned picture that builds up on the glass, one colour per glass row.
SCAN_STRIPES = [RED, YELLOW, LIME, AQUA, BLUE, FUCHSIA]
SCAN_FRAMES = 8


def scan_frame(frame):
    """One 32-pixel frame of the scan progress animation: the scanner of the
    icon with its lid open, whose glass holds `frame` of seven bands of the
    scanned picture, with the light bar at their leading edge. Frame 0 shows
    empty glass and the last frame a full one."""
    canvas = Canvas(32, 32, fill=SILVER)
    hinge, edge, base = 13, 22, 28  # rows of the back edge, front edge and bottom

    def left(y):
        return 1 + (edge - y) // 2

    def right(y):
        return 30 - (edge - y) // 2

    # The lid leans back from the hinge and shows its white pad in a grey rim.
    lid = {(x + (hinge - y) // 3, y)
           for y in range(2, hinge + 1) for x in range(left(hinge), right(hinge) + 1)}
    canvas.region(lid, GREY)
    pad = {(x, y) for x, y in lid
           if 4 <= y < hinge - 1 and (x - 2, y) in lid and (x + 2, y) in lid}
    canvas.region(pad, WHITE, None)
    # The body: the top seen from above in perspective, then the front, lit
    # from the upper left.
    top = {(x, y) for y in range(hinge, edge + 1) for x in range(left(y), right(y) + 1)}
    front = {(x, y) for y in range(edge, base + 1) for x in range(1, 31)}
    canvas.region(top | front, SILVER)
    canvas.rect(1, edge, 31, edge + 1, BLACK)
    canvas.rect(2, edge + 1, 30, edge + 2, WHITE)
    canvas.rect(2, base - 1, 30, base, GREY)
    canvas.rect(25, edge + 2, 28, edge + 4, LIME)
    # The glass, filled up to the band of this frame; the band edges run
    # straight across it so each frame adds one clean band.
    first_row = hinge + 2
    bands = SCAN_FRAMES - 1
    glass_left = left(first_row) + 2
    glass_width = right(first_row) - 2 - glass_left + 1
    scan_x = glass_left + round(frame * glass_width / bands)
    for row, stripe in enumerate(SCAN_STRIPES):
        y = first_row + row
        for x in range(left(y) + 2, right(y) - 1):
            scanned = frame == bands or (frame > 0 and x < scan_x)
            canvas.set(x, y, stripe if scanned else TEAL)
    if 0 < frame < bands:
        canvas.rect(scan_x, first_row - 1, scan_x + 1, first_row + len(SCAN_STRIPES) + 1, WHITE)
    return canvas


# Resource name, resource kind, file name, builder.
ARTWORK = [
    ("APPICON", "ICON", "vantor.ico", app_icon),
    ("coach_panel", "BITMAP", "coach_panel.bmp", coach_panel),
    ("help_button", "BITMAP", "help_button.bmp",
     functools.partial(small_picture, coach_art.help_button)),
    ("ico_chk_off", "BITMAP", "chk_off.bmp",
     functools.partial(small_picture, coach_art.check_box, False)),
    ("ico_chk_on", "BITMAP", "chk_on.bmp",
     functools.partial(small_picture, coach_art.check_box, True)),
    ("ico_opt_off", "BITMAP", "opt_off.bmp",
     functools.partial(small_picture, coach_art.option_button, False)),
    ("ico_opt_on", "BITMAP", "opt_on.bmp",
     functools.partial(small_picture, coach_art.option_button, True)),
    ("about_picture", "BITMAP", "about_picture.bmp", about_picture),
    ("video_background", "BITMAP", "video_background.bmp", video_background),
    ("video_bar", "BITMAP", "video_bar.bmp",
     functools.partial(small_picture, video_art.button_bar)),
] + [("video_%s%s" % (name, "" if enabled else "_grey"), "BITMAP",
      "video_%s%s.bmp" % (name, "" if enabled else "_grey"),
      functools.partial(video_button, draw, enabled))
     for name, draw in (("play", video_art.play_picture), ("pause", video_art.pause_picture),
                        ("stop", video_art.stop_picture))
     for enabled in (True, False)
] + [("ico_scan%d" % n, "BITMAP", "scan%d.bmp" % n, functools.partial(scan_frame, n))
     for n in range(SCAN_FRAMES)]

# File name and builder of the pictures the program finds beside itself:
# the topic pane's backgrounds, full height and shortened above option rows.
LOOSE_FILES = [
    ("mvback37.bmp", functools.partial(topic_background, True)),
    ("mvbackWH.bmp", functools.partial(topic_background, False)),
]


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    out_dir = os.path.abspath(argv[1])
    os.makedirs(out_dir, exist_ok=True)
    lines = ["// Written by tools/artgen/artgen.py; do not edit."]
    for name, kind, file_name, build in ARTWORK:
        picture = build()
        data = ico_bytes(picture) if kind == "ICON" else bmp_bytes(picture)
        path = os.path.join(out_dir, file_name)
        with open(path, "wb") as f:
            f.write(data)
        # Resource names are stored upper-case, as Windows looks them up.
        lines.append('%s %s "%s"' % (name.upper(), kind, path.replace("\\", "/")))
    for file_name, build in LOOSE_FILES:
        with open(os.path.join(out_dir, file_name), "wb") as f:
            f.write(bmp_bytes(build()))
    with open(os.path.join(out_dir, "art.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
