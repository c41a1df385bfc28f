"""IDB_TOOLBAR: the tool bar strip, 16 images of 16 x 16, magenta where transparent; IDB_TOOLBAR_150
and IDB_TOOLBAR_200 the same at 24 and 32 px for displays at 150 % and 200 %.

Images in strip order: 0 initialise, 1 select source, 2 select destination, 3 run (directories
only), 4 exit, 5 version, 6 add directory, 7 delete directory, 8 options, 9 attributes,
10 add-load, 11 run (with files), 12-15 spare (empty).
"""
import os

from artlib import BLACK, BLUE, FOLDER, FOLDER_DARK, WHITE, Canvas, folder, write_scaled_strips

GREEN = (32, 150, 48)
GREEN_DARK = (16, 96, 24)
RED = (210, 32, 32)
RED_DARK = (140, 16, 16)
GREY = (128, 128, 128)
LIGHT = (200, 200, 200)
PAPER = (252, 252, 244)
BROWN = (150, 90, 40)
BROWN_DARK = (96, 56, 24)
SKY = (96, 160, 232)
GOLD = (250, 210, 40)


def fill_polygon(c, pts, colour):
    """Fills the pixels whose centres lie inside the polygon (vertices at pixel centres)."""
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    n = len(pts)
    for y in range(min(ys), max(ys) + 1):
        for x in range(min(xs), max(xs) + 1):
            inside = False
            for i in range(n):
                (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
                if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                    inside = not inside
            if inside:
                c.put(x, y, colour)


def outline(c, pts, colour):
    for i in range(len(pts)):
        c.line(pts[i][0], pts[i][1], pts[(i + 1) % len(pts)][0], pts[(i + 1) % len(pts)][1], colour)


def disc(c, cx, cy, r, colour, edge=None):
    for y in range(cy - r - 1, cy + r + 2):
        for x in range(cx - r - 1, cx + r + 2):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r - 0.5 or (edge is None and d <= r + 0.3):
                c.put(x, y, colour)
            elif edge is not None and d <= r + 0.5:
                c.put(x, y, edge)


def page(c, x0, y0, x1, y1, fold=3):
    """A sheet of paper with a folded top-right corner."""
    fill_polygon(c, [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], PAPER)
    outline(c, [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], GREY)
    c.line(x1 - fold, y0, x1 - fold, y0 + fold, GREY)
    c.line(x1 - fold, y0 + fold, x1, y0 + fold, GREY)


def arrow_right(c, x0, y, x1, colour, edge):
    """A thick arrow from x0 to x1 at height y (shaft 3 pixels, head 7)."""
    pts = [(x0, y - 1), (x1 - 4, y - 1), (x1 - 4, y - 4), (x1, y), (x1 - 4, y + 4), (x1 - 4, y + 1), (x0, y + 1)]
    fill_polygon(c, pts, colour)
    outline(c, pts, edge)


def arrow_down(c, x, y0, y1, colour, edge):
    pts = [(x - 1, y0), (x + 1, y0), (x + 1, y1 - 4), (x + 4, y1 - 4), (x, y1), (x - 4, y1 - 4), (x - 1, y1 - 4)]
    fill_polygon(c, pts, colour)
    outline(c, pts, edge)


def plus(c, cx, cy, colour, edge):
    c.rect(cx - 3, cy - 1, cx + 3, cy + 1, edge)
    c.rect(cx - 1, cy - 3, cx + 1, cy + 3, edge)
    c.line(cx - 2, cy, cx + 2, cy, colour)
    c.line(cx, cy - 2, cx, cy + 2, colour)


def cross(c, cx, cy, colour):
    for d in (-1, 0, 1):
        c.line(cx - 3 + d, cy - 3, cx + 3 + d, cy + 3, colour)
        c.line(cx - 3 + d, cy + 3, cx + 3 + d, cy - 3, colour)


def play(c, x0, y0, size):
    pts = [(x0, y0), (x0 + size * 4 // 5, y0 + size // 2), (x0, y0 + size)]
    fill_polygon(c, pts, GREEN)
    outline(c, pts, GREEN_DARK)


def small_folder(c, x, y, body=FOLDER, edge=FOLDER_DARK):
    """An 8 x 6 folder with its top-left corner at x, y."""
    c.rect(x, y, x + 3, y + 1, body)
    c.rect(x, y + 1, x + 8, y + 6, body)
    c.frame(x, y + 1, x + 8, y + 6, edge)
    c.line(x, y, x + 3, y, edge)


def initialise():
    c = Canvas(16, 16)
    page(c, 3, 1, 13, 14)
    # a sparkle: the tree starts afresh
    for (x, y) in [(3, 3), (2, 3), (4, 3), (3, 2), (3, 4)]:
        c.put(x, y, GOLD)
    c.put(1, 1, GOLD)
    c.put(5, 1, GOLD)
    c.put(1, 5, GOLD)
    return c


def select_source():
    c = Canvas(16, 16)
    c.blit(folder(11), 0, 1)
    arrow_right(c, 6, 11, 15, SKY, BLUE)
    return c


def select_destination():
    c = Canvas(16, 16)
    c.blit(folder(11), 5, 1)
    arrow_right(c, 0, 11, 9, (96, 200, 96), GREEN_DARK)
    return c


def run_dirs_only():
    c = Canvas(16, 16)
    small_folder(c, 0, 1)
    c.line(2, 8, 2, 13, GREY)
    c.line(2, 13, 4, 13, GREY)
    small_folder(c, 4, 10)
    play(c, 9, 0, 8)
    return c


def exit_():
    c = Canvas(16, 16)
    c.rect(2, 1, 10, 15, BROWN_DARK)
    c.rect(3, 2, 9, 15, (210, 160, 100))
    c.rect(3, 2, 7, 15, BROWN)
    c.put(6, 9, GOLD)
    arrow_right(c, 8, 8, 15, (240, 96, 80), RED_DARK)
    return c


def version():
    c = Canvas(16, 16)
    disc(c, 8, 8, 7, SKY, BLUE)
    c.rect(7, 3, 8, 4, WHITE)
    c.rect(7, 6, 8, 12, WHITE)
    c.line(6, 6, 6, 6, WHITE)
    c.line(6, 12, 9, 12, WHITE)
    return c


def add_dir():
    c = Canvas(16, 16)
    c.blit(folder(14), 0, 1)
    plus(c, 12, 11, (120, 230, 120), GREEN_DARK)
    return c


def delete_dir():
    c = Canvas(16, 16)
    c.blit(folder(14), 0, 1)
    cross(c, 11, 11, RED)
    return c


def options():
    c = Canvas(16, 16)
    page(c, 2, 1, 13, 14)
    for y in (4, 8, 12):
        c.frame(4, y - 1, 6, y + 1, GREY)
        c.line(8, y, 11, y, GREY)
    # two boxes ticked
    for y in (4, 8):
        c.put(4, y, GREEN_DARK)
        c.put(5, y + 1, GREEN_DARK)
        c.put(6, y - 1, GREEN_DARK)
        c.put(7, y - 2, GREEN_DARK)
    return c


def attributes():
    c = Canvas(16, 16)
    c.blit(folder(12), 0, 0)
    # a clock over the folder: the item's attributes and timestamp
    disc(c, 10, 10, 5, WHITE, BLACK)
    c.line(10, 10, 10, 7, BLACK)
    c.line(10, 10, 12, 10, RED)
    for (x, y) in [(10, 6), (14, 10), (10, 14), (6, 10)]:
        c.put(x, y, GREY)
    return c


def add_load():
    c = Canvas(16, 16)
    small_folder(c, 0, 0)
    c.line(2, 7, 2, 12, GREY)
    c.line(2, 12, 5, 12, GREY)
    small_folder(c, 6, 9)
    arrow_down(c, 12, 0, 9, SKY, BLUE)
    return c


def run_with_files():
    c = Canvas(16, 16)
    page(c, 0, 1, 8, 12)
    for y in (5, 7, 9):
        c.line(2, y, 6, y, LIGHT)
    play(c, 7, 4, 10)
    return c


def draw(res):
    images = [initialise(), select_source(), select_destination(), run_dirs_only(), exit_(), version(),
              add_dir(), delete_dir(), options(), attributes(), add_load(), run_with_files()]
    images += [Canvas(16, 16) for _ in range(16 - len(images))]
    write_scaled_strips(os.path.join(res, "Toolbar"), images, 16)
