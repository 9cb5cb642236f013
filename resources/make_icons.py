#!/usr/bin/env python3
"""Draws the icon catalogue's pictures into icons.png.

148 pictures of 12 x 12 pixels side by side (1776 x 12, RGBA). Picture 0 is
the "unknown" icon, 107 the generic program, 110 the empty slot and 19 is
blank; every other picture is one of 24 pictograms in one of 6 colours, so
that no two pictures look alike.

Run from this folder: python3 make_icons.py
"""
import struct
import zlib

SIZE = 12
COUNT = 148

# ' ' transparent, '#' outline (dark shade), 'o' fill, '+' light shade,
# 'w' white, 'k' near black, 'y' yellow, 'g' grey.
PICTOGRAMS = {
    "note": [
        "     ###    ",
        "     #oo##  ",
        "     #  oo# ",
        "     #    # ",
        "     #      ",
        "     #      ",
        "  ####      ",
        " #oooo#     ",
        " #o+oo#     ",
        "  ####      ",
        "            ",
        "            ",
    ],
    "bell": [
        "     ##     ",
        "    #oo#    ",
        "   #o++o#   ",
        "   #o+oo#   ",
        "   #oooo#   ",
        "  #oooooo#  ",
        "  #oooooo#  ",
        " #oooooooo# ",
        " ########## ",
        "     ##     ",
        "            ",
        "            ",
    ],
    "envelope": [
        "            ",
        "            ",
        "############",
        "##oooooooo##",
        "#o#oooooo#o#",
        "#oo#oooo#oo#",
        "#ooo####ooo#",
        "#oooooooooo#",
        "#oooooooooo#",
        "############",
        "            ",
        "            ",
    ],
    "handset": [
        "   ######   ",
        "   #oooo#   ",
        "   #wwww#   ",
        "   #wwww#   ",
        "   #wwww#   ",
        "   #oooo#   ",
        "   #+o+o#   ",
        "   #o+o+#   ",
        "   #+o+o#   ",
        "   #oooo#   ",
        "   ######   ",
        "            ",
    ],
    "clock": [
        "   ######   ",
        "  #wwwwww#  ",
        " #wwwwkwww# ",
        " #wwwwkwww# ",
        " #wwwwkwww# ",
        " #wwwwkkkw# ",
        " #wwwwwwww# ",
        " #wwwwwwww# ",
        "  #wwwwww#  ",
        "   ######   ",
        "  oo    oo  ",
        "            ",
    ],
    "star": [
        "     ##     ",
        "     #o#    ",
        "    #oo#    ",
        "#####o+o####",
        " #oo+++ooo# ",
        "  #ooooooo# ",
        "   #ooooo#  ",
        "   #oo#oo#  ",
        "  #oo# #oo# ",
        "  ##     ## ",
        "            ",
        "            ",
    ],
    "heart": [
        "            ",
        "  ###  ###  ",
        " #o+o##ooo# ",
        " #+oooooooo#",
        " #oooooooo# ",
        "  #oooooo#  ",
        "   #oooo#   ",
        "    #oo#    ",
        "     ##     ",
        "            ",
        "            ",
        "            ",
    ],
    "folder": [
        "            ",
        " ####       ",
        "#oooo#      ",
        "#oooo###### ",
        "#++++++++++#",
        "#oooooooooo#",
        "#oooooooooo#",
        "#oooooooooo#",
        "#oooooooooo#",
        "############",
        "            ",
        "            ",
    ],
    "gear": [
        "     ##     ",
        "  #  #o#  # ",
        "  ##oooo##  ",
        "  #oo##oo#  ",
        "####o  o####",
        "#ooo#  #ooo#",
        "  #oo##oo#  ",
        "  ##oooo##  ",
        "  #  #o#  # ",
        "     ##     ",
        "            ",
        "            ",
    ],
    "camera": [
        "            ",
        "    ####    ",
        " ###oooo### ",
        " #oo####oo# ",
        " #o#wwww#o# ",
        " #o#w++w#o# ",
        " #o#w++w#o# ",
        " #o#wwww#o# ",
        " #oo####oo# ",
        " ########## ",
        "            ",
        "            ",
    ],
    "globe": [
        "    ####    ",
        "  ##o+oo##  ",
        " #oo+#oo+o# ",
        " #o+##ooo+# ",
        "#oooo#o+ooo#",
        "#o+o####o+o#",
        "#ooo#ooo#oo#",
        " #ooo#oo+o# ",
        " #o+oo#ooo# ",
        "  ##ooo+##  ",
        "    ####    ",
        "            ",
    ],
    "key": [
        "            ",
        "  ###       ",
        " #o+o#      ",
        " #o o#######",
        " #ooo#ooooo#",
        "  ###### #o#",
        "         #o#",
        "          # ",
        "            ",
        "            ",
        "            ",
        "            ",
    ],
    "lock": [
        "   ######   ",
        "  #o    o#  ",
        "  #o    o#  ",
        "  #o    o#  ",
        " ########## ",
        " #oooooooo# ",
        " #ooo##ooo# ",
        " #ooo##ooo# ",
        " #oooooooo# ",
        " ########## ",
        "            ",
        "            ",
    ],
    "battery": [
        "            ",
        "            ",
        " #########  ",
        " #oooowww## ",
        " #oooowww#o#",
        " #oooowww#o#",
        " #oooowww## ",
        " #########  ",
        "            ",
        "            ",
        "            ",
        "            ",
    ],
    "gamepad": [
        "            ",
        "            ",
        "  ########  ",
        " #oooooooo# ",
        "#oo#ooooowo#",
        "#o###ooowow#",
        "#oo#oooooow#",
        "#oooo##oooo#",
        " ###    ### ",
        "            ",
        "            ",
        "            ",
    ],
    "calendar": [
        "  #    #    ",
        "############",
        "#oooooooooo#",
        "############",
        "#w#w#w#w#ww#",
        "#wwwwwwwwww#",
        "#w#w#w#w#ww#",
        "#wwwwwwwwww#",
        "#w#w#w#okww#",
        "############",
        "            ",
        "            ",
    ],
    "disk": [
        "##########  ",
        "#o#wwww#o## ",
        "#o#wwww#oo# ",
        "#o######oo# ",
        "#oooooooooo#",
        "#o########o#",
        "#o#wwwwww#o#",
        "#o#wkkkkw#o#",
        "#o#wwwwww#o#",
        "############",
        "            ",
        "            ",
    ],
    "notes": [
        "    ########",
        "    #oooooo#",
        "    ########",
        "    #      #",
        "    #      #",
        "    #      #",
        "  ###    ###",
        " #ooo#  #oo#",
        " #o+o#  #+o#",
        "  ###    ## ",
        "            ",
        "            ",
    ],
    "bolt": [
        "      ####  ",
        "     #oo#   ",
        "    #oo#    ",
        "   #oo#     ",
        "  #oo#####  ",
        "  ####+oo#  ",
        "     #oo#   ",
        "    #oo#    ",
        "   #o#      ",
        "   ##       ",
        "            ",
        "            ",
    ],
    "house": [
        "     ##     ",
        "    #oo#    ",
        "   #oooo#   ",
        "  #oooooo#  ",
        " #oooooooo# ",
        "############",
        " #wwwwwwww# ",
        " #ww##ww#w# ",
        " #ww#o#w### ",
        " #ww#o#www# ",
        " ########## ",
        "            ",
    ],
    "person": [
        "    ####    ",
        "   #++++#   ",
        "   #++++#   ",
        "   #++++#   ",
        "    ####    ",
        "  ########  ",
        " #oooooooo# ",
        " #oooooooo# ",
        " #o#oooo#o# ",
        " ### oo ### ",
        "    #  #    ",
        "            ",
    ],
    "chat": [
        " ########## ",
        "#oooooooooo#",
        "#owwwwwwwwo#",
        "#oooooooooo#",
        "#owwwwwoooo#",
        "#oooooooooo#",
        " ###o###### ",
        "   #o#      ",
        "   ##       ",
        "            ",
        "            ",
        "            ",
    ],
    "sun": [
        "     #      ",
        "  #  o  #   ",
        "   #ooo#    ",
        "   o+++o    ",
        "#ooo+o+ooo# ",
        "   o+++o    ",
        "   #ooo#    ",
        "  #  o  #   ",
        "     #      ",
        "            ",
        "            ",
        "            ",
    ],
    "book": [
        "            ",
        " ####  #### ",
        "#wwww##wwww#",
        "#w##w##w##w#",
        "#wwww##wwww#",
        "#w##w##w##w#",
        "#wwww##wwww#",
        "#wwww##wwww#",
        "#oooo##oooo#",
        " ########## ",
        "            ",
        "            ",
    ],
}

SPECIAL = {
    # Unknown icon code, and rows not scanned yet.
    0: [
        "            ",
        " gggggggggg ",
        "gwwwwwwwwwwg",
        "gwwwkkkkwwwg",
        "gwwkwwwwkwwg",
        "gwwwwwwkwwwg",
        "gwwwwwkwwwwg",
        "gwwwwwkwwwwg",
        "gwwwwwwwwwwg",
        "gwwwwwkwwwwg",
        " gggggggggg ",
        "            ",
    ],
    # Generic program: a small application window.
    107: [
        "############",
        "#bbbbbbbkwk#",
        "############",
        "#wwwwwwwwww#",
        "#wbbbwwwwww#",
        "#wwwwwwwwww#",
        "#wbbbbbbwww#",
        "#wwwwwwwwww#",
        "#wbbbbwwwww#",
        "#wwwwwwwwww#",
        "############",
        "            ",
    ],
    # Empty slot: a dotted box.
    110: [
        "g g g g g g ",
        "            ",
        "g         g ",
        "            ",
        "g         g ",
        "            ",
        "g         g ",
        "            ",
        "g         g ",
        "            ",
        "g g g g g g ",
        "            ",
    ],
    19: ["            "] * SIZE,
}

HUES = [
    (220, 40, 40),   # red
    (240, 140, 20),  # orange
    (40, 160, 60),   # green
    (40, 90, 220),   # blue
    (150, 60, 200),  # purple
    (20, 160, 170),  # teal
]


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def palette(hue):
    return {
        "#": mix(hue, (0, 0, 0), 0.55),
        "o": hue,
        "+": mix(hue, (255, 255, 255), 0.5),
        "w": (255, 255, 255),
        "k": (32, 32, 32),
        "y": (250, 210, 40),
        "g": (128, 128, 128),
        "b": (40, 90, 220),
    }


def check(rows, name):
    assert len(rows) == SIZE, (name, len(rows))
    for row in rows:
        assert len(row) == SIZE, (name, row)


def render(rows, colours):
    pixels = []
    for row in rows:
        line = []
        for ch in row:
            line.append((0, 0, 0, 0) if ch == " " else colours[ch] + (255,))
        pixels.append(line)
    return pixels


def pictures():
    names = list(PICTOGRAMS)
    combos = [(name, hue) for hue in HUES for name in names]
    result = []
    for index in range(COUNT):
        if index in SPECIAL:
            rows, colours = SPECIAL[index], palette(HUES[3])
        else:
            name, hue = combos.pop(0)
            rows, colours = PICTOGRAMS[name], palette(hue)
        check(rows, index)
        result.append(render(rows, colours))
    return result


def write_png(path, width, height, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def main():
    pics = pictures()
    sheet = [[px for pic in pics for px in pic[y]] for y in range(SIZE)]
    write_png("icons.png", SIZE * COUNT, SIZE, sheet)


if __name__ == "__main__":
    main()
