"""IDI_OPTIONS, the options dialog's icon: a card of settings, three check boxes with their labels, two
of them ticked, and a slider along the bottom.

Written as raw resources (the images and the group directory) for Options.rc to declare with image
ids of their own: an ICON statement numbers its images from 1 in every script, so icons of two
scripts clash when the linker merges them.
"""
import os
import struct

from artlib import BLUE, WHITE, Canvas, dib32

CARD_EDGE = (96, 96, 96)
BOX_EDGE = (64, 64, 64)
TICK = (24, 150, 48)
LABEL = (120, 150, 220)
TRACK = (150, 150, 150)


def tick(c, x, y, b):
    """A tick inside the box whose corners are x, y and x + b, y + b; in a small box a dot."""
    if b < 4:
        c.put(x + b // 2, y + b // 2, TICK)
        return
    for dx in (0, 1):
        c.line(x + 1 + dx, y + b // 2, x + b // 2 + dx - 1, y + b - 1, TICK)
        c.line(x + b // 2 + dx - 1, y + b - 1, x + b - 1, y + 1, TICK)


def options_icon(size):
    c = Canvas(size, size)
    s = size / 16.0
    c.rect(int(1 * s), 0, size - 1 - int(1 * s), size - 1, WHITE)
    c.frame(int(1 * s), 0, size - 1 - int(1 * s), size - 1, CARD_EDGE)
    for row, ticked in enumerate((True, False, True)):
        x, y = int(3 * s), int((2 + 4 * row) * s)
        box = int(3.5 * s) - 1
        c.rect(x, y, x + box, y + box, WHITE)
        c.frame(x, y, x + box, y + box, BOX_EDGE)
        if ticked:
            tick(c, x, y, box)
        for t in range(max(1, int(s))):
            c.line(int(8 * s), y + int(1.5 * s) + t, size - 1 - int(3 * s), y + int(1.5 * s) + t, LABEL)
    y = int(14.5 * s)
    c.line(int(3 * s), y, size - 1 - int(3 * s), y, TRACK)
    knob = int(9 * s)
    r = max(1, int(s))
    c.rect(knob - r, y - r, knob + r, y + r, BLUE)
    return c


FIRST_IMAGE_ID = 1511  # the images' ids, one a size from the smallest on, as Options.rc declares them
# the small and large sizes of 100 to 200 %
ICON_SIZES = (16, 20, 24, 32, 48)


def draw(res):
    images = [options_icon(n) for n in ICON_SIZES]
    group = struct.pack("<HHH", 0, 1, len(images))
    for i, c in enumerate(images):
        blob = dib32(c)
        with open(os.path.join(res, "Options%d.dib" % c.w), "wb") as f:
            f.write(blob)
        group += struct.pack("<BBBBHHIH", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), FIRST_IMAGE_ID + i)
    with open(os.path.join(res, "Options.grp"), "wb") as f:
        f.write(group)
