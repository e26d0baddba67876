"""The pictures of the coach window and of its topic pane, in full colour;
artgen.py reduces each to its palette.

Text is drawn straight onto these pictures (the coach's labels are
see-through, the topic pane writes over its background), so they stay
light and quiet wherever text may stand, and their decorations are faint
and keep to the corners.
"""

import raster
from raster import arc, disc, mix, outline_polygon, ring, segment, union

PAPER = (255, 255, 255)
COLUMN_TOP = (255, 252, 246)
COLUMN_BOTTOM = (253, 243, 228)
COLUMN_EDGE = (236, 222, 204)
SKETCH = (226, 209, 186)
HAIRLINE = (226, 226, 226)
STEP_ORANGE = (255, 192, 128)
BAR_GOLD = (255, 204, 0)
BUTTON_FACE = (240, 240, 240)
BOX_BORDER = (112, 112, 112)
TICK_GREEN = (0, 128, 0)
HELP_BLUE = (46, 110, 196)
HELP_RIM = (30, 80, 160)

PANEL_WIDTH, PANEL_HEIGHT = 425, 410
STEP_COLUMN = 125  # the step list and the strip up to the topic pane
PANE_BOTTOM = 370
BAR_TOP = 402
TOPIC_WIDTH, TOPIC_HEIGHT = 300, 370


def sketch_scanner(image, left, top, scale, color, width=1.2):
    """A flatbed scanner with its lid raised, in thin lines: the line art
    behind the step list and in the corner of the topic pane. The design
    box is 68 x 40 units; (left, top) is its corner in pixels."""

    def at(points):
        return [(left + x * scale, top + y * scale) for x, y in points]

    w = width * max(scale, 1.0)
    lid = at([(8, 16), (60, 16), (56, 1), (12, 1)])
    top_face = at([(4, 24), (64, 24), (60, 16), (8, 16)])
    front = at([(4, 24), (64, 24), (64, 38), (4, 38)])
    glass = at([(12, 22.5), (56, 22.5), (53.5, 17.5), (14.5, 17.5)])
    image.fill_parts(outline_polygon(lid, w) + outline_polygon(top_face, w) +
                     outline_polygon(front, w) + outline_polygon(glass, w * 0.8), color)
    box = (left - 2, top - 2, left + 70 * scale, top + 42 * scale)
    beam = at([(33, 17.5), (35, 22.5)])
    image.fill(segment(*beam[0], *beam[1], w * 1.6), box, mix(color, STEP_ORANGE, 0.45))
    light = at([(56, 31)])[0]
    image.fill(disc(light[0], light[1], 1.6 * max(scale, 1.0)), box, color)


def coach_panel():
    """The coach window's main panel, 425 x 410: the step list on a pale
    warm shade with a line art scanner under it, the topic pane and the band
    under it on white, parted by fine lines."""
    image = raster.Image(PANEL_WIDTH, PANEL_HEIGHT, PAPER)
    image.vertical_gradient(0, 0, STEP_COLUMN, BAR_TOP, COLUMN_TOP, COLUMN_BOTTOM)
    # A soft edge down the left of the topic pane, fading out at both ends.
    for y in range(6, BAR_TOP - 6):
        fade = min(1.0, (y - 6) / 60.0, (BAR_TOP - 6 - y) / 60.0)
        image.blend(STEP_COLUMN - 1, y, COLUMN_EDGE, fade)
        image.blend(STEP_COLUMN - 2, y, COLUMN_EDGE, fade * 0.35)
    # The line between the pane and the band of the check box and Do It.
    for x in range(STEP_COLUMN, PANEL_WIDTH):
        image.blend(x, PANE_BOTTOM, HAIRLINE, min(1.0, (x - STEP_COLUMN + 1) / 24.0))
    # Under the last step label, which ends above y 360 with six steps.
    sketch_scanner(image, 14, 362, 1.0, SKETCH)
    return image


def topic_background(watermark):
    """A topic pane background, 300 x 370: white under a soft warm band
    behind the heading; the full-height one has a faint scanner in its
    lower right corner."""
    image = raster.Image(TOPIC_WIDTH, TOPIC_HEIGHT, PAPER)
    image.rect(0, 0, TOPIC_WIDTH, 2, mix(STEP_ORANGE, PAPER, 0.35))
    image.vertical_gradient(0, 2, TOPIC_WIDTH, 44, (255, 238, 216), PAPER)
    if watermark:
        sketch_scanner(image, 196, 306, 1.3, (246, 239, 230), width=1.3)
    return image


def help_button():
    """The Help button's picture, 16 x 16: a white question mark on a blue
    disc, on the colour of a button's face."""
    image = raster.Image(16, 16, BUTTON_FACE)
    image.fill(disc(8, 8, 7.7), (0, 0, 16, 16), HELP_BLUE, samples=6)
    image.fill(ring(8, 8, 7.7, 1.0), (0, 0, 16, 16), HELP_RIM, samples=6)
    hook = union(arc(8, 6.1, 2.5, 1.9, 300, 165), segment(9.25, 8.3, 8, 9.6, 1.9),
                 segment(8, 9.6, 8, 10.1, 1.9))
    image.fill(hook, (0, 0, 16, 16), PAPER, samples=6)
    image.fill(disc(8, 12.6, 1.15), (0, 0, 16, 16), PAPER, samples=6)
    return image


def check_box(ticked):
    """The don't-show check box, 14 x 14: a white square in a grey frame,
    with a green tick when ticked."""
    image = raster.Image(14, 14, PAPER)
    image.rect(0, 0, 14, 1, BOX_BORDER)
    image.rect(0, 13, 14, 14, BOX_BORDER)
    image.rect(0, 0, 1, 14, BOX_BORDER)
    image.rect(13, 0, 14, 14, BOX_BORDER)
    image.rect(1, 1, 13, 2, (232, 232, 232))
    if ticked:
        tick = union(segment(3.6, 7.2, 6.0, 9.8, 2.1), segment(6.0, 9.8, 10.6, 3.9, 2.1))
        image.fill(tick, (1, 1, 13, 13), TICK_GREEN, samples=6)
    return image


def option_button(selected):
    """An option button, 12 x 12: a grey ring on the white under the topic
    pane, with a green dot when selected."""
    image = raster.Image(12, 12, PAPER)
    image.fill(ring(6, 6, 5.7, 1.3), (0, 0, 12, 12), BOX_BORDER, samples=6)
    if selected:
        image.fill(disc(6, 6, 2.7), (0, 0, 12, 12), TICK_GREEN, samples=6)
    return image


def picture_tile(scanner):
    """The about box's picture, 32 x 32: the program's scanner (a palette
    canvas of 28 pixels) on a framed pale blue tile, so that it sits on any
    dialog colour."""
    image = raster.Image(32, 32)
    image.vertical_gradient(0, 0, 32, 32, (238, 245, 252), (200, 222, 246))
    for x0, y0, x1, y1 in ((0, 0, 32, 1), (0, 31, 32, 32), (0, 0, 1, 32), (31, 0, 32, 32)):
        image.rect(x0, y0, x1, y1, (132, 164, 204))
    image.paste(scanner, 2, 3)
    return image
