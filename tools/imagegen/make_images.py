#!/usr/bin/env python3
"""Draws the setup library's images and writes them in the forms its resources need.

    setup.ico   icon group 128: one 32 x 32 image with 16 colours (a wheel mouse)
    side.bmp    bitmap 129: 121 x 262 pixels, 24 bits per pixel (the wizard's side picture)
    copy.avi    clip 131: RIFF AVI, 17 frames of 260 x 40, 8-bit RLE, 100 ms a frame
                (a sheet flying from one folder into another)

Run it from anywhere: python3 tools/imagegen/make_images.py [output folder]. The files in
src/resources/images are its output; a test checks that they are what it makes.
"""
import math
import os
import struct
import sys

# The 16 colours of the standard VGA palette, as (red, green, blue).
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, SILVER, WHITE, BLUE, NAVY = 0, 8, 7, 15, 12, 4


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def mouse_pixel(x, y, scale=1.0, ox=0.0, oy=0.0):
    """The colour index of the wheel mouse at (x, y) of a 32 x 32 grid, or None outside."""
    x = (x - ox) / scale
    y = (y - oy) / scale
    cx, cy, rx, ry = 15.5, 16.5, 11.0, 14.5
    if not inside_ellipse(x, y, cx, cy, rx, ry):
        return None
    if not inside_ellipse(x, y, cx, cy, rx - 1.2, ry - 1.2):
        return BLACK                       # outline
    if 14.5 <= x <= 16.5 and 5 <= y <= 11:
        return BLUE                        # the wheel
    if abs(x - 15.5) < 0.6 and y < 14:
        return GREY                        # the gap between the buttons
    if abs(y - 14) < 0.6:
        return GREY                        # the edge of the buttons
    if not inside_ellipse(x + 2.5, y + 1.0, cx, cy, rx - 1.2, ry - 1.2):
        return SILVER                      # shading along the right edge
    return WHITE


def make_icon():
    size = 32
    rows = []                               # top-down colour indexes; None is transparent
    for y in range(size):
        rows.append([mouse_pixel(x, y) for x in range(size)])
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):              # bitmaps are stored bottom-up
        for x in range(0, size, 2):
            hi = row[x] if row[x] is not None else BLACK
            lo = row[x + 1] if row[x + 1] is not None else BLACK
            xor.append((hi << 4) | lo)
        bits = 0
        for x, value in enumerate(row):
            if value is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in VGA16)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def make_side_bitmap():
    width, height = 121, 262
    pixels = []                             # top-down rows of (r, g, b)
    for y in range(height):
        row = []
        for x in range(width):
            t = y / (height - 1)
            r, g, b = int(20 + 20 * t), int(60 + 40 * t), int(200 - 110 * t)
            # Soft rings that a scrolling wheel leaves.
            ring = math.hypot(x - 60, y - 190)
            if int(ring) % 14 in (0, 1) and ring < 90:
                r, g, b = min(255, r + 40), min(255, g + 50), min(255, b + 40)
            row.append((r, g, b))
        pixels.append(row)
    # The mouse, three times the icon's size, in the upper half.
    for y in range(height):
        for x in range(width):
            index = mouse_pixel(x, y, scale=3.0, ox=12.0, oy=20.0)
            if index is not None:
                pixels[y][x] = VGA16[index]
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for (r, g, b) in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


# The clip's palette: index 0 is the background the control makes transparent.
CLIP_PALETTE = [
    (255, 0, 255),   # 0 background (transparent)
    (0, 0, 0),       # 1 outline
    (255, 214, 80),  # 2 folder
    (200, 150, 40),  # 3 folder shade
    (255, 255, 255), # 4 sheet
    (120, 120, 120), # 5 sheet lines
    (0, 0, 220),     # 6 wheel blue
]


def draw_folder(frame, left, top, width, height):
    for y in range(top, top + height):
        for x in range(left, left + width):
            edge = y in (top, top + height - 1) or x in (left, left + width - 1)
            frame[y][x] = 1 if edge else (3 if y < top + 4 else 2)
    for x in range(left + 2, left + 12):     # the tab
        frame[top - 2][x] = 1
        frame[top - 1][x] = 3


def draw_sheet(frame, left, top):
    for y in range(top, top + 14):
        for x in range(left, left + 11):
            if 0 <= y < 40 and 0 <= x < 260:
                edge = y in (top, top + 13) or x in (left, left + 10)
                line = (y - top) % 3 == 0 and left + 2 <= x <= left + 8
                frame[y][x] = 1 if edge else (5 if line else 4)


def clip_frame(n, count):
    frame = [[0] * 260 for _ in range(40)]
    draw_folder(frame, 8, 14, 40, 24)
    draw_folder(frame, 212, 14, 40, 24)
    t = n / (count - 1)
    x = int(30 + (200 - 30) * t)
    y = int(18 - 16 * math.sin(math.pi * t))
    draw_sheet(frame, x, y)
    for i in range(3):                      # the wheel's mark under the flight
        frame[36][120 + i * 8 + n % 8] = 6
    return frame


def rle8(frame):
    """BI_RLE8 encoding of a top-down frame: encoded runs only, one end of line a row."""
    out = bytearray()
    rows = list(reversed(frame))
    for number, row in enumerate(rows):
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and row[x + run] == row[x] and run < 255:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += bytes((0, 0)) if number < len(rows) - 1 else bytes((0, 1))
    return bytes(out)


def chunk(fourcc, data):
    padded = data + (b"\0" if len(data) % 2 else b"")
    return fourcc + struct.pack("<I", len(data)) + padded


def make_clip():
    count, width, height = 17, 260, 40
    frames = [rle8(clip_frame(n, count)) for n in range(count)]
    largest = max(len(f) for f in frames)
    avih = struct.pack("<IIIIIIIIII4I", 100000, largest * 10, 0, 0x10, count, 0, 1, largest, width, height,
                       0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"RLE ", 0, 0, 0, 0, 1, 10, 0, count, largest,
                       0xFFFFFFFF, 0, 0, 0, width, height)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in CLIP_PALETTE)
    palette += bytes(4 * (256 - len(CLIP_PALETTE)))
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, largest, 0, 0, 256, 0) + palette
    strl = b"LIST" + struct.pack("<I", 4 + len(chunk(b"strh", strh)) + len(chunk(b"strf", strf))) + b"strl" + \
        chunk(b"strh", strh) + chunk(b"strf", strf)
    hdrl_body = b"hdrl" + chunk(b"avih", avih) + strl
    hdrl = b"LIST" + struct.pack("<I", len(hdrl_body)) + hdrl_body
    movi_body = b"movi"
    index = bytearray()
    for data in frames:
        offset = len(movi_body)              # from the 'movi' four-character code
        movi_body += chunk(b"00dc", data)
        index += struct.pack("<4sIII", b"00dc", 0x10, offset, len(data))
    movi = b"LIST" + struct.pack("<I", len(movi_body)) + movi_body
    body = b"AVI " + hdrl + movi + chunk(b"idx1", bytes(index))
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "src", "resources", "images")
    os.makedirs(target, exist_ok=True)
    for name, data in (("setup.ico", make_icon()), ("side.bmp", make_side_bitmap()), ("copy.avi", make_clip())):
        with open(os.path.join(target, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
