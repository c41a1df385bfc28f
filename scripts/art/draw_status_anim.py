"""IDB_STATUS_ANIM: the status window's animation, 15 frames of 32 x 32 in one strip, yellow transparent;
IDB_STATUS_ANIM_150 and IDB_STATUS_ANIM_200 the same drawn at 48 and 64 px.

A folder in the middle with a circular arrow turning round it, 24 degrees a frame; the arrow
fades from its head to its tail, so the direction of the turn shows even in a still.
"""
import math
import os

from artlib import BLUE, Canvas, folder, write_bmp24

FRAMES = 15
SIZE = 32
YELLOW = (255, 255, 0)
# Edges are blended against the usual dialog face, since the mask allows no partial transparency.
FACE = (240, 240, 240)
TAIL = (176, 200, 236)
SAMPLES = 4
R_OUT, R_IN = 15.0, 11.0
SWEEP = 280.0  # degrees the arrow covers, head included
HEAD = 34.0  # degrees of the arrowhead


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def arrow_colour(x, y, start, size=SIZE):
    """Colour of the arrow at point x, y (pixel units, centre at 16,16), or None outside it.

    The arrow runs clockwise from its tail at start degrees to its head at start + SWEEP.
    """
    dx, dy = x - size / 2, y - size / 2
    r = math.hypot(dx, dy) * SIZE / size
    a = (math.degrees(math.atan2(dy, dx)) - start) % 360.0
    if a > SWEEP:
        return None
    body_end = SWEEP - HEAD
    if a <= body_end:
        if not R_IN <= r <= R_OUT:
            return None
    else:
        # The head widens past the ring and narrows to a point.
        t = (a - body_end) / HEAD
        half = (R_OUT - R_IN) * 1.1 * (1.0 - t)
        mid = (R_OUT + R_IN) / 2
        if abs(r - mid) > half:
            return None
    return mix(TAIL, BLUE, min(1.0, a / body_end))


def frame(n, size=SIZE):
    c = Canvas(size, size)
    c.blit(folder(size // 2), size // 4, size // 4)
    start = n * 360.0 / FRAMES
    for y in range(size):
        for x in range(size):
            hits = []
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    col = arrow_colour(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES, start, size)
                    if col:
                        hits.append(col)
            cover = len(hits) / SAMPLES**2
            if cover < 0.3:
                continue
            avg = tuple(sum(h[i] for h in hits) / len(hits) for i in range(3))
            under = c.px[y][x][:3] if c.px[y][x][3] else FACE
            c.put(x, y, mix(under, avg, min(1.0, cover * 1.15)))
    return c


def draw(res):
    # Drawn anew at 150 % and 200 % for displays of 144 and 192 DPI.
    for name, size in (("StatusAnim", SIZE), ("StatusAnim150", SIZE * 3 // 2), ("StatusAnim200", SIZE * 2)):
        strip = Canvas(size * FRAMES, size)
        for n in range(FRAMES):
            strip.blit(frame(n, size), n * size, 0)
        # No drawn pixel may be the key colour, or it would turn transparent.
        for row in strip.px:
            for p in row:
                assert not (p[3] and p[:3] == YELLOW)
        write_bmp24(os.path.join(res, name + ".bmp"), strip, key=YELLOW)
