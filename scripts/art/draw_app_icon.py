"""IDR_MAINFRAME, the program icon: two folders, the second a copy of the first, joined by an arrow;
at 16, 20, 24, 32, 48 and 64 pixels, the small and large sizes of 100 to 200 %."""
import os

from artlib import BLUE, Canvas, folder, write_icon_or_cursor


def app_icon(size):
    """Two folders, the second a copy of the first, joined by an arrow."""
    c = Canvas(size, size)
    small = folder(size * 5 // 8)
    c.blit(small, 0, 0)
    c.blit(folder(size * 5 // 8, (120, 180, 240), (30, 70, 150)), size * 3 // 8, size * 3 // 8)
    s = size / 32.0
    for t in range(max(1, int(2 * s))):
        c.line(int(6 * s) + t, int(20 * s), int(6 * s) + t, int(28 * s), BLUE)
        c.line(int(6 * s), int(28 * s) + t, int(11 * s), int(28 * s) + t, BLUE)
    c.line(int(9 * s), int(25 * s), int(12 * s), int(28 * s), BLUE)
    c.line(int(9 * s), int(31 * s), int(12 * s), int(28 * s), BLUE)
    return c


def draw(res):
    write_icon_or_cursor(os.path.join(res, "Pelnix.ico"), [app_icon(n) for n in (16, 20, 24, 32, 48, 64)])
