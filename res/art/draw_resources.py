#!/usr/bin/env python3
"""Draws Velmora's icons and bitmaps and writes them into res/.

Icons and menu images are pixel maps, one character a pixel, so they can be retouched by hand;
the larger picture is made of shaded shapes. Only the standard library is used, so any bare
Python 3 can re-run it: the ICO and BMP records are packed with struct.
"""
import math
import os
import struct
import zlib

RES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Icons and menu images use the 16 colours every Windows display has, in their usual order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
(BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE) = VGA
CLEAR = None  # transparent: masked out in an icon

# K outline, d housing, l and w bevel and gleam, T drum top,
# D drum body with H its highlight and S its shaded side.
ICON_LEGEND = {".": CLEAR, "K": BLACK, "d": GREY, "l": SILVER, "w": WHITE,
               "D": BLUE, "H": CYAN, "S": NAVY, "T": SILVER}

# Each lamp has a body letter, a glint letter and a rim digit; see icon_legend.
LAMPS = (("R", "r", "1", RED, DARK_RED), ("Y", "y", "2", YELLOW, OLIVE), ("G", "g", "3", GREEN, DARK_GREEN))

# The tray states share one drawing and differ only in the lit lamp, so they read alike.
ICON_32 = """
.....................KKKKKKKKKK.
....................KddddddddddK
....................KdddKKKKdddK
....................KddKRRRRKddK
....................KdKRrrRRRKdK
....KKKKKKKKKK......KdKRrRRRRKdK
..KKTTTTTTTTTTKK....KdKRRRRRRKdK
.KTTTTTTTTTTTTTTK...KdKRRRRRRKdK
KTTTTTTTTTTTTTTTTK..KddKRRRRKddK
KKTTTTTTTTTTTTTTKK..KdddKKKKdddK
KDKKTTTTTTTTTTKKSK..KddddddddddK
KDHHKKKKKKKKKKSSSK..KddddddddddK
KDHHDDDDDDDDDDSSSK..KdddKKKKdddK
KDHHDDDDDDDDDDSSSK..KddKYYYYKddK
KDHHDDDDDDDDDDSSSK..KdKYyyYYYKdK
KKHHDDDDDDDDDDSSKK..KdKYyYYYYKdK
KDKKDDDDDDDDDDKKSK..KdKYYYYYYKdK
KDHHKKKKKKKKKKSSSK..KdKYYYYYYKdK
KDHHDDDDDDDDDDSSSK..KddKYYYYKddK
KDHHDDDDDDDDDDSSSK..KdddKKKKdddK
KDHHDDDDDDDDDDSSSK..KddddddddddK
KKHHDDDDDDDDDDSSKK..KddddddddddK
KDKKDDDDDDDDDDKKSK..KdddKKKKdddK
KDHHKKKKKKKKKKSSSK..KddKGGGGKddK
KDHHDDDDDDDDDDSSSK..KdKGggGGGKdK
KDHHDDDDDDDDDDSSSK..KdKGgGGGGKdK
KDHHDDDDDDDDDDSSSK..KdKGGGGGGKdK
KDHHDDDDDDDDDDSSSK..KdKGGGGGGKdK
.KHHDDDDDDDDDDSSK...KddKGGGGKddK
..KKDDDDDDDDDDKK....KdddKKKKdddK
....KKKKKKKKKK......KddddddddddK
.....................KKKKKKKKKK.
"""

ICON_16 = """
..........KKKKKK
..........KKRRKK
..KKKK....KRRRRK
.KTTTTK...KRRRRK
KTTTTTTK..KKRRKK
KKTTTTKK..KKKKKK
KHKKKKSK..KKYYKK
KHDDDDSK..KYYYYK
KHDDDDSK..KYYYYK
KHDDDDSK..KKYYKK
KHKKKKSK..KKKKKK
KHDDDDSK..KKGGKK
KHDDDDSK..KGGGGK
KHDDDDSK..KGGGGK
.KDDDSK...KKGGKK
..KKKK....KKKKKK
"""

# The about box shows the icon large, so this one adds bevel, gleam and round lamps.
INFO_32 = """
.....................KKKKKKKKKK.
....................KllllllllldK
....................KlddKKKKdddK
....................KldKRRRRKddK
....................KlKRrrRRRKdK
....KKKKKKKKKK......KlKRrRRRRKdK
..KKwwwwllllllKK....KlKRRRRR1KdK
.KwwllllllllllllK...KlKRRRR11KdK
KwlllllllllllllllK..KldK1111KddK
KKllllllllllllddKK..KlddKKKKdddK
KDKKddddddddddKKSK..KldddddddddK
KDHHKKKKKKKKKKSSSK..KldddddddddK
KDHHDDDDDDDDDDSSSK..KlddKKKKdddK
KDHHDDDDDDDDDDSSSK..KldKYYYYKddK
KDHHDDDDDDDDDDSSSK..KlKYyyYYYKdK
KKHHDDDDDDDDDDSSKK..KlKYyYYYYKdK
KDKKDDDDDDDDDDKKSK..KlKYYYYY2KdK
KDHHKKKKKKKKKKSSSK..KlKYYYY22KdK
KDHHDDDDDDDDDDSSSK..KldK2222KddK
KDHHDDDDDDDDDDSSSK..KlddKKKKdddK
KDHHDDDDDDDDDDSSSK..KldddddddddK
KKHHDDDDDDDDDDSSKK..KldddddddddK
KDKKDDDDDDDDDDKKSK..KlddKKKKdddK
KDHHKKKKKKKKKKSSSK..KldKGGGGKddK
KDHHDDDDDDDDDDSSSK..KlKGggGGGKdK
KDHHDDDDDDDDDDSSSK..KlKGgGGGGKdK
KDHHDDDDDDDDDDSSSK..KlKGGGGG3KdK
KDHHDDDDDDDDDDSSSK..KlKGGGG33KdK
.KHHDDDDDDDDDDSSK...KldK3333KddK
..KKDDDDDDDDDDKK....KlddKKKKdddK
....KKKKKKKKKK......KldddddddddK
.....................KKKKKKKKKK.
"""

# Menu images: black on white like the menu text they stand beside.
RESTORE = """
..............
....#########.
....#.......#.
....#.......#.
.#########..#.
.#########..#.
.#.......#..#.
.#.......#..#.
.#.......####.
.#.......#....
.#.......#....
.#.......#....
.#########....
..............
"""

CLOSE = """
..............
..............
..##......##..
..###....###..
...###..###...
....######....
.....####.....
.....####.....
....######....
...###..###...
..###....###..
..##......##..
..............
..............
"""

STOP = """
..............
..............
..............
...########...
...########...
...########...
...########...
...########...
...########...
...########...
...########...
..............
..............
..............
"""

START = """
..............
....#.........
....##........
....###.......
....####......
....#####.....
....######....
....######....
....#####.....
....####......
....###.......
....##........
....#.........
..............
"""

MENU_LEGEND = {"#": BLACK, ".": WHITE}


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def fill(self, inside, paint):
        """Sets every pixel the shape `inside` holds; `paint` is a colour or a function of x, y."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x, y):
                    self.pixels[y][x] = paint(x, y) if callable(paint) else paint

    def outline(self, inside, colour):
        self.fill(lambda x, y: inside(x, y) and not all(
            inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))), colour)


def from_map(text, legend):
    rows = text.strip("\n").split("\n")
    canvas = Canvas(len(rows[0]), len(rows), CLEAR)
    canvas.pixels = [[legend[char] for char in row] for row in rows]
    assert all(len(row) == canvas.width for row in rows), "ragged pixel map"
    return canvas


def icon_legend(lit):
    """A dark lamp keeps a dim tint of its colour so the three states stay told apart by position and hue."""
    legend = dict(ICON_LEGEND)
    for index, (body, glint, rim, bright, dark) in enumerate(LAMPS):
        on = index in lit
        legend[body] = bright if on else dark
        legend[glint] = WHITE if on else dark
        legend[rim] = dark
    return legend


# Shapes for the picture: predicates of x, y, bounds inclusive.
def box(left, top, right, bottom):
    return lambda x, y: left <= x <= right and top <= y <= bottom


def ellipse(left, top, right, bottom):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    rx, ry = (right - left + 1) / 2, (bottom - top + 1) / 2
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def lower_edge(shape):
    return lambda x, y: shape(x, y) and not shape(x, y + 1)


def scaled(colour, factor):
    # Coarse steps keep the picture's palette well under 256 entries.
    factor = round(factor * 16) / 16
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def mixed(colour, other, amount):
    amount = round(amount * 8) / 8
    return tuple(round(a + (b - a) * amount) for a, b in zip(colour, other))


def lit_from_left(colour, left, right):
    """Shades a cylinder lit from the front left: brightest a third of the way across."""
    def paint(x, y):
        across = (x - left) / max(1, right - left)
        return scaled(colour, 0.55 + 0.6 * math.cos((across - 0.3) * 1.9))
    return paint


def glowing(colour, cx, cy, radius):
    """Shades a lamp whitening towards a glint above left of its centre."""
    return lambda x, y: mixed(colour, WHITE, max(0.0, 0.7 - math.hypot(x - cx, y - cy) / radius))


INK = (24, 28, 40)


def shaded_drum(canvas, left, top, right, bottom, colour, platters):
    rim = (right - left) // 4
    cap = ellipse(left, top, right, top + rim)
    side = box(left, top + rim // 2, right, bottom - rim // 2)
    body = union(side, ellipse(left, bottom - rim, right, bottom))
    canvas.fill(body, lit_from_left(colour, left, right))
    edge = lower_edge(ellipse(left, 0, right, rim))
    step = (bottom - top - rim) / platters
    for number in range(1, platters):
        seam = round(top + number * step)
        # A dark seam with the next platter's lit rim below it.
        canvas.fill(lambda x, y: edge(x, y - seam - 1), lit_from_left(mixed(colour, WHITE, 0.4), left, right))
        canvas.fill(lambda x, y: edge(x, y - seam), scaled(colour, 0.45))
    canvas.outline(union(cap, body), INK)
    canvas.fill(cap, lambda x, y: mixed(colour, WHITE, 0.8 - abs(x - left - (right - left) * 0.37) / (right - left + 9)))
    canvas.outline(cap, INK)


def shaded_traffic_light(canvas, left, top, right, bottom, scale=1):
    corner, inset, glint = round(scale), round(4 * scale), round(5 * scale)
    housing = union(box(left + corner, top, right - corner, bottom), box(left, top + corner, right, bottom - corner))
    canvas.fill(housing, lit_from_left((70, 72, 78), left, right))
    canvas.outline(housing, INK)
    slot = (bottom - top - 2) // 3
    for index, (_, _, _, bright, _) in enumerate(LAMPS):
        lamp_left, lamp_top, lamp_right = left + inset, top + 2 * corner + slot * index, right - inset
        lamp_bottom = lamp_top + lamp_right - lamp_left
        canvas.fill(ellipse(lamp_left, lamp_top, lamp_right, lamp_bottom), (30, 30, 34))
        canvas.fill(ellipse(lamp_left + corner, lamp_top + corner, lamp_right - corner, lamp_bottom - corner),
                    glowing(bright, lamp_left + glint, lamp_top + glint, (lamp_right - lamp_left) / 2))


def picture(scale=1):
    """The same shapes at `scale` times 70 x 100, for displays that enlarge by that much."""
    def at(*values):
        return [round(value * scale) for value in values]
    canvas = Canvas(*at(70, 100), (236, 240, 244))
    shaded_drum(canvas, *at(9, 58, 60, 97), (80, 120, 190), platters=3)
    post_left, post_top, post_right, post_bottom = at(32, 54, 37, 64)
    post = box(post_left, post_top, post_right, post_bottom)  # the light stands on the middle of the drum's top
    canvas.fill(post, lit_from_left((150, 150, 156), post_left, post_right))
    canvas.outline(post, INK)
    shaded_traffic_light(canvas, *at(23, 2, 46, 55), scale)
    return canvas


def packed_rows(canvas, bits, index_of):
    """Rows bottom-up, `bits` per pixel, each padded to a multiple of 4 bytes, as BMP and ICO store them."""
    data = bytearray()
    for row in reversed(canvas.pixels):
        value, count, line = 0, 0, bytearray()
        for pixel in row:
            value, count = (value << bits) | index_of(pixel), count + bits
            if count == 8:
                line.append(value)
                value, count = 0, 0
        if count:
            line.append(value << (8 - count))
        line.extend(b"\0" * (-len(line) % 4))
        data += line
    return bytes(data)


def palette_bytes(colours, entries):
    data = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return data + b"\0" * (4 * entries - len(data))


def info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def vga_index(pixel):
    return VGA.index(BLACK if pixel is CLEAR else pixel)


def write(name, data):
    with open(os.path.join(RES, name), "wb") as out:
        out.write(data)


# The sizes Windows asks for beyond the classic two, from 125 % to 200 % and for large views.
TRUE_COLOUR_SIZES = (20, 24, 40, 48, 64, 256)
HALO = (255, 255, 255, 160)  # light enough to carry the black outline on a dark taskbar


def enlarged(canvas, size):
    """The drawing scaled to `size` less a pixel each side, hard-edged, with a halo in that pixel."""
    inner = size - 2
    big = Canvas(size, size, CLEAR)
    for y in range(inner):
        for x in range(inner):
            big.pixels[y + 1][x + 1] = canvas.pixels[y * canvas.height // inner][x * canvas.width // inner]
    opaque = [[pixel is not CLEAR for pixel in row] for row in big.pixels]
    drawn = lambda x, y: 0 <= x < size and 0 <= y < size and opaque[y][x]
    big.fill(lambda x, y: not drawn(x, y) and any(drawn(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)),
             HALO)
    return big


def rgba(pixel):
    if pixel is CLEAR:
        return (0, 0, 0, 0)
    return pixel if len(pixel) == 4 else pixel + (255,)


def png(canvas):
    rows = b"".join(b"\0" + bytes(channel for pixel in row for channel in rgba(pixel)) for row in canvas.pixels)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def classic_image(canvas):
    xor = packed_rows(canvas, 4, vga_index)
    mask = packed_rows(canvas, 1, lambda pixel: 1 if pixel is CLEAR else 0)
    # An icon's header counts the XOR and AND rows together, hence twice the height.
    header = info_header(canvas.width, 2 * canvas.height, 4, len(xor) + len(mask), 16)
    return 4, header + palette_bytes(VGA, 16) + xor + mask


def true_colour_image(canvas):
    if canvas.width == 256:
        return 32, png(canvas)
    colours = b"".join(bytes((b, g, r, a)) for row in reversed(canvas.pixels) for r, g, b, a in map(rgba, row))
    mask = packed_rows(canvas, 1, lambda pixel: 1 if rgba(pixel)[3] == 0 else 0)
    header = info_header(canvas.width, 2 * canvas.height, 32, len(colours) + len(mask), 0)
    return 32, header + colours + mask


def write_icon(name, large, small):
    """The classic 32 and 16 pixel images in 16 colours first, then the larger sizes in 32 bits."""
    images = [(large, *classic_image(large)), (small, *classic_image(small))]
    for size in TRUE_COLOUR_SIZES:
        canvas = enlarged(small if size < 32 else large, size)
        images.append((canvas, *true_colour_image(canvas)))
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for canvas, bits, image in images:
        colours = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, colours, 0, 1, bits,
                                 len(image), offset)
        offset += len(image)
    write(name, directory + b"".join(image for _, _, image in images))


def write_bitmap(name, canvas, bits):
    entries = 1 << bits
    colours = VGA if bits == 4 else sorted({pixel for row in canvas.pixels for pixel in row})
    assert len(colours) <= entries, f"{name} needs {len(colours)} colours"
    index = {colour: number for number, colour in enumerate(colours)}
    pixels = packed_rows(canvas, bits, index.__getitem__)
    header = info_header(canvas.width, canvas.height, bits, len(pixels), entries)
    offset = 14 + len(header) + 4 * entries
    write(name, struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
          + header + palette_bytes(colours, entries) + pixels)


def main():
    for name, lit in (("app.ico", {0, 1, 2}), ("stopped.ico", {0}), ("mixed.ico", {1}), ("running.ico", {2})):
        legend = icon_legend(lit)
        write_icon(name, from_map(ICON_32, legend), from_map(ICON_16, legend))
    everything = icon_legend({0, 1, 2})
    write_icon("info.ico", from_map(INFO_32, everything), from_map(ICON_16, everything))
    for name, scale in (("picture.bmp", 1), ("picture150.bmp", 1.5), ("picture200.bmp", 2)):
        write_bitmap(name, picture(scale), 8)
    menu = (("restore.bmp", RESTORE), ("close.bmp", CLOSE), ("stop.bmp", STOP), ("start.bmp", START))
    for name, drawing in menu:
        write_bitmap(name, from_map(drawing, MENU_LEGEND), 4)


if __name__ == "__main__":
    main()
