"""IDB_VERSION: the picture of the version information dialog, 64 x 64, opaque.

A directory tree on a pale sky, and the same tree again below it in blue, re-created where the
arrow points: what the program does, at a glance.
"""
import os

from artlib import BLUE, Canvas, folder, write_bmp24

SIZE = 64
SKY_TOP, SKY_BOTTOM = (200, 224, 250), (250, 252, 255)
BRANCH = (96, 96, 96)
COPY_BODY, COPY_EDGE = (120, 180, 240), (30, 70, 150)


def sky(c):
    for y in range(c.h):
        t = y / (c.h - 1)
        c.rect(0, y, c.w - 1, y, tuple(int(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_BOTTOM)))


def tree(c, ox, oy, body=None, edge=None):
    """A parent folder with two children hanging from it, about 24 x 32 pixels from ox, oy."""
    make = (lambda n: folder(n)) if body is None else (lambda n: folder(n, body, edge))
    c.blit(make(16), ox, oy)
    # The branch: down from the parent, then across to each child.
    c.line(ox + 4, oy + 14, ox + 4, oy + 28, BRANCH)
    for y in (oy + 18, oy + 28):
        c.line(ox + 4, y, ox + 9, y, BRANCH)
    c.blit(make(12), ox + 9, oy + 13)
    c.blit(make(12), ox + 9, oy + 23)


def arrow(c):
    """From the first tree across and down to its copy."""
    for t in range(2):
        c.line(22, 7 + t, 47 + t, 7 + t, BLUE)
        c.line(47 + t, 7, 47 + t, 24, BLUE)
    for i in range(4):
        c.line(44 + i, 24 + i, 51 - i, 24 + i, BLUE)


def version_picture():
    c = Canvas(SIZE, SIZE)
    sky(c)
    tree(c, 3, 1)
    arrow(c)
    tree(c, 40, 28, COPY_BODY, COPY_EDGE)
    c.frame(0, 0, SIZE - 1, SIZE - 1, (160, 176, 200))
    return c


def draw(res):
    write_bmp24(os.path.join(res, "Version.bmp"), version_picture())
