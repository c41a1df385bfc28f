"""IDI_ATTR, the icon of the two attribute dialogs: a sheet with a folded corner and its text lines,
a clock face over its lower right corner for the timestamp.

Written as raw resources (the images and the group directory) for AttrIcon.rc to declare with image
ids of their own, as the options icon is; Attr.ico holds the same images for viewing.
"""
import os
import struct

from artlib import BLUE, WHITE, Canvas, dib32, write_icon_or_cursor

SHEET_EDGE = (96, 96, 96)
FOLD = (210, 210, 210)
LINE = (150, 170, 210)
FACE = (255, 248, 220)
RIM = (176, 128, 24)
HAND = (40, 40, 40)


def disc(c, cx, cy, r, fill, rim):
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if d <= r * r:
                c.put(x, y, rim if d > (r - 1.2) ** 2 else fill)


def attr_icon(size):
    c = Canvas(size, size)
    s = size / 16.0
    left, right, bottom, fold = int(1 * s), int(11 * s), size - 1 - int(1 * s), int(3 * s)
    c.rect(left, 0, right, bottom, WHITE)
    c.frame(left, 0, right, bottom, SHEET_EDGE)
    # the folded corner: cut the top right, draw the flap
    for i in range(fold + 1):
        for x in range(right - fold + i + 1, right + 1):
            c.put(x, i, (0, 0, 0, 0))
    c.line(right - fold, 0, right, fold, SHEET_EDGE)
    c.rect(right - fold, 1, right - fold, fold, FOLD)
    c.line(right - fold, fold, right - 1, fold, SHEET_EDGE)
    for row in range(3):
        y = int((4 + 2.5 * row) * s)
        c.line(left + int(2 * s), y, right - int(2 * s), y, LINE)
    # the clock over the lower right corner
    r = int(4.5 * s)
    cx, cy = size - 1 - r, size - 1 - r
    disc(c, cx, cy, r, FACE, RIM)
    c.line(cx, cy, cx, cy - int(r * 0.7), HAND)
    c.line(cx, cy, cx + int(r * 0.55), cy, BLUE)
    c.put(cx, cy, HAND)
    return c


FIRST_IMAGE_ID = 1461  # the images' ids, one a size from the smallest on, as AttrIcon.rc declares them
# the small and large sizes of 100 to 200 %
ICON_SIZES = (16, 20, 24, 32, 48)


def draw(res):
    images = [attr_icon(n) for n in ICON_SIZES]
    write_icon_or_cursor(os.path.join(res, "Attr.ico"), images)
    group = struct.pack("<HHH", 0, 1, len(images))
    for i, c in enumerate(images):
        blob = dib32(c)
        with open(os.path.join(res, "Attr%d.dib" % c.w), "wb") as f:
            f.write(blob)
        group += struct.pack("<BBBBHHIH", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), FIRST_IMAGE_ID + i)
    with open(os.path.join(res, "Attr.grp"), "wb") as f:
        f.write(group)
