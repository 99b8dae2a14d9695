#!/usr/bin/env python3
"""Turns a text pixel-art source into a Windows .bmp, .ico or .cur file.

Usage: pixelart.py SOURCE.txt OUTPUT.{bmp,ico,cur}

The output's extension picks the file type; the source must say the same kind.

Source format (UTF-8 text, one item per line, blank lines ignored):

    # A line whose first non-blank character is '#' is a comment.
    kind: icon                 icon (.ico), cursor (.cur) or bitmap (.bmp)
    hotspot: 15, 15            cursors only, required: x, y from the top left

    palette:
      . = transparent          icons and cursors only
      ~ = invert               cursors only: inverts the screen below
      K = #4B0082  any note    a colour; words after it are a note for the reader

    image 16x16:
      ....KKKK....             exactly HEIGHT rows of exactly WIDTH characters;
      ...                      leading and trailing blanks are ignored

The header (kind, hotspot) comes first, then one palette, then the images.
A palette character is one printable ASCII character other than a blank or '#'.

What each kind holds:
  bitmap  one image of any size up to 1024x1024, written as a 24-bit BMP
          (bottom-up, rows padded to 4 bytes); no transparent entry.
  icon    one or more square images of distinct sizes up to 256 (e.g. 16x16
          and 32x32), each a 32-bit BGRA DIB with an AND mask; transparent
          pixels have alpha 0 and a set mask bit.
  cursor  one 32x32 image in black, white, transparent and invert only,
          written as a monochrome (1-bit XOR and AND masks) cursor with the
          hot spot in its directory entry.

Any fault in the source is reported as FILE:LINE: message, and the tool exits
with status 1 without writing the output.
"""

import os
import re
import struct
import sys

TRANSPARENT = "transparent"
INVERT = "invert"
KINDS = {"bitmap": ".bmp", "icon": ".ico", "cursor": ".cur"}
MAX_BITMAP_SIDE = 1024
MAX_ICON_SIDE = 256
CURSOR_SIDE = 32


class SourceError(Exception):
    def __init__(self, path, line, message):
        where = f"{path}:{line}" if line else path
        super().__init__(f"{where}: {message}")


class Image:
    def __init__(self, width, height, line):
        self.width = width
        self.height = height
        self.line = line
        self.rows = []  # lists of palette values, top row first


class Source:
    def __init__(self):
        self.kind = None
        self.hotspot = None
        self.palette = {}  # character -> (r, g, b), TRANSPARENT or INVERT
        self.palette_line = None
        self.images = []


def parse_colour(text):
    if text in (TRANSPARENT, INVERT):
        return text
    match = re.fullmatch(r"#([0-9A-Fa-f]{6})", text)
    if not match:
        return None
    value = int(match.group(1), 16)
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def is_pixel_char(ch):
    return "!" <= ch <= "~" and ch != "#"


def parse(path, text):
    src = Source()
    section = "header"  # header, palette, image
    image = None

    def fail(line, message):
        raise SourceError(path, line, message)

    def close_image(line):
        if image is not None and len(image.rows) != image.height:
            fail(line, f"image {image.width}x{image.height} (line {image.line}) has "
                       f"{len(image.rows)} rows, expected {image.height}")

    lines = text.split("\n")
    for number, raw in enumerate(lines, start=1):
        stripped = raw.strip()
        if not stripped or stripped.startswith("#"):
            continue
        if "\t" in raw:
            fail(number, "tab character; use spaces")

        header = re.fullmatch(r"([a-z]+)\s*:\s*(.*)", stripped)
        image_start = re.fullmatch(r"image\s+(\d+)x(\d+)\s*:", stripped)

        if image_start:
            if not src.palette:
                fail(number, "image before any palette entry")
            close_image(number)
            width, height = int(image_start.group(1)), int(image_start.group(2))
            if width < 1 or height < 1:
                fail(number, f"image size {width}x{height} is empty")
            image = Image(width, height, number)
            src.images.append(image)
            section = "image"
        elif stripped == "palette:":
            if section != "header":
                fail(number, "a second palette or a palette after an image")
            if src.kind is None:
                fail(number, "'kind:' must come before the palette")
            section = "palette"
            src.palette_line = number
        elif section == "header":
            if not header:
                fail(number, f"expected 'key: value', 'palette:' or 'image WxH:', got {stripped!r}")
            key, value = header.group(1), header.group(2).strip()
            if key == "kind":
                if src.kind is not None:
                    fail(number, "'kind' given twice")
                if value not in KINDS:
                    fail(number, f"unknown kind {value!r}; expected icon, cursor or bitmap")
                src.kind = value
            elif key == "hotspot":
                if src.hotspot is not None:
                    fail(number, "'hotspot' given twice")
                spot = re.fullmatch(r"(\d+)\s*,\s*(\d+)", value)
                if not spot:
                    fail(number, f"hotspot must be 'x, y', got {value!r}")
                src.hotspot = (int(spot.group(1)), int(spot.group(2)), number)
            else:
                fail(number, f"unknown header key {key!r}")
        elif section == "palette":
            entry = re.fullmatch(r"(\S)\s*=\s*(\S+)(?:\s+.*)?", stripped)
            if not entry:
                fail(number, f"palette entry must be 'C = #RRGGBB', got {stripped!r}")
            ch, colour_text = entry.group(1), entry.group(2)
            if not is_pixel_char(ch):
                fail(number, f"{ch!r} cannot be a palette character")
            if ch in src.palette:
                fail(number, f"palette character {ch!r} defined twice")
            colour = parse_colour(colour_text)
            if colour is None:
                fail(number, f"bad colour {colour_text!r}; expected #RRGGBB, transparent or invert")
            src.palette[ch] = colour
        else:  # a pixel row
            if len(image.rows) == image.height:
                fail(number, f"image {image.width}x{image.height} (line {image.line}) "
                             f"has more than {image.height} rows")
            if len(stripped) != image.width:
                fail(number, f"row has {len(stripped)} pixels, expected {image.width}")
            row = []
            for column, ch in enumerate(stripped):
                if ch not in src.palette:
                    fail(number, f"character {ch!r} at column {column} is not in the palette")
                row.append(src.palette[ch])
            image.rows.append(row)

    close_image(len(lines))
    if src.kind is None:
        fail(0, "missing 'kind:'")
    if not src.images:
        fail(0, "no image")
    return src


def check(path, src, extension):
    def fail(line, message):
        raise SourceError(path, line, message)

    if KINDS[src.kind] != extension:
        fail(0, f"source says kind: {src.kind} ({KINDS[src.kind]}) but the output is a {extension} file")
    if src.hotspot is not None and src.kind != "cursor":
        fail(src.hotspot[2], "only a cursor has a hotspot")
    values = set(src.palette.values())
    if INVERT in values and src.kind != "cursor":
        fail(src.palette_line, "only a cursor can use 'invert'")
    if TRANSPARENT in values and src.kind == "bitmap":
        fail(src.palette_line, "a bitmap has no transparency")

    if src.kind == "bitmap":
        if len(src.images) != 1:
            fail(src.images[1].line, "a bitmap holds exactly one image")
        image = src.images[0]
        if image.width > MAX_BITMAP_SIDE or image.height > MAX_BITMAP_SIDE:
            fail(image.line, f"bitmap larger than {MAX_BITMAP_SIDE}x{MAX_BITMAP_SIDE}")
    elif src.kind == "icon":
        seen = set()
        for image in src.images:
            if image.width != image.height:
                fail(image.line, f"icon image {image.width}x{image.height} is not square")
            if image.width > MAX_ICON_SIDE:
                fail(image.line, f"icon image larger than {MAX_ICON_SIDE}x{MAX_ICON_SIDE}")
            if image.width in seen:
                fail(image.line, f"a second {image.width}x{image.width} image")
            seen.add(image.width)
    else:
        if len(src.images) != 1:
            fail(src.images[1].line, "a cursor holds exactly one image")
        image = src.images[0]
        if (image.width, image.height) != (CURSOR_SIDE, CURSOR_SIDE):
            fail(image.line, f"a cursor is {CURSOR_SIDE}x{CURSOR_SIDE}, "
                             f"not {image.width}x{image.height}")
        for ch, colour in src.palette.items():
            if colour not in ((0, 0, 0), (255, 255, 255), TRANSPARENT, INVERT):
                fail(src.palette_line, f"cursor colour of {ch!r} must be #000000, #FFFFFF, "
                                       "transparent or invert")
        if src.hotspot is None:
            fail(0, "a cursor needs 'hotspot: x, y'")
        x, y, line = src.hotspot
        if x >= CURSOR_SIDE or y >= CURSOR_SIDE:
            fail(line, f"hotspot ({x}, {y}) lies outside the {CURSOR_SIDE}x{CURSOR_SIDE} image")


def bitmap_info_header(width, height, bit_count, image_size):
    # BITMAPINFOHEADER, BI_RGB; 2835 pixels per metre is 72 dpi.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       image_size, 2835, 2835, 0, 0)


def mask_rows(image, is_set):
    """1-bit rows, bottom-up, each padded to 4 bytes; is_set(value) gives a bit."""
    stride = (image.width + 31) // 32 * 4
    data = bytearray()
    for row in reversed(image.rows):
        bits = bytearray(stride)
        for x, value in enumerate(row):
            if is_set(value):
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return bytes(data)


def write_bmp(src):
    image = src.images[0]
    stride = (image.width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(image.rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + bitmap_info_header(image.width, image.height, 24, len(pixels)) + pixels


def icon_image(image):
    colour = bytearray()
    for row in reversed(image.rows):
        for value in row:
            if value == TRANSPARENT:
                colour += bytes(4)
            else:
                r, g, b = value
                colour += bytes((b, g, r, 255))
    mask = mask_rows(image, lambda value: value == TRANSPARENT)
    header = bitmap_info_header(image.width, image.height * 2, 32, len(colour) + len(mask))
    return header + bytes(colour) + mask


def cursor_image(image):
    # Windows combines screen = (screen AND mask) XOR colour: black is 0/0, white 0/1,
    # transparent 1/0 and invert 1/1.
    xor = mask_rows(image, lambda value: value in ((255, 255, 255), INVERT))
    mask = mask_rows(image, lambda value: value in (TRANSPARENT, INVERT))
    colour_table = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = bitmap_info_header(image.width, image.height * 2, 1, len(xor) + len(mask))
    return header + colour_table + xor + mask


def write_directory(resource_type, entries):
    """ICONDIR then one ICONDIRENTRY per (width, height, colours, field1, field2, data).

    field1/field2 are planes/bit count for an icon and the hot spot x/y for a cursor."""
    out = bytearray(struct.pack("<HHH", 0, resource_type, len(entries)))
    offset = 6 + 16 * len(entries)
    for width, height, colours, field1, field2, data in entries:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0,
                           field1, field2, len(data), offset)
        offset += len(data)
    for entry in entries:
        out += entry[5]
    return bytes(out)


def write_ico(src):
    images = sorted(src.images, key=lambda image: image.width)
    return write_directory(1, [(image.width, image.height, 0, 1, 32, icon_image(image))
                               for image in images])


def write_cur(src):
    image = src.images[0]
    x, y, _ = src.hotspot
    return write_directory(2, [(image.width, image.height, 2, x, y, cursor_image(image))])


WRITERS = {"bitmap": write_bmp, "icon": write_ico, "cursor": write_cur}


def convert(source_path, output_path):
    extension = os.path.splitext(output_path)[1].lower()
    if extension not in KINDS.values():
        raise SourceError(output_path, 0, "output must end in .bmp, .ico or .cur")
    try:
        with open(source_path, "rb") as f:
            raw = f.read()
    except OSError as e:
        raise SourceError(source_path, 0, f"cannot read: {e.strerror}")
    try:
        text = raw.decode("utf-8-sig").replace("\r\n", "\n")
    except UnicodeDecodeError as e:
        raise SourceError(source_path, 0, f"not UTF-8 text (byte {e.start})")
    src = parse(source_path, text)
    check(source_path, src, extension)
    data = WRITERS[src.kind](src)

    # Written beside the target and moved over it, so a failed run never leaves a
    # half-written file that the build would take as up to date.
    folder = os.path.dirname(os.path.abspath(output_path))
    os.makedirs(folder, exist_ok=True)
    temporary = output_path + ".part"
    try:
        with open(temporary, "wb") as f:
            f.write(data)
        os.replace(temporary, output_path)
    except OSError as e:
        if os.path.exists(temporary):
            os.remove(temporary)
        raise SourceError(output_path, 0, f"cannot write: {e.strerror}")


def main(argv):
    if len(argv) != 3:
        print("usage: pixelart.py SOURCE.txt OUTPUT.{bmp,ico,cur}", file=sys.stderr)
        return 2
    try:
        convert(argv[1], argv[2])
    except SourceError as e:
        print(f"pixelart: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
