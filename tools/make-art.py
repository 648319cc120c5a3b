#!/usr/bin/env python3
"""Writes the DLL's art: the logo bitmap (src/res/logo.bmp) and the two icons
(src/res/page.ico, src/res/question.ico).

Everything is drawn as palette indices, so the files hold exact palette colours
only. The logo's lettering is rasterised by ImageMagick and thresholded; the icons
are drawn here pixel by pixel.

Usage: tools/make-art.py   (from anywhere; writes into the source tree)
"""

import os
import struct
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "src", "res")

CONVERT = "/usr/bin/convert"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# The standard 16-colour palette, in the order of Windows' 16-colour bitmaps.
VGA = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)

MONO = [0x000000, 0xFFFFFF]
M_BLACK, M_WHITE = 0, 1

CLEAR = None  # an icon pixel that lets the background show through


# --- file formats -----------------------------------------------------------

def palette_bytes(colours):
    # RGBQUAD is blue, green, red, reserved.
    return b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in colours)


def info_header(width, height, bpp, image_size, colours, compression=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, image_size, 0, 0, colours, 0)


def pack_rows(pixels, bpp):
    """Bottom-up rows of palette indices, each padded to a 32-bit boundary."""
    per_byte = 8 // bpp
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for x in range(0, len(row), per_byte):
            byte = 0
            for i in range(per_byte):
                value = row[x + i] if x + i < len(row) else 0
                byte |= value << (8 - bpp * (i + 1))
            line.append(byte)
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def rle4_rows(pixels):
    """Bottom-up rows of 16-colour indices, run-length encoded (BI_RLE4): each run is a count
    and a byte of two colours that alternate, every row ends with 0 0 and the bitmap with 0 1."""
    out = bytearray()
    for row in reversed(pixels):
        x = 0
        while x < len(row):
            pair = (row[x], row[x + 1] if x + 1 < len(row) else row[x])
            n = 1
            while x + n < len(row) and n < 255 and row[x + n] == pair[n % 2]:
                n += 1
            out += bytes((n, pair[0] << 4 | pair[1]))
            x += n
        out += b"\0\0"
    out += b"\0\1"
    return bytes(out)


def write_bmp(path, pixels, bpp, colours, rle4=False):
    bits = rle4_rows(pixels) if rle4 else pack_rows(pixels, bpp)
    info = info_header(len(pixels[0]), len(pixels), bpp, len(bits), len(colours), 2 if rle4 else 0)
    info += palette_bytes(colours)
    offset = 14 + len(info)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + info + bits)


def icon_image(picture, bpp, colours):
    """One icon image: header, palette, XOR bits, then the AND mask (1 = transparent)."""
    size = len(picture)
    xor = pack_rows([[0 if p is CLEAR else p for p in row] for row in picture], bpp)
    mask = pack_rows([[1 if p is CLEAR else 0 for p in row] for row in picture], 1)
    # The header's height covers both the XOR and the AND bitmap.
    return info_header(size, 2 * size, bpp, len(xor) + len(mask), 0) + palette_bytes(colours) + xor + mask


def write_ico(path, images):
    """images: (picture, bpp, palette) tuples."""
    blobs = [icon_image(*image) for image in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (picture, bpp, colours), blob in zip(images, blobs):
        size = len(picture)
        directory += struct.pack("<BBBBHHII", size, size, len(colours) % 256, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(directory + b"".join(blobs))


# --- drawing helpers ----------------------------------------------------------

def canvas(width, height, fill):
    return [[fill] * width for _ in range(height)]


def fill_rect(pic, x0, y0, x1, y1, value):
    """Fills the inclusive rectangle (x0, y0)-(x1, y1)."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            pic[y][x] = value


def box(pic, x0, y0, x1, y1, edge, inside):
    fill_rect(pic, x0, y0, x1, y1, edge)
    fill_rect(pic, x0 + 1, y0 + 1, x1 - 1, y1 - 1, inside)


def stamp(pic, glyph, x0, y0, mapping):
    """Copies a character grid into pic; characters missing from mapping are skipped."""
    for dy, line in enumerate(glyph):
        for dx, ch in enumerate(line):
            if ch in mapping:
                pic[y0 + dy][x0 + dx] = mapping[ch]


def outlined(shape, edge, inside):
    """A picture of a boolean shape: its border pixels in edge, the rest in inside."""
    h, w = len(shape), len(shape[0])

    def solid(x, y):
        return 0 <= x < w and 0 <= y < h and shape[y][x]

    pic = canvas(w, h, CLEAR)
    for y in range(h):
        for x in range(w):
            if shape[y][x]:
                border = not all(solid(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                pic[y][x] = edge if border else inside
    return pic


# --- the logo -----------------------------------------------------------------

LOGO_WIDTH, LOGO_HEIGHT = 199, 48
LOGO_TEXT = "Tavrolin"
LOGO_POINTS = 40
SHADOW = 2  # offset of the dark-red shadow, right and down


def text_mask(text, points):
    """The text as a cropped grid of booleans, thresholded from ImageMagick's rendering."""
    w, h = 4 * points * len(text) // 3, 3 * points
    gray = subprocess.run(
        [CONVERT, "-size", f"{w}x{h}", "xc:black", "-font", FONT, "-pointsize", str(points),
         "-fill", "white", "-gravity", "center", "-annotate", "+0+0", text,
         "-depth", "8", "gray:-"],
        check=True, stdout=subprocess.PIPE).stdout
    rows = [[gray[y * w + x] >= 128 for x in range(w)] for y in range(h)]
    ys = [y for y in range(h) if any(rows[y])]
    xs = [x for x in range(w) if any(row[x] for row in rows)]
    return [row[xs[0]:xs[-1] + 1] for row in rows[ys[0]:ys[-1] + 1]]


def logo():
    mask = text_mask(LOGO_TEXT, LOGO_POINTS)
    th, tw = len(mask), len(mask[0])
    # Centre the lettering together with its shadow.
    left = (LOGO_WIDTH - (tw + SHADOW)) // 2
    top = (LOGO_HEIGHT - (th + SHADOW)) // 2
    if left < 2 or top < 2:
        raise SystemExit(f"logo text {tw}x{th} does not fit {LOGO_WIDTH}x{LOGO_HEIGHT}")
    pic = canvas(LOGO_WIDTH, LOGO_HEIGHT, WHITE)
    for offset, colour in ((SHADOW, MAROON), (0, RED)):
        for y in range(th):
            for x in range(tw):
                if mask[y][x]:
                    pic[top + offset + y][left + offset + x] = colour
    return pic


# --- the page icon: a display screen ------------------------------------------

def monitor(edge, face, bezel_light, bezel_dark, screen, glare, led):
    pic = canvas(32, 32, CLEAR)
    # Case with clipped corners.
    box(pic, 1, 2, 30, 23, edge, face)
    for x, y in ((1, 2), (30, 2), (1, 23), (30, 23)):
        pic[y][x] = CLEAR
    # Bevel of the front: lit from the top left.
    fill_rect(pic, 2, 3, 29, 3, bezel_light)
    fill_rect(pic, 2, 3, 2, 22, bezel_light)
    fill_rect(pic, 3, 22, 29, 22, bezel_dark)
    fill_rect(pic, 29, 4, 29, 22, bezel_dark)
    # Sunken screen.
    box(pic, 4, 5, 27, 19, edge, screen)
    # A glint in the screen's top-left corner and a power light on the bezel.
    for x, y in ((6, 6), (7, 6), (8, 6), (5, 7), (5, 8), (5, 9)):
        pic[y][x] = glare
    fill_rect(pic, 25, 21, 26, 21, led)
    # Neck and foot.
    box(pic, 12, 23, 19, 26, edge, bezel_dark)
    box(pic, 7, 26, 24, 29, edge, face)
    fill_rect(pic, 8, 27, 23, 27, bezel_light)
    return pic


def page_icon():
    colour = monitor(BLACK, SILVER, WHITE, GREY, TEAL, AQUA, LIME)
    mono = monitor(M_BLACK, M_WHITE, M_WHITE, M_WHITE, M_BLACK, M_WHITE, M_BLACK)
    return colour, mono


# --- the question icon: a speech bubble with a question mark -------------------

QUESTION_MARK = [
    "..######..",
    ".########.",
    "###....###",
    "###....###",
    ".......###",
    "......###.",
    ".....###..",
    "....###...",
    "....###...",
    "....###...",
    "..........",
    "....###...",
    "....###...",
]


def bubble_shape():
    """An oval balloon with a tail towards the bottom left."""
    shape = [[False] * 32 for _ in range(32)]
    cx, cy, rx, ry = 16.0, 12.0, 14.9, 11.4
    for y in range(32):
        for x in range(32):
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0:
                shape[y][x] = True
    # Tail: a wedge from the balloon's underside down to a point at (4, 30).
    for y in range(17, 31):
        t = (y - 17) / 13.0
        x_left = round(8 - 4 * t)
        x_right = round(14 - 10 * t)
        for x in range(x_left, x_right + 1):
            shape[y][x] = True
    return shape


def question_icon():
    shape = bubble_shape()
    at = (11, 5)
    colour = outlined(shape, BLACK, WHITE)
    stamp(colour, QUESTION_MARK, *at, {"#": BLUE})
    mono = outlined(shape, M_BLACK, M_WHITE)
    stamp(mono, QUESTION_MARK, *at, {"#": M_BLACK})
    return colour, mono


# --- output -------------------------------------------------------------------

def main():
    # The logo is mostly long runs of one colour: run-length encoded it takes a third of the room
    # in the DLL, and LoadBitmap decodes it as every Windows does.
    write_bmp(os.path.join(RES, "logo.bmp"), logo(), 4, VGA, rle4=True)
    for name, (colour, mono) in (("page.ico", page_icon()), ("question.ico", question_icon())):
        write_ico(os.path.join(RES, name), [(colour, 4, VGA), (mono, 1, MONO)])


if __name__ == "__main__":
    main()
