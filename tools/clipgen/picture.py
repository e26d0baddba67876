"""A small palette picture to draw the clips' frames on: flat shapes, a
5 x 7 capital-letter font and the mouse pointer, all in palette indices so
that each frame compresses to long runs."""

FONT = {
    "A": ".###.#...##...#######...##...##...#",
    "B": "####.#...##...#####.#...##...#####.",
    "C": ".###.#...##....#....#....#...#.###.",
    "D": "####.#...##...##...##...##...#####.",
    "E": "######....#....####.#....#....#####",
    "F": "######....#....####.#....#....#....",
    "G": ".###.#...##....#.####...##...#.####",
    "H": "#...##...##...#######...##...##...#",
    "I": ".###...#....#....#....#....#...###.",
    "J": "..###...#....#....#....#.#..#..##..",
    "K": "#...##..#.#.#..##...#.#..#..#.#...#",
    "L": "#....#....#....#....#....#....#####",
    "M": "#...###.###.#.##...##...##...##...#",
    "N": "#...###..##.#.##..###...##...##...#",
    "O": ".###.#...##...##...##...##...#.###.",
    "P": "####.#...##...#####.#....#....#....",
    "Q": ".###.#...##...##...##.#.##..#..##.#",
    "R": "####.#...##...#####.#.#..#..#.#...#",
    "S": ".#####....#.....###.....#....#####.",
    "T": "#####..#....#....#....#....#....#..",
    "U": "#...##...##...##...##...##...#.###.",
    "V": "#...##...##...##...##...#.#.#...#..",
    "W": "#...##...##...##.#.##.#.##.#.#.#.#.",
    "X": "#...##...#.#.#...#...#.#.#...##...#",
    "Y": "#...##...#.#.#...#....#....#....#..",
    "Z": "#####....#...#...#...#...#....#####",
    " ": "." * 35,
    ".": "." * 30 + "..#..",
}


class Picture:
    """A width x height picture of palette indices."""

    def __init__(self, width, height, fill=0):
        self.width = width
        self.height = height
        self.pixels = bytearray([fill]) * (width * height)

    def copy(self):
        other = Picture(self.width, self.height)
        other.pixels[:] = self.pixels
        return other

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = color

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def rect(self, x0, y0, x1, y1, color):
        """Fills x0..x1-1, y0..y1-1, clipped to the picture."""
        x0, x1 = max(int(x0), 0), min(int(x1), self.width)
        if x1 <= x0:
            return
        run = bytes([color]) * (x1 - x0)
        for y in range(max(int(y0), 0), min(int(y1), self.height)):
            self.pixels[y * self.width + x0:y * self.width + x1] = run

    def frame(self, x0, y0, x1, y1, color, width=1):
        """The outline of the rectangle x0..x1-1, y0..y1-1."""
        self.rect(x0, y0, x1, y0 + width, color)
        self.rect(x0, y1 - width, x1, y1, color)
        self.rect(x0, y0, x0 + width, y1, color)
        self.rect(x1 - width, y0, x1, y1, color)

    def disc(self, cx, cy, r, color):
        for y in range(int(cy - r), int(cy + r) + 1):
            for x in range(int(cx - r), int(cx + r) + 1):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, color)

    def polygon(self, points, color):
        """Fills a polygon, sampling each pixel at its centre."""
        ys = [p[1] for p in points]
        for y in range(max(int(min(ys)), 0), min(int(max(ys)) + 1, self.height)):
            cy = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= cy < by) or (by <= cy < ay):
                    xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for left, right in zip(xs[::2], xs[1::2]):
                self.rect(round(left), y, round(right), y + 1, color)

    def map_area(self, x0, y0, x1, y1, table):
        """Replaces every index i in the rectangle by table[i]."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                i = y * self.width + x
                self.pixels[i] = table[self.pixels[i]]

    def text(self, x, y, text, color, scale=1):
        """Capital letters of the 5 x 7 font, one blank column apart."""
        for n, char in enumerate(text.upper()):
            glyph = FONT[char]
            left = x + n * 6 * scale
            for row in range(7):
                for col in range(5):
                    if glyph[row * 5 + col] == "#":
                        self.rect(left + col * scale, y + row * scale, left + (col + 1) * scale,
                                  y + (row + 1) * scale, color)

    def centred_text(self, cx, y, text, color, scale=1):
        self.text(cx - text_width(text, scale) // 2, y, text, color, scale)


def text_width(text, scale=1):
    return (len(text) * 6 - 1) * scale


# The mouse pointer: an arrow 11 x 16 with its tip at the top left.
POINTER = [
    "#..........",
    "##.........",
    "#o#........",
    "#oo#.......",
    "#ooo#......",
    "#oooo#.....",
    "#ooooo#....",
    "#oooooo#...",
    "#ooooooo#..",
    "#oooooooo#.",
    "#ooooo#####",
    "#oo#oo#....",
    "#o#.#oo#...",
    "##..#oo#...",
    "....#oo#...",
    ".....##....",
]


def draw_pointer(picture, x, y, outline, fill):
    for row, line in enumerate(POINTER):
        for col, mark in enumerate(line):
            if mark != ".":
                picture.set(x + col, y + row, outline if mark == "#" else fill)
