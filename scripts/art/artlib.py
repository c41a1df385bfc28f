"""Pixel drawing and the icon, cursor and bitmap file writers the artwork scripts share."""
import struct


class Canvas:
    """A width x height grid of (r, g, b, a) pixels, top row first."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[fill for _ in range(w)] for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c if len(c) == 4 else (c[0], c[1], c[2], 255)

    def rect(self, x0, y0, x1, y1, c):
        """Fills x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.put(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x][3]:
                    self.put(ox + x, oy + y, other.px[y][x])


def dib32(c):
    """BITMAPINFOHEADER + BGRA rows bottom-up + AND mask, as icons and cursors store an image."""
    hdr = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(c.px) for p in row)
    stride = ((c.w + 31) // 32) * 4
    mask = b""
    for row in reversed(c.px):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return hdr + xor + mask


def write_icon_or_cursor(path, images, kind=1, hotspot=(0, 0)):
    """kind 1 writes an .ico, kind 2 a .cur (one hotspot for every image)."""
    blobs = [dib32(c) for c in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for c, b in zip(images, blobs):
        a, bb = (1, 32) if kind == 1 else hotspot
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, a, bb, len(b), offset)
        offset += len(b)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def write_bmp24(path, c, key=(255, 0, 255)):
    """A 24-bit bitmap; transparent pixels get the key colour the loader masks out."""
    stride = (c.w * 3 + 3) & ~3
    rows = b""
    for row in reversed(c.px):
        line = b"".join(bytes((p[2], p[1], p[0])) if p[3] else bytes((key[2], key[1], key[0])) for p in row)
        rows += line + b"\0" * (stride - len(line))
    hdr = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(hdr) + len(rows), 0, 0, 14 + len(hdr)) + hdr + rows)


def scaled(c, w, h):
    """c resampled to w x h by area: each target pixel averages the opaque source area it covers
    and stays transparent where less than half of it is opaque. Enlarging by a whole factor
    repeats pixels, so edges stay hard."""
    out = Canvas(w, h)
    fx, fy = c.w / w, c.h / h
    for ty in range(h):
        y0, y1 = ty * fy, (ty + 1) * fy
        for tx in range(w):
            x0, x1 = tx * fx, (tx + 1) * fx
            total = opaque = 0.0
            acc = [0.0, 0.0, 0.0]
            for sy in range(int(y0), min(c.h, int(-(-y1 // 1)))):
                wy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(c.w, int(-(-x1 // 1)))):
                    wgt = wy * (min(x1, sx + 1) - max(x0, sx))
                    if wgt <= 0:
                        continue
                    total += wgt
                    p = c.px[sy][sx]
                    if p[3]:
                        opaque += wgt
                        for i in range(3):
                            acc[i] += p[i] * wgt
            if total and opaque * 2 >= total:
                out.px[ty][tx] = tuple(round(v / opaque) for v in acc) + (255,)
    return out


def write_scaled_strips(path_stem, images, size, scales=(100, 150, 200)):
    """Writes <stem>.bmp at 100 % and <stem>150.bmp, <stem>200.bmp: one strip of the images per scale."""
    for scale in scales:
        px = size * scale // 100
        strip = Canvas(px * len(images), px)
        for i, img in enumerate(images):
            strip.blit(img if scale == 100 else scaled(img, px, px), px * i, 0)
        write_bmp24(path_stem + ("" if scale == 100 else str(scale)) + ".bmp", strip)


# Colours
BLACK = (0, 0, 0)
FOLDER = (240, 196, 64)
FOLDER_DARK = (176, 128, 24)
BLUE = (40, 96, 200)
WHITE = (255, 255, 255)


def folder(size, body=FOLDER, edge=FOLDER_DARK):
    c = Canvas(size, size)
    s = size / 16.0
    tab = (int(1 * s), int(2 * s), int(6 * s), int(4 * s))
    c.rect(tab[0], tab[1], tab[2], tab[3], body)
    c.rect(int(1 * s), int(4 * s), int(14 * s), int(13 * s), body)
    c.frame(int(1 * s), int(4 * s), int(14 * s), int(13 * s), edge)
    c.line(tab[0], tab[1], tab[2], tab[1], edge)
    c.line(tab[0], tab[1], tab[0], tab[3], edge)
    c.line(tab[2], tab[1], tab[2] + 1, tab[3], edge)
    return c
