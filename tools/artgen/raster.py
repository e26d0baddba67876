"""Drawing in full colour with smooth edges, and the reduction of such a
drawing to the few colours of a palette bitmap.

A shape is a function that tells whether a point (in pixel units, the
pixel (x, y) covering x..x+1, y..y+1) lies inside it; `Image.fill` samples
each pixel of the shape's box on a grid and blends the colour by the share
of samples inside, which gives the soft edges of a small picture.
"""

import math


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(ca + (cb - ca) * t) for ca, cb in zip(a, b))


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    """The band of the given width inside the circle of radius r."""
    inner = r - width
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def segment(ax, ay, bx, by, width):
    """A stroke with round ends from (ax, ay) to (bx, by)."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1.0
    half2 = (width / 2.0) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half2

    return inside


def arc(cx, cy, r, width, start, end):
    """A stroke along the circle of radius r (its middle line), from angle
    `start` to `end` in degrees, counter-clockwise from three o'clock with y
    pointing down the picture, so 90 is straight up."""
    half = width / 2.0

    def inside(x, y):
        dx, dy = x - cx, cy - y
        if abs(math.hypot(dx, dy) - r) > half:
            return False
        angle = math.degrees(math.atan2(dy, dx)) % 360
        return (angle - start) % 360 <= (end - start) % 360

    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def outline_polygon(points, width):
    """The closed outline through the points, as (stroke, box) parts for
    `Image.fill_parts`, one stroke of the given width per side."""
    half = width / 2.0 + 1
    return [(segment(ax, ay, bx, by, width),
             (min(ax, bx) - half, min(ay, by) - half, max(ax, bx) + half, max(ay, by) + half))
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1])]


class Image:
    """A picture of (r, g, b) pixels."""

    def __init__(self, width, height, fill=(255, 255, 255)):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def blend(self, x, y, color, alpha):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            self.pixels[y][x] = mix(self.pixels[y][x], color, min(alpha, 1.0))

    def rect(self, x0, y0, x1, y1, color):
        """Fills the pixels x0..x1-1, y0..y1-1."""
        for y in range(max(y0, 0), min(y1, self.height)):
            self.pixels[y][max(x0, 0):min(x1, self.width)] = [color] * (
                min(x1, self.width) - max(x0, 0))

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        """Fills x0..x1-1, y0..y1-1 from `top` on the first row to `bottom`
        on the last."""
        rows = max(y1 - y0 - 1, 1)
        for y in range(y0, y1):
            self.rect(x0, y, x1, y + 1, mix(top, bottom, (y - y0) / rows))

    def fill(self, shape, box, color, alpha=1.0, samples=4):
        """Blends `color` over the pixels of box (x0, y0, x1, y1) by the
        share of each pixel that `shape` covers."""
        self.fill_parts([(shape, box)], color, alpha, samples)

    def fill_parts(self, parts, color, alpha=1.0, samples=4):
        """Like `fill` for the union of several (shape, box) parts, each
        sampled only within its own box, so that a long thin outline costs
        only the pixels along it."""
        grid = [((i + 0.5) / samples, (j + 0.5) / samples)
                for j in range(samples) for i in range(samples)]
        covered = {}
        for shape, (x0, y0, x1, y1) in parts:
            for y in range(max(int(y0), 0), min(int(math.ceil(y1)), self.height)):
                for x in range(max(int(x0), 0), min(int(math.ceil(x1)), self.width)):
                    hits = covered.setdefault((x, y), set())
                    hits.update(k for k, (ox, oy) in enumerate(grid)
                                if k not in hits and shape(x + ox, y + oy))
        for (x, y), hits in covered.items():
            self.blend(x, y, color, alpha * len(hits) / len(grid))

    def paste(self, canvas, left, top):
        """Copies a palette canvas (see artgen.Canvas), leaving its
        transparent pixels out."""
        for y, row in enumerate(canvas.pixels):
            for x, index in enumerate(row):
                if index is not None and 0 <= left + x < self.width and 0 <= top + y < self.height:
                    self.pixels[top + y][left + x] = canvas.palette[index]


def _median_cut(counts, limit):
    """At most `limit` colours standing for the weighted colours of
    `counts` ({colour: pixels}): boxes of colours are split at their median
    along their widest channel, the box with most pixels times spread first."""
    boxes = [list(counts)]

    def score(box):
        spread = max(max(c[i] for c in box) - min(c[i] for c in box) for i in range(3))
        return spread * sum(counts[c] for c in box) if len(box) > 1 else -1

    while len(boxes) < limit:
        box = max(boxes, key=score)
        if score(box) <= 0:
            break
        channel = max(range(3), key=lambda i: max(c[i] for c in box) - min(c[i] for c in box))
        box.sort(key=lambda c: c[channel])
        half = sum(counts[c] for c in box) / 2.0
        running = 0
        cut = 1
        for cut, colour in enumerate(box[:-1], start=1):
            running += counts[colour]
            if running >= half:
                break
        boxes.remove(box)
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        weight = sum(counts[c] for c in box)
        palette.append(tuple(round(sum(c[i] * counts[c] for c in box) / weight) for i in range(3)))
    return palette


def quantize(image, limit):
    """The image as (palette, rows of palette indices), with at most
    `limit` colours: its own colours when there are few enough, else the
    nearest of a median-cut palette."""
    counts = {}
    for row in image.pixels:
        for colour in row:
            counts[colour] = counts.get(colour, 0) + 1
    if len(counts) <= limit:
        palette = sorted(counts)
    else:
        palette = _median_cut(counts, limit)
    nearest = {}
    for colour in counts:
        nearest[colour] = min(range(len(palette)), key=lambda i: sum(
            (a - b) ** 2 for a, b in zip(colour, palette[i])))
    return palette, [[nearest[c] for c in row] for row in image.pixels]
