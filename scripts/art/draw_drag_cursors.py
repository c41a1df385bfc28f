"""IDC_DRAG_MOVE, IDC_DRAG_NODROP and IDC_DRAG_COPY, the cursors of a dragged directory: 32 x 32,
hot spot at the arrow's tip. Move carries a folder, copy adds a plus sign, no drop shows a barred circle."""
import os

from artlib import BLACK, WHITE, Canvas, folder, write_icon_or_cursor

# The arrow, row by row: B black rim, W white body.
ARROW = [
    "B",
    "BB",
    "BWB",
    "BWWB",
    "BWWWB",
    "BWWWWB",
    "BWWWWWB",
    "BWWWWWWB",
    "BWWWWWWWB",
    "BWWWWWWWWB",
    "BWWWWWWWWWB",
    "BWWWWWWBBBBB",
    "BWWWBWWB",
    "BWWBBWWB",
    "BWB  BWWB",
    "BB   BWWB",
    "B     BWWB",
    "      BWWB",
    "       BB",
]
RED = (210, 30, 30)


def arrow(c):
    for y, row in enumerate(ARROW):
        for x, p in enumerate(row):
            if p != " ":
                c.put(x, y, BLACK if p == "B" else WHITE)


def move_cursor():
    c = Canvas(32, 32)
    c.blit(folder(14), 12, 17)
    arrow(c)
    return c


def copy_cursor():
    c = move_cursor()
    c.rect(22, 22, 30, 30, WHITE)
    c.frame(22, 22, 30, 30, BLACK)
    c.line(24, 26, 28, 26, BLACK)
    c.line(26, 24, 26, 28, BLACK)
    return c


def nodrop_cursor():
    c = Canvas(32, 32)
    cx, cy = 20.5, 21.5
    for y in range(32):
        for x in range(32):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if 6.5 <= d <= 9.5:
                c.put(x, y, RED)
            elif d < 6.5:
                # The bar, from upper left to lower right.
                if abs((x + 0.5 - cx) - (y + 0.5 - cy)) <= 2.2:
                    c.put(x, y, RED)
                else:
                    c.put(x, y, WHITE)
    arrow(c)
    return c


def draw(res):
    write_icon_or_cursor(os.path.join(res, "DragMove.cur"), [move_cursor()], kind=2, hotspot=(0, 0))
    write_icon_or_cursor(os.path.join(res, "DragNoDrop.cur"), [nodrop_cursor()], kind=2, hotspot=(0, 0))
    write_icon_or_cursor(os.path.join(res, "DragCopy.cur"), [copy_cursor()], kind=2, hotspot=(0, 0))
