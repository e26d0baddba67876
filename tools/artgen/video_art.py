"""The pictures of the video window, in full colour; artgen.py reduces each
to its palette.

The background sits under the clip list (grey and green text at the left),
the instruction lines in the middle and the clip itself, drawn right of the
list with a black outline: it stays pale and quiet there and keeps its
decoration to the lower right corner. It is drawn at 500 x 360 and the
window stretches it to 630 x 355, so its shapes are soft and wide rather
than fine. The Play, Pause and Stop pictures sit on the light grey face of
the window's graphical buttons.
"""

import raster
from coach_art import BAR_GOLD, sketch_scanner
from raster import mix

BACKGROUND_WIDTH, BACKGROUND_HEIGHT = 500, 360
BAR_WIDTH, BAR_HEIGHT = 630, 44
BUTTON_SIZE = 26

BUTTON_FACE = (192, 192, 192)
GREY_SHAPE = (128, 128, 128)
EMBOSS = (255, 255, 255)
PLAY_GREEN = (0, 150, 60)
PAUSE_BLUE = (30, 80, 170)
STOP_RED = (190, 40, 40)
OUTLINE = (40, 40, 40)
PAPER_TOP = (252, 253, 255)
PAPER_BOTTOM = (234, 241, 250)
SKETCH = (208, 218, 232)


def background():
    """The panel under the clip list and the clip: one cool pale field, and
    faint line art of a scanner in the lower right corner. The list's width
    follows its texts (10 to 220 pixels), so the picture marks no column of
    its own that the list and the instruction could disagree with."""
    image = raster.Image(BACKGROUND_WIDTH, BACKGROUND_HEIGHT)
    image.vertical_gradient(0, 0, BACKGROUND_WIDTH, BACKGROUND_HEIGHT, PAPER_TOP, PAPER_BOTTOM)
    sketch_scanner(image, 404, 298, 1.25, SKETCH, width=1.6)
    return image


def button_bar():
    """The bar under the panel: the coach's gold, a little lighter at the
    top edge and deeper at the bottom, with a faint film strip between the
    Quit button and the Play and Stop buttons."""
    image = raster.Image(BAR_WIDTH, BAR_HEIGHT, BAR_GOLD)
    image.vertical_gradient(0, 0, BAR_WIDTH, BAR_HEIGHT, mix(BAR_GOLD, (255, 255, 255), 0.18),
                            mix(BAR_GOLD, (200, 120, 0), 0.25))
    image.rect(0, 0, BAR_WIDTH, 1, mix(BAR_GOLD, (255, 255, 255), 0.55))
    image.rect(0, BAR_HEIGHT - 1, BAR_WIDTH, BAR_HEIGHT, mix(BAR_GOLD, (120, 70, 0), 0.5))
    strip = mix(BAR_GOLD, (170, 100, 0), 0.22)
    left, right = 130, 520
    for x in range(left, right):
        fade = min(1.0, (x - left) / 60.0, (right - x) / 60.0)
        for y in (13, 14, 29, 30):
            image.blend(x, y, strip, fade)
    for x in range(left + 8, right - 8, 14):
        fade = min(1.0, (x - left) / 60.0, (right - x) / 60.0)
        for y0 in (8, 33):
            image.fill(lambda px, py, x=x, y0=y0: x <= px < x + 6 and y0 <= py < y0 + 3,
                       (x, y0, x + 6, y0 + 3), strip, alpha=fade)
    return image


def _shape_picture(shapes, color, enabled):
    """A button picture: the shapes in their colour with a dark rim and a
    drop shadow, or, disabled, flat grey over a white emboss one pixel down
    and right, as a disabled button draws its picture."""
    image = raster.Image(BUTTON_SIZE, BUTTON_SIZE, BUTTON_FACE)
    box = (0, 0, BUTTON_SIZE, BUTTON_SIZE)
    for shape in shapes:
        if enabled:
            image.fill(lambda x, y, s=shape: s(x - 1, y - 1), box, (150, 150, 150), samples=5)
            image.fill(shape, box, OUTLINE, samples=5)
            image.fill(_shrunk(shape), box, color, samples=5)
        else:
            image.fill(lambda x, y, s=shape: s(x - 1, y - 1), box, EMBOSS, samples=5)
            image.fill(shape, box, GREY_SHAPE, samples=5)
    return image


def _shrunk(shape, by=1.1):
    """The part of a shape at least `by` pixels inside its edge (sampled
    at eight neighbours)."""
    offsets = [(by, 0), (-by, 0), (0, by), (0, -by), (by * 0.7, by * 0.7), (-by * 0.7, by * 0.7),
               (by * 0.7, -by * 0.7), (-by * 0.7, -by * 0.7)]
    return lambda x, y: shape(x, y) and all(shape(x + dx, y + dy) for dx, dy in offsets)


def _triangle(x, y):
    """Play: a triangle pointing right."""
    return 8 <= x and abs(y - 13) <= (20 - x) * 0.62


def _bars():
    return [lambda x, y: 7 <= x < 11.5 and 6 <= y < 20, lambda x, y: 14.5 <= x < 19 and 6 <= y < 20]


def _square(x, y):
    return 7 <= x < 19 and 7 <= y < 19


def play_picture(enabled):
    return _shape_picture([_triangle], PLAY_GREEN, enabled)


def pause_picture(enabled):
    return _shape_picture(_bars(), PAUSE_BLUE, enabled)


def stop_picture(enabled):
    return _shape_picture([_square], STOP_RED, enabled)

