#!/usr/bin/python3
"""Draws the page backgrounds that published sites can use.

Each name gets NAME.gif, a tile the pages repeat, and NAME.png, the preview
the publishing wizard shows (137 by 129, the tile repeated). The pictures are
kept in the repository, so this only runs when the artwork changes. All are
pale, so that every colour the wizard offers stays readable on them.
Needs python3-pil.
"""
import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter

TILE = 96
PREVIEW = (137, 129)


def noise(rnd, size, lo, hi, blur=0):
    img = Image.new("L", (size, size))
    img.putdata([rnd.randint(lo, hi) for _ in range(size * size)])
    if blur:
        # Blur on a wrapped copy so the tile has no seams.
        big = Image.new("L", (size * 3, size * 3))
        for x in range(3):
            for y in range(3):
                big.paste(img, (x * size, y * size))
        big = big.filter(ImageFilter.GaussianBlur(blur))
        img = big.crop((size, size, size * 2, size * 2))
    return img


def tint(gray, dark, light):
    return Image.merge("RGB", [gray.point(lambda v, a=a, b=b: a + (b - a) * v // 255)
                               for a, b in zip(dark, light)])


def spots(rnd, base, colour, count, radius):
    img = Image.new("RGB", (TILE, TILE), base)
    d = ImageDraw.Draw(img)
    for _ in range(count):
        x, y, r = rnd.randrange(TILE), rnd.randrange(TILE), rnd.randint(*radius)
        for dx in (-TILE, 0, TILE):
            for dy in (-TILE, 0, TILE):
                d.ellipse((x + dx - r, y + dy - r, x + dx + r, y + dy + r), fill=colour)
    return img


def lines(base, colour, step, vertical=True, horizontal=True, width=1):
    img = Image.new("RGB", (TILE, TILE), base)
    d = ImageDraw.Draw(img)
    for i in range(0, TILE, step):
        if vertical:
            d.line((i, 0, i, TILE), fill=colour, width=width)
        if horizontal:
            d.line((0, i, TILE, i), fill=colour, width=width)
    return img


def waves(rnd, base, colour, period, amplitude):
    img = Image.new("RGB", (TILE, TILE), base)
    d = ImageDraw.Draw(img)
    for row in range(0, TILE, period):
        pts = [(x, row + amplitude * math.sin(2 * math.pi * x / TILE * 2)) for x in range(TILE + 1)]
        d.line(pts, fill=colour, width=2)
    return img


def letters(rnd):
    img = Image.new("RGB", (TILE, TILE), (250, 246, 236))
    d = ImageDraw.Draw(img)
    for y in range(4, TILE, 16):
        for x in range(4 + (y // 16 % 2) * 8, TILE, 16):
            d.text((x, y), chr(rnd.randint(65, 90)), fill=(226, 218, 200))
    return img


def draw(name, rnd):
    if name == "beads":
        return spots(rnd, (244, 240, 252), (222, 214, 242), 40, (2, 4))
    if name == "chalk":
        return tint(noise(rnd, TILE, 200, 255, 1), (200, 200, 196), (252, 252, 248))
    if name.startswith("cloud"):
        hues = {"cloud1": (200, 220, 250), "cloud2": (214, 230, 246),
                "cloud3": (226, 222, 244), "cloud4": (220, 236, 236)}
        return tint(noise(rnd, TILE, 0, 255, 6), hues[name], (252, 252, 255))
    if name == "concrete":
        return tint(noise(rnd, TILE, 150, 255, 0.8), (196, 196, 192), (236, 236, 232))
    if name == "fire":
        return tint(noise(rnd, TILE, 0, 255, 5), (252, 214, 170), (255, 246, 224))
    if name == "floortile":
        img = lines((246, 240, 228), (214, 202, 180), 24, width=2)
        return img
    if name == "flower":
        img = Image.new("RGB", (TILE, TILE), (252, 244, 246))
        d = ImageDraw.Draw(img)
        for cx, cy in ((24, 24), (72, 72)):
            for a in range(0, 360, 60):
                x = cx + 9 * math.cos(math.radians(a))
                y = cy + 9 * math.sin(math.radians(a))
                d.ellipse((x - 6, y - 6, x + 6, y + 6), fill=(246, 214, 224))
            d.ellipse((cx - 4, cy - 4, cx + 4, cy + 4), fill=(250, 232, 190))
        return img
    if name == "foam":
        return spots(rnd, (236, 246, 250), (250, 254, 255), 60, (3, 8))
    if name == "grid":
        return lines((252, 252, 252), (210, 224, 240), 12)
    if name == "lace":
        img = Image.new("RGB", (TILE, TILE), (250, 248, 244))
        d = ImageDraw.Draw(img)
        for x in range(0, TILE + 1, 24):
            for y in range(0, TILE + 1, 24):
                d.ellipse((x - 10, y - 10, x + 10, y + 10), outline=(222, 216, 206))
        return img
    if name == "letters":
        return letters(rnd)
    if name == "marble":
        base = noise(rnd, TILE, 0, 255, 3)
        veins = base.point(lambda v: 255 - int(80 * abs(math.sin(v / 18.0))))
        return tint(veins, (190, 190, 200), (250, 250, 252))
    if name == "nova":
        img = Image.new("RGB", (TILE, TILE), (246, 246, 255))
        d = ImageDraw.Draw(img)
        for a in range(0, 360, 15):
            d.line((48, 48, 48 + 70 * math.cos(math.radians(a)), 48 + 70 * math.sin(math.radians(a))),
                   fill=(228, 228, 250))
        return img
    if name == "sand":
        return tint(noise(rnd, TILE, 120, 255, 0.6), (226, 206, 168), (250, 240, 214))
    if name in ("smear1", "smear2"):
        g = noise(rnd, TILE, 0, 255, 2).resize((TILE, TILE)).filter(ImageFilter.BoxBlur(4))
        return tint(g, (216, 226, 210) if name == "smear1" else (230, 216, 226), (252, 252, 248))
    if name == "soil":
        return tint(noise(rnd, TILE, 80, 255, 1.2), (214, 196, 176), (244, 234, 222))
    if name == "speckle":
        return spots(rnd, (250, 250, 246), (200, 200, 190), 120, (0, 1))
    if name == "stone":
        return tint(noise(rnd, TILE, 0, 255, 3), (200, 198, 190), (240, 238, 232))
    if name.startswith("terrain"):
        hues = {"terrain1": (208, 226, 196), "terrain2": (226, 216, 190),
                "terrain3": (200, 220, 224)}
        g = noise(rnd, TILE, 0, 255, 4).point(lambda v: (v // 32) * 36)
        return tint(g, hues[name], (250, 250, 246))
    if name == "vines":
        return waves(rnd, (246, 252, 244), (206, 230, 200), 16, 4)
    if name == "weave":
        img = Image.new("RGB", (TILE, TILE), (248, 244, 236))
        d = ImageDraw.Draw(img)
        for i in range(0, TILE, 8):
            for j in range(0, TILE, 8):
                c = (230, 220, 200) if (i // 8 + j // 8) % 2 else (238, 232, 216)
                d.rectangle((i, j, i + 7, j + 3) if (i // 8) % 2 else (i, j, i + 3, j + 7), fill=c)
        return img
    raise ValueError(name)


NAMES = ["beads", "chalk", "cloud1", "cloud2", "cloud3", "cloud4", "concrete", "fire",
         "floortile", "flower", "foam", "grid", "lace", "letters", "marble", "nova", "sand",
         "smear1", "smear2", "soil", "speckle", "stone", "terrain1", "terrain2", "terrain3",
         "vines", "weave"]


# Files named otherwise than the background they show (as the program's
# webart::BackgroundStem says).
STEMS = {"speckle": "flecks"}


def main():
    os.chdir(os.path.dirname(os.path.abspath(__file__)))
    for n, name in enumerate(NAMES):
        tile = draw(name, random.Random(n * 7919 + 17))
        stem = STEMS.get(name, name)
        tile.convert("P", palette=Image.ADAPTIVE, colors=64).save(stem + ".gif", optimize=True)
        preview = Image.new("RGB", PREVIEW)
        for x in range(0, PREVIEW[0], TILE):
            for y in range(0, PREVIEW[1], TILE):
                preview.paste(tile, (x, y))
        preview.save(stem + ".png", optimize=True)


if __name__ == "__main__":
    main()
