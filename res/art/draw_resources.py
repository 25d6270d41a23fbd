#!/usr/bin/env python3
"""Draws Velmora's icons and bitmaps and writes them into res/.

The images are made of a few shapes on a pixel grid, so a change is a change of numbers here.
Only the standard library is used: the ICO and BMP records are written byte by byte.
"""
import os
import struct

RES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The 16 colours every Windows display can show, as (red, green, blue).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_RED, DARK_GREEN, DARK_YELLOW, DARK_BLUE, DARK_CYAN = 0, 1, 2, 3, 4, 6
LIGHT_GREY, GREY, RED, GREEN, YELLOW, BLUE, CYAN, WHITE = 7, 8, 9, 10, 11, 12, 14, 15
CLEAR = -1  # transparent in an icon

LAMPS = [(RED, DARK_RED), (YELLOW, DARK_YELLOW), (GREEN, DARK_GREEN)]  # top to bottom: lit, dark


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def rect(self, left, top, right, bottom, colour):
        """Fills the rectangle including its right and bottom edges."""
        for y in range(max(top, 0), min(bottom, self.height - 1) + 1):
            for x in range(max(left, 0), min(right, self.width - 1) + 1):
                self.pixels[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        self.rect(left, top, right, top, colour)
        self.rect(left, bottom, right, bottom, colour)
        self.rect(left, top, left, bottom, colour)
        self.rect(right, top, right, bottom, colour)

    def ellipse(self, left, top, right, bottom, colour):
        cx, cy = (left + right) / 2, (top + bottom) / 2
        rx, ry = (right - left + 1) / 2, (bottom - top + 1) / 2
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                if ((x + 0.5 - cx - 0.5) / rx) ** 2 + ((y + 0.5 - cy - 0.5) / ry) ** 2 <= 1.0:
                    if 0 <= x < self.width and 0 <= y < self.height:
                        self.pixels[y][x] = colour

    def bordered_ellipse(self, left, top, right, bottom, colour, border=BLACK):
        self.ellipse(left, top, right, bottom, border)
        self.ellipse(left + 1, top + 1, right - 1, bottom - 1, colour)


def drum(canvas, left, top, right, bottom, cap):
    """A database cylinder: a body between two ellipses, the top one lighter."""
    cap_height = max(3, (bottom - top) // 4)
    canvas.bordered_ellipse(left, bottom - cap_height, right, bottom, DARK_CYAN)
    canvas.rect(left, top + cap_height // 2, right, bottom - cap_height // 2, BLACK)
    canvas.rect(left + 1, top + cap_height // 2, right - 1, bottom - cap_height // 2, DARK_CYAN)
    if cap >= 5:  # a lighter stripe down the body reads as a curved surface
        stripe = left + (right - left) // 4
        canvas.rect(stripe, top + cap_height, stripe + max(1, (right - left) // 8),
                    bottom - cap_height // 2 - 1, CYAN)
    canvas.bordered_ellipse(left, top, right, top + cap_height, CYAN)


def traffic_light(canvas, left, top, right, bottom, lit):
    """A housing with three lamps; `lit` holds the indices (0 top .. 2 bottom) that shine."""
    canvas.rect(left, top, right, bottom, BLACK)
    canvas.rect(left + 1, top + 1, right - 1, bottom - 1, GREY if right - left > 6 else BLACK)
    slot = (bottom - top + 1) / 3
    size = min(right - left - 1, int(slot) - 1)
    for index, (bright, dark) in enumerate(LAMPS):
        lamp_top = top + int(index * slot + (slot - size) / 2)
        lamp_left = left + (right - left + 1 - size) // 2
        colour = bright if index in lit else dark
        if size >= 5:
            canvas.bordered_ellipse(lamp_left, lamp_top, lamp_left + size - 1, lamp_top + size - 1, colour)
        else:
            canvas.rect(lamp_left, lamp_top, lamp_left + size - 1, lamp_top + size - 1, colour)


def icon_image(size, lit):
    canvas = Canvas(size, size, CLEAR)
    if size == 32:
        drum(canvas, 0, 7, 17, 29, cap=6)
        traffic_light(canvas, 20, 0, 31, 31, lit)
    else:
        drum(canvas, 0, 3, 8, 15, cap=3)
        traffic_light(canvas, 10, 0, 15, 15, lit)
    return canvas


def fine_icon_image(lit):
    """The about box's larger rendering: shading on the drum and rims on the lamps."""
    canvas = Canvas(32, 32, CLEAR)
    drum(canvas, 0, 6, 18, 30, cap=8)
    canvas.rect(1, 17, 17, 17, BLACK)  # the drum's rings
    canvas.rect(1, 23, 17, 23, BLACK)
    traffic_light(canvas, 20, 0, 31, 31, lit)
    canvas.rect(25, 0, 26, 0, LIGHT_GREY)
    return canvas


def packed_rows(canvas, bits, value_of):
    """Rows bottom-up, `bits` per pixel, each padded to a multiple of 4 bytes."""
    data = bytearray()
    for row in reversed(canvas.pixels):
        accumulated, count, line = 0, 0, bytearray()
        for pixel in row:
            accumulated = (accumulated << bits) | value_of(pixel)
            count += bits
            if count == 8:
                line.append(accumulated)
                accumulated, count = 0, 0
        if count:
            line.append(accumulated << (8 - count))
        line.extend(b"\0" * (-len(line) % 4))
        data += line
    return bytes(data)


def palette(colours, entries):
    data = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return data + b"\0" * (4 * entries - len(data))


def info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def write_icon(name, canvases):
    images = []
    for canvas in canvases:
        xor = packed_rows(canvas, 4, lambda p: BLACK if p == CLEAR else p)
        mask = packed_rows(canvas, 1, lambda p: 1 if p == CLEAR else 0)
        header = info_header(canvas.width, canvas.height * 2, 4, len(xor) + len(mask), 16)
        images.append((canvas, header + palette(VGA, 16) + xor + mask))
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for canvas, image in images:
        data += struct.pack("<BBBBHHII", canvas.width, canvas.height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, image in images)
    with open(os.path.join(RES, name), "wb") as out:
        out.write(data)


def write_bitmap(name, canvas, bits):
    colours = 1 << bits
    pixels = packed_rows(canvas, bits, lambda p: p)
    header = info_header(canvas.width, canvas.height, bits, len(pixels), colours)
    body = header + palette(VGA, colours) + pixels
    with open(os.path.join(RES, name), "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, 14 + len(header) + 4 * colours) + body)


def picture():
    canvas = Canvas(70, 100, LIGHT_GREY)
    traffic_light(canvas, 22, 3, 47, 62, {0, 1, 2})
    canvas.rect(33, 63, 36, 66, GREY)
    drum(canvas, 10, 66, 59, 97, cap=10)
    return canvas


def menu_image(draw):
    canvas = Canvas(14, 14, WHITE)
    draw(canvas)
    return canvas


def restore(canvas):
    for left, top in ((4, 1), (1, 5)):
        canvas.rect(left, top, left + 8, top + 7, WHITE)
        canvas.frame(left, top, left + 8, top + 7, BLACK)
        canvas.rect(left, top, left + 8, top + 1, BLACK)


def cross(canvas):
    for i in range(2, 12):
        canvas.rect(i, i, i + 1 if i < 11 else i, i, BLACK)
        canvas.rect(13 - i - 1 if i < 11 else 13 - i, i, 13 - i, i, BLACK)


def square(canvas):
    canvas.rect(3, 3, 10, 10, BLACK)


def triangle(canvas):
    for y in range(2, 13):
        canvas.rect(4, y, 4 + 6 - abs(y - 7), y, BLACK)


def main():
    for name, lit in (("app.ico", {0, 1, 2}), ("stopped.ico", {0}), ("mixed.ico", {1}), ("running.ico", {2})):
        write_icon(name, [icon_image(32, lit), icon_image(16, lit)])
    write_icon("info.ico", [fine_icon_image({0, 1, 2})])
    write_bitmap("picture.bmp", picture(), 8)
    for name, draw in (("restore.bmp", restore), ("close.bmp", cross), ("stop.bmp", square),
                       ("start.bmp", triangle)):
        write_bitmap(name, menu_image(draw), 4)


if __name__ == "__main__":
    main()
