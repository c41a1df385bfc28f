"""IDB_DIRTREE: the 24 node images of the directory tree, 16 x 16 each, magenta transparent;
IDB_DIRTREE_150 and IDB_DIRTREE_200 the same at 24 and 32 px.

Index = 4 x read-only + 2 x hidden/system + 1 x open, plus 8 for a directory with file entries
and 16 for one whose file entries are all processed. Each feature has its own sign:
    group     no files: an empty yellow folder; files: a sheet of paper sticking out of it;
              all processed: the sheet on a green folder
    hidden    the folder pale and outlined in dots
    read-only a red padlock at the lower right
    open      the folder drawn open, its front flap tilted
"""
import os

from artlib import Canvas, write_scaled_strips

YELLOW = ((240, 196, 64), (176, 128, 24), (252, 224, 128))  # body, edge, front flap
GREEN = ((96, 192, 96), (32, 112, 40), (150, 224, 150))
PAPER, PAPER_EDGE, PAPER_LINE = (255, 255, 255), (96, 96, 96), (120, 150, 220)
LOCK_BODY, LOCK_EDGE, SHACKLE = (220, 40, 40), (120, 0, 0), (90, 90, 90)


def pale(c):
    """Hidden and system folders: washed out toward white."""
    return tuple(int(v + (255 - v) * 0.6) for v in c)


def sheet(c):
    c.rect(7, 0, 13, 6, PAPER)
    c.frame(7, 0, 13, 6, PAPER_EDGE)
    for y in (2, 4):
        c.line(9, y, 11, y, PAPER_LINE)


def outline(c, x0, y0, x1, y1, edge, dotted):
    for x in range(x0, x1 + 1):
        for y in (y0, y1):
            if not dotted or (x + y) % 2 == 0:
                c.put(x, y, edge)
    for y in range(y0, y1 + 1):
        for x in (x0, x1):
            if not dotted or (x + y) % 2 == 0:
                c.put(x, y, edge)


def closed_folder(c, colours, dotted):
    body, edge, _ = colours
    c.rect(1, 3, 6, 5, body)
    outline(c, 1, 3, 6, 5, edge, dotted)
    c.rect(1, 5, 14, 14, body)
    outline(c, 1, 5, 14, 14, edge, dotted)


def open_folder(c, colours, dotted):
    body, edge, flap = colours
    # The back of the folder, with its tab.
    c.rect(1, 3, 6, 5, body)
    outline(c, 1, 3, 6, 5, edge, dotted)
    c.rect(1, 5, 13, 14, body)
    outline(c, 1, 5, 13, 14, edge, dotted)
    # The front flap, tilted open: a parallelogram from (4..15, 8) down to (1..12, 14).
    for y in range(8, 15):
        shift = (14 - y) // 2
        for x in range(1 + shift, 13 + shift):
            c.put(x, y, flap)
        for x in (1 + shift, 12 + shift):
            if not dotted or (x + y) % 2 == 0:
                c.put(x, y, edge)
    for x in range(4, 16):
        if not dotted or (x + 8) % 2 == 0:
            c.put(x, 8, edge)
    for x in range(1, 13):
        if not dotted or (x + 14) % 2 == 0:
            c.put(x, 14, edge)


def padlock(c):
    # Shackle above a red body at the lower right, set off by a white rim.
    c.rect(9, 8, 15, 15, (255, 255, 255))
    c.frame(11, 9, 13, 11, SHACKLE)
    c.rect(10, 11, 14, 15, LOCK_BODY)
    c.frame(10, 11, 14, 15, LOCK_EDGE)
    c.put(12, 13, (255, 230, 120))


def node_image(index):
    c = Canvas(16, 16)
    group, read_only, hidden, is_open = index // 8, index & 4, index & 2, index & 1
    colours = GREEN if group == 2 else YELLOW
    if hidden:
        colours = tuple(pale(x) for x in colours)
    if group:
        sheet(c)
    (open_folder if is_open else closed_folder)(c, colours, bool(hidden))
    if read_only:
        padlock(c)
    return c


def draw(res):
    write_scaled_strips(os.path.join(res, "DirTree"), [node_image(i) for i in range(24)], 16)
