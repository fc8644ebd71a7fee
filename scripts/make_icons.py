#!/usr/bin/env python3
"""Writes KelvoTop's icons (16 colours, 32x32 and 16x16 each) as .ico files
into src/platform/win32/resources/, from the pixel art below.

Run from anywhere: python3 scripts/make_icons.py
"""
import pathlib
import struct

# The standard 16-colour palette, as (red, green, blue); '.' is transparent.
PALETTE = [
    ("k", (0x00, 0x00, 0x00)),  # black
    ("m", (0x80, 0x00, 0x00)),  # maroon
    ("G", (0x00, 0x80, 0x00)),  # green
    ("o", (0x80, 0x80, 0x00)),  # olive
    ("n", (0x00, 0x00, 0x80)),  # navy
    ("p", (0x80, 0x00, 0x80)),  # purple
    ("t", (0x00, 0x80, 0x80)),  # teal
    ("s", (0xC0, 0xC0, 0xC0)),  # silver
    ("g", (0x80, 0x80, 0x80)),  # grey
    ("r", (0xFF, 0x00, 0x00)),  # red
    ("l", (0x00, 0xFF, 0x00)),  # lime
    ("y", (0xFF, 0xFF, 0x00)),  # yellow
    ("b", (0x00, 0x00, 0xFF)),  # blue
    ("f", (0xFF, 0x00, 0xFF)),  # fuchsia
    ("c", (0x00, 0xFF, 0xFF)),  # aqua
    ("w", (0xFF, 0xFF, 0xFF)),  # white
]
INDEX = {code: number for number, (code, _) in enumerate(PALETTE)}

# The program icon: a monitor with a "K" on its screen.
PROGRAM_32 = [
    "................................",
    "................................",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwsggggggggggggggggggggggsgk..",
    "..kwsnnnnnnnnnnnnnnnnnnnnnnwgk..",
    "..kwsnnnnnnnnnnnnnnnnnnnnnnwgk..",
    "..kwsnnnnnnyyynnnnnyyynnnnnwgk..",
    "..kwsnnnnnnyyynnnnyyynnnnnnwgk..",
    "..kwsnnnnnnyyynnnyyynnnnnnnwgk..",
    "..kwsnnnnnnyyynnyyynnnnnnnnwgk..",
    "..kwsnnnnnnyyynyyynnnnnnnnnwgk..",
    "..kwsnnnnnnyyyyyynnnnnnnnnnwgk..",
    "..kwsnnnnnnyyyyyynnnnnnnnnnwgk..",
    "..kwsnnnnnnyyynyyynnnnnnnnnwgk..",
    "..kwsnnnnnnyyynnyyynnnnnnnnwgk..",
    "..kwsnnnnnnyyynnnyyynnnnnnnwgk..",
    "..kwsnnnnnnyyynnnnyyynnnnnnwgk..",
    "..kwsnnnnnnyyynnnnnyyynnnnnwgk..",
    "..kwsnnnnnnnnnnnnnnnnnnnnnnwgk..",
    "..kwsnnnnnnnnnnnnnnnnnnnnnnwgk..",
    "..kwswwwwwwwwwwwwwwwwwwwwwwwgk..",
    "..kwsssssssssssssssssssssslsgk..",
    "..kggggggggggggggggggggggggggk..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    ".............ksssgk.............",
    ".............ksssgk.............",
    ".......kkkkkkkkkkkkkkkkkk.......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......ksssssssssssssssssgk......",
    "......kkkkkkkkkkkkkkkkkkkk......",
    "................................",
]

PROGRAM_16 = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kwnnnnnnnnnnsk.",
    ".kwnnyynnyynnsk.",
    ".kwnnyynyynnnsk.",
    ".kwnnyyyynnnnsk.",
    ".kwnnyynyynnnsk.",
    ".kwnnyynnyynnsk.",
    ".kwnnnnnnnnnnsk.",
    ".ksssssssssslgk.",
    ".kkkkkkkkkkkkkk.",
    "......kssk......",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kkkkkkkk....",
]

# The wait notice's icon: an hourglass running.
WAIT_32 = [
    "................................",
    "...oooooooooooooooooooooooooo...",
    "...mmmmmmmmmmmmmmmmmmmmmmmmmm...",
    "...mmmmmmmmmmmmmmmmmmmmmmmmmm...",
    ".....m..kwccccccccccccck..m.....",
    ".....m..kwccccccccccccck..m.....",
    ".....m...kwccccccccccck...m.....",
    ".....m....kwccccccccck....m.....",
    ".....m.....kwccccccck.....m.....",
    ".....m......kyyyyyyk......m.....",
    ".....m.......kyyyyk.......m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m........kyyk........m.....",
    ".....m.......kwyyck.......m.....",
    ".....m......kyyyyyyk......m.....",
    ".....m.....kyyyyyyyyk.....m.....",
    ".....m....kyyyyyyyyyyk....m.....",
    ".....m...kyyyyyyyyyyyyk...m.....",
    ".....m..kyyyyyyyyyyyyyyk..m.....",
    ".....m..kyyyyyyyyyyyyyyk..m.....",
    "...mmmmmmmmmmmmmmmmmmmmmmmmmm...",
    "...mmmmmmmmmmmmmmmmmmmmmmmmmm...",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkk...",
    "................................",
]

WAIT_16 = [
    "................",
    ".oooooooooooooo.",
    ".mmmmmmmmmmmmmm.",
    "..m.kwccccck.m..",
    "..m.kwccccck.m..",
    "..m..kyyyyk..m..",
    "..m...kyyk...m..",
    "..m...kyyk...m..",
    "..m...kyyk...m..",
    "..m...kyyk...m..",
    "..m..kyyyyk..m..",
    "..m.kyyyyyyk.m..",
    "..m.kyyyyyyk.m..",
    ".mmmmmmmmmmmmmm.",
    ".kkkkkkkkkkkkkk.",
    "................",
]


def padded(row_bytes):
    """Bitmap rows are padded to whole 32-bit words."""
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_bytes(grid):
    """One icon image: header, palette, 4-bit colour rows, 1-bit mask rows."""
    side = len(grid)
    assert all(len(row) == side for row in grid), "grid must be square"
    colour_rows, mask_rows = [], []
    for row in reversed(grid):  # bitmaps are stored bottom-up
        numbers = [INDEX.get(code, 0) for code in row]
        colour_rows.append(padded(bytes(numbers[i] << 4 | numbers[i + 1] for i in range(0, side, 2))))
        bits = 0
        for code in row:
            bits = bits << 1 | (code == ".")
        mask_rows.append(padded(bits.to_bytes(side // 8, "big")))
    pixels = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    palette = b"".join(bytes((blue, green, red, 0)) for _, (red, green, blue) in PALETTE)
    return header + palette + pixels


def icon_file(grids):
    images = [image_bytes(grid) for grid in grids]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for grid, image in zip(grids, images):
        side = len(grid)
        entries += struct.pack("<BBBBHHII", side, side, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    for grid in PROGRAM_32 + PROGRAM_16 + WAIT_32 + WAIT_16:
        unknown = set(grid) - set(INDEX) - {"."}
        assert not unknown, f"unknown colour codes {unknown}"
    folder = pathlib.Path(__file__).resolve().parent.parent / "src/platform/win32/resources"
    (folder / "KelvoTop.ico").write_bytes(icon_file([PROGRAM_32, PROGRAM_16]))
    (folder / "Wait.ico").write_bytes(icon_file([WAIT_32, WAIT_16]))


if __name__ == "__main__":
    main()
