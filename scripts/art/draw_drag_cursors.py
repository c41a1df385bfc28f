"""IDC_DRAG_MOVE, IDC_DRAG_NODROP and IDC_DRAG_COPY, the cursors of a dragged directory, hot spot at
the arrow's tip. Move carries a folder, copy adds a plus sign, no drop shows a barred circle.

Each file holds the cursor at 32, 48 and 64 pixels (100, 150 and 200 %): 32 and 64 drawn on a
32-unit grid (the arrow's pixels doubled at 64), 48 the 64 one scaled down smoothly."""
import os

from artlib import BLACK, WHITE, Canvas, folder, scaled, write_icon_or_cursor

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


def block(c, s, x0, y0, x1, y1, col):
    """Fills the 32-unit cells x0..x1, y0..y1 inclusive, each s pixels square."""
    c.rect(x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1, col)


def arrow(c, s):
    for y, row in enumerate(ARROW):
        for x, p in enumerate(row):
            if p != " ":
                block(c, s, x, y, x, y, BLACK if p == "B" else WHITE)


def move_cursor(s):
    c = Canvas(32 * s, 32 * s)
    c.blit(folder(14 * s), 12 * s, 17 * s)
    arrow(c, s)
    return c


def copy_cursor(s):
    c = move_cursor(s)
    block(c, s, 22, 22, 30, 30, BLACK)
    block(c, s, 23, 23, 29, 29, WHITE)
    block(c, s, 24, 26, 28, 26, BLACK)
    block(c, s, 26, 24, 26, 28, BLACK)
    return c


def nodrop_cursor(s):
    c = Canvas(32 * s, 32 * s)
    cx, cy = 20.5, 21.5
    for y in range(32 * s):
        for x in range(32 * s):
            # the pixel's centre in 32-unit coordinates
            u, v = (x + 0.5) / s - cx, (y + 0.5) / s - cy
            d = (u * u + v * v) ** 0.5
            if 6.5 <= d <= 9.5:
                c.put(x, y, RED)
            elif d < 6.5:
                # The bar, from upper left to lower right.
                c.put(x, y, RED if abs(u - v) <= 2.2 else WHITE)
    arrow(c, s)
    return c


def sizes(draw_at):
    large = draw_at(2)
    return [draw_at(1), scaled(large, 48, 48), large]


def draw(res):
    for name, draw_at in (("DragMove", move_cursor), ("DragNoDrop", nodrop_cursor), ("DragCopy", copy_cursor)):
        write_icon_or_cursor(os.path.join(res, name + ".cur"), sizes(draw_at), kind=2, hotspot=(0, 0))
