#!/usr/bin/env python3
"""Draws the launcher picture and writes it as a 256-colour XPM.

The picture is painted procedurally, back to front: a dusk sky with stars,
a moon and thin clouds, two hazy mountain ranges, a lake that mirrors the
sky, a castle on a crag, a dark shore with pines, and the game's name in
gold at the top. The true-colour painting is reduced to 256 colours with a
median cut and error diffusion, then written in the XPM form that
assets/launcher_picture.cpp includes:

    /* XPM */
    static const char* const launcher_picture_xpm[] = {
    "168 256 256 2",
    256 colour lines "<key> c #RRGGBB", then 256 rows of 336 characters
    };

The program's icon is drawn from the same castle: an emblem of the castle
in front of the moon on the dusk sky, in a gold ring, written as the
16, 32 and 48 pixel images of the X11 windows (assets/launcher_icon_pixels.h,
RGBA arrays), as a Windows icon file holding
16, 32 and 48 pixel bitmaps and a 256 pixel PNG (assets/launcher_icon.ico)
and as that PNG alone for the README (docs/launcher_icon.png).

Standard library only, and deterministic: the same files on every run.
Usage: tools/make_picture.py [--out PATH] [--icon-out STEM] [--icon-png PATH]
"""

import argparse
import math
import os
import struct
import zlib

WIDTH, HEIGHT = 168, 256
COLOURS = 256
# Two key characters a pixel; neither '"' nor '\\' is among them.
KEY_CHARS = "0123456789ABCDEF"

HORIZON = 196  # lake surface
MOON_X, MOON_Y, MOON_R = 122.0, 66.0, 15.0


class Rng:
    """xorshift32: a tiny generator whose sequence never changes."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF or 1

    def next(self):
        s = self.state
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        self.state = s
        return s

    def uniform(self):
        return self.next() / 4294967296.0


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(t):
    t = min(1.0, max(0.0, t))
    return t * t * (3 - 2 * t)


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


class Canvas:
    def __init__(self):
        self.px = [[(0.0, 0.0, 0.0)] * WIDTH for _ in range(HEIGHT)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT and alpha > 0:
            self.px[y][x] = mix(self.px[y][x], colour, min(1.0, alpha))

    def add(self, x, y, colour, amount):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT and amount > 0:
            p = self.px[y][x]
            self.px[y][x] = tuple(p[i] + colour[i] * amount for i in range(3))

    def fill_shape(self, inside, box, colour_at, samples=4):
        """Paints the pixels of box covered by inside(x, y), anti-aliased."""
        x0, y0, x1, y1 = box
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        for y in range(max(0, y0), min(HEIGHT, y1)):
            for x in range(max(0, x0), min(WIDTH, x1)):
                hits = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if hits:
                    self.blend(x, y, colour_at(x, y), hits / (samples * samples))


def value_noise(rng, length, octaves):
    """1-D fractal noise over 0..length, values roughly in -1..1."""
    layers = []
    for octave in range(octaves):
        period = 48.0 / (2 ** octave)
        points = [rng.uniform() * 2 - 1 for _ in range(int(length / period) + 3)]
        layers.append((period, points, 0.5 ** octave))

    def at(x):
        total = 0.0
        for period, points, weight in layers:
            f = x / period
            i = int(math.floor(f))
            t = smoothstep(f - i)
            a, b = points[i % len(points)], points[(i + 1) % len(points)]
            total += weight * (a + (b - a) * t)
        return total

    return at


# Sky colours from the zenith down to the horizon.
SKY_STOPS = [
    (0, hex_colour("#070A22")),
    (60, hex_colour("#16184A")),
    (120, hex_colour("#3B2A6E")),
    (165, hex_colour("#8A4A7E")),
    (185, hex_colour("#D9786A")),
    (HORIZON, hex_colour("#F4B07A")),
]
MOON_GLOW = hex_colour("#9EA6E0")


def sky_colour(x, y):
    y = min(float(y), HORIZON)
    for (ya, ca), (yb, cb) in zip(SKY_STOPS, SKY_STOPS[1:]):
        if y <= yb:
            base = mix(ca, cb, (y - ya) / (yb - ya))
            break
    d = math.hypot(x - MOON_X, (y - MOON_Y) * 1.1)
    glow = 0.55 * math.exp(-max(0.0, d - MOON_R) / 22.0)
    return tuple(base[i] + MOON_GLOW[i] * glow * 0.45 for i in range(3))


def paint_sky(canvas):
    for y in range(HORIZON):
        for x in range(WIDTH):
            canvas.px[y][x] = sky_colour(x + 0.5, y + 0.5)


def paint_stars(canvas, rng):
    for _ in range(150):
        x = int(rng.uniform() * WIDTH)
        y = int(rng.uniform() * 150)
        brightness = rng.uniform() ** 3
        tint = mix((1.0, 0.95, 0.85), (0.8, 0.88, 1.0), rng.uniform())
        if math.hypot(x - MOON_X, y - MOON_Y) < MOON_R + 10:
            continue
        fade = 1.0 - smoothstep((y - 70) / 80.0)
        canvas.add(x, y, tint, (0.25 + 0.75 * brightness) * fade)
        if brightness > 0.55:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                canvas.add(x + dx, y + dy, tint, 0.3 * brightness * fade)


def paint_moon(canvas, rng):
    craters = [(MOON_X - 5 + rng.uniform() * 12 - 4, MOON_Y - 4 + rng.uniform() * 12 - 2,
                1.5 + rng.uniform() * 3.0) for _ in range(7)]
    light = hex_colour("#FBF3D8")
    shade = hex_colour("#C9C2B0")

    def inside(x, y):
        return math.hypot(x - MOON_X, y - MOON_Y) <= MOON_R

    def colour_at(x, y):
        cx, cy = x + 0.5, y + 0.5
        limb = math.hypot(cx - MOON_X, cy - MOON_Y) / MOON_R
        c = mix(light, shade, 0.35 * limb * limb)
        for kx, ky, kr in craters:
            d = math.hypot(cx - kx, cy - ky)
            if d < kr:
                c = mix(c, shade, 0.3 * smoothstep((kr - d) / 1.2))
        return c

    r = int(MOON_R) + 2
    box = (int(MOON_X) - r, int(MOON_Y) - r, int(MOON_X) + r + 1, int(MOON_Y) + r + 1)
    canvas.fill_shape(inside, box, colour_at)


def paint_clouds(canvas, rng):
    """Thin dark streaks drifting across the lower sky and the moon."""
    streak = value_noise(rng, WIDTH + 60, 4)
    colour = hex_colour("#2A2050")
    lit = hex_colour("#B8A0C8")
    for band_y, thickness, strength in ((74, 3.0, 0.8), (104, 4.0, 0.55), (142, 5.0, 0.45)):
        for y in range(band_y - 12, band_y + 12):
            for x in range(WIDTH):
                n = streak(x * 0.9 + band_y)
                centre = band_y + n * 5
                a = math.exp(-((y - centre) / thickness) ** 2) * max(0.0, n + 0.3) * strength
                moonlit = math.exp(-math.hypot(x - MOON_X, y - MOON_Y) / 30.0)
                canvas.blend(x, y, mix(colour, lit, moonlit), a)


def paint_range(canvas, rng, base, height, rough, near, far, haze, light):
    """A mountain range down to the horizon, its slopes lit from the moon's side."""
    ridge = value_noise(rng, WIDTH + 4, 5)
    tops = [base - height * (0.5 + 0.5 * ridge(x * rough)) for x in range(-5, WIDTH + 6)]
    for x in range(WIDTH):
        top = tops[x + 5]
        # Smoothed slope: positive where the ground rises towards the moon.
        rise = (tops[x] - tops[x + 10]) / 10.0
        facing = rise if x < MOON_X else -rise
        lit = smoothstep(0.5 + facing * 0.8)
        for y in range(int(top), HORIZON):
            depth = y - top
            c = mix(far, near, smoothstep(depth / 40.0))
            c = mix(c, light, lit * 0.5 * math.exp(-depth / 14.0))
            c = mix(c, haze, 0.35 * smoothstep((y - (HORIZON - 30)) / 30.0))
            cover = 1.0 - (top - int(top)) if y == int(top) else 1.0
            canvas.blend(x, y, c, cover)


def paint_mist(canvas):
    haze = hex_colour("#E0A08A")
    for y in range(HORIZON - 24, HORIZON):
        a = 0.4 * smoothstep((y - (HORIZON - 24)) / 24.0)
        for x in range(WIDTH):
            canvas.blend(x, y, haze, a)


# The castle as rectangles (x0, y0, x1, y1) and pointed roofs; it stands on
# a crag that rises out of the lake.
CASTLE_BLOCKS = [
    (30, 128, 86, 160),   # curtain wall
    (46, 108, 70, 140),   # keep
    (26, 106, 37, 152),   # left tower
    (78, 92, 88, 150),    # tall right tower
    (55, 94, 62, 110),    # keep turret
]
CASTLE_ROOFS = [  # (apex x, apex y, left x, right x, base y)
    (31.5, 84, 24.5, 38.5, 106),
    (83, 66, 76.5, 89.5, 92),
    (58.5, 80, 53.5, 63.5, 94),
]
CRENELS = [  # (x0, x1, top y): merlons one pixel wide every 3 pixels
    (30, 86, 125),
    (46, 70, 105),
]
WINDOWS = [(31, 114), (31, 124), (82, 100), (82, 112), (82, 124), (51, 120), (64, 120),
           (57, 130), (58, 99), (40, 140), (74, 140)]


def crag_top(x):
    """A flat top under the castle, falling away to both sides as a spur."""
    d = x - 57
    fall = max(0.0, abs(d) - 33) * (1.15 if d < 0 else 1.7)
    return 151 + 1.5 * math.sin(x * 0.7) + 1.0 * math.sin(x * 2.3) + fall


def in_crag(x, y):
    return y >= crag_top(x) and y < HORIZON


def in_castle(x, y):
    for x0, y0, x1, y1 in CASTLE_BLOCKS:
        if x0 <= x < x1 and y0 <= y < y1:
            return True
    for apex_x, apex_y, left, right, base in CASTLE_ROOFS:
        if apex_y <= y < base:
            t = (y - apex_y) / (base - apex_y)
            if apex_x - (apex_x - left) * t <= x <= apex_x + (right - apex_x) * t:
                return True
    for x0, x1, top in CRENELS:
        if x0 <= x < x1 and top <= y < top + 3 and int(x - x0) % 3 == 0:
            return True
    if 82.6 <= x < 83.4 and 56 <= y < 66:  # flagpole
        return True
    if 83 <= x < 90 - (y - 56) * 1.2 and 56 <= y < 61:  # pennant
        return True
    return in_crag(x, y)


def paint_castle(canvas, rng):
    body = hex_colour("#161230")
    rock = hex_colour("#1E1836")
    rim = hex_colour("#8C86C0")
    grain = Rng(rng.next())
    speckle = [[grain.uniform() for _ in range(WIDTH)] for _ in range(HORIZON)]

    def colour_at(x, y):
        cx, cy = x + 0.5, y + 0.5
        c = body
        if in_crag(cx, cy) and not any(x0 <= cx < x1 and y0 <= cy < y1
                                       for x0, y0, x1, y1 in CASTLE_BLOCKS):
            # Rock: a fine grain, lighter towards the moon, darker below.
            light = 0.04 + 0.16 * smoothstep((cx - 30) / 70) * (1 - smoothstep((cy - 150) / 50))
            c = mix(rock, rim, light + 0.05 * speckle[y][x])
        # Edges facing the moon catch its light.
        if not in_castle(cx + 1, cy) or not in_castle(cx, cy - 1):
            c = mix(c, rim, 0.55)
        return c

    canvas.fill_shape(in_castle, (0, 54, 120, HORIZON), colour_at)
    warm = hex_colour("#FFC860")
    for wx, wy in WINDOWS:
        for dy in (0, 1, 2):
            canvas.blend(wx, wy + dy, warm, 1.0 if dy < 2 else 0.5)
        for gx in range(wx - 2, wx + 3):
            for gy in range(wy - 2, wy + 5):
                d = math.hypot(gx - wx, gy - wy - 1)
                if d > 0.9:
                    canvas.add(gx, gy, warm, 0.10 * math.exp(-d / 1.5))


def paint_lake(canvas, rng):
    """The lake mirrors everything above the horizon, broken by ripples."""
    ripple = value_noise(rng, WIDTH + 40, 3)
    moon_light = hex_colour("#FFF0C8")
    water = hex_colour("#0E0C26")
    sheen = hex_colour("#F0B890")
    above = [row[:] for row in canvas.px[:HORIZON]]
    for y in range(HORIZON, HEIGHT):
        depth = y - HORIZON
        mirror_y = max(0, HORIZON - 1 - int(depth * 1.15))
        for x in range(WIDTH):
            wobble = int(round(ripple(x * 0.4 + depth * 5.3) * (1 + depth * 0.06)))
            c = above[mirror_y][min(WIDTH - 1, max(0, x + wobble))]
            c = mix(c, water, 0.40 + 0.35 * smoothstep(depth / 50.0))
            if ripple(x * 0.9 + depth * 11.0) > 0.55:
                c = mix(c, sheen, 0.18 * (1 - smoothstep(depth / 50.0)))
            canvas.px[y][x] = c
            # The moon's path on the water: broken streaks under it.
            spread = 3 + depth * 0.3
            if abs(x - MOON_X) < spread and ripple(x * 1.7 + depth * 13) > -0.1:
                a = (1 - abs(x - MOON_X) / spread) * 0.75 * (1 - depth / 70.0)
                canvas.blend(x, y, moon_light, a)


def paint_shore(canvas, rng):
    """A dark shore at the bottom, with pines on the right."""
    ground = hex_colour("#0C0A18")
    edge = hex_colour("#3A2E58")
    shore = value_noise(rng, WIDTH + 4, 4)

    def shore_top(x):
        rise = 20 * smoothstep((x - 110) / 50.0)
        return 238 + 3 * shore(x * 0.8) - rise

    pines = []
    for i in range(6):
        x = 124 + i * 8 + rng.uniform() * 5
        h = 30 + rng.uniform() * 26 + (x - 124) * 0.4
        pines.append((x, shore_top(x) + 2, h))
    x = 6 + rng.uniform() * 4
    pines.append((x, shore_top(x) + 2, 22))

    def in_pine(x, y):
        for px, base, h in pines:
            top = base - h
            if top <= y <= base:
                t = (y - top) / h
                tier = (t * 4) % 1.0  # four stacked tiers of branches
                half = 0.6 + t * (h * 0.2) * (0.55 + 0.45 * tier)
                if abs(x - px) <= half:
                    return True
        return False

    def inside(x, y):
        return y >= shore_top(x) or in_pine(x, y)

    def colour_at(x, y):
        if not inside(x + 0.5, y - 0.5):
            return mix(ground, edge, 0.6)
        return ground

    canvas.fill_shape(inside, (0, 150, WIDTH, HEIGHT), colour_at, samples=3)


# 5 x 7 capitals for the title, drawn by hand.
GLYPHS = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "N": ["#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"],
}


def paint_title(canvas, text="TARVELLINE", scale=2, top=14):
    width = sum(len(GLYPHS[c][0]) + 1 for c in text) - 1
    left = (WIDTH - width * scale) // 2
    cells = set()
    x = left
    for c in text:
        glyph = GLYPHS[c]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "#":
                    for sy in range(scale):
                        for sx in range(scale):
                            cells.add((x + gx * scale + sx, top + gy * scale + sy))
        x += (len(glyph[0]) + 1) * scale
    bottom = top + 7 * scale
    # A soft dark halo, a one-pixel outline, then the gold letters.
    halo = {}
    for cx, cy in cells:
        for dx in range(-3, 4):
            for dy in range(-3, 4):
                d = math.hypot(dx, dy)
                key = (cx + dx, cy + dy)
                halo[key] = max(halo.get(key, 0.0), 0.45 * math.exp(-d / 1.6))
    for (hx, hy), a in sorted(halo.items()):
        canvas.blend(hx, hy, hex_colour("#05040F"), a)
    for cx, cy in sorted(cells):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1), (1, 1)):
            if (cx + dx, cy + dy) not in cells:
                canvas.blend(cx + dx, cy + dy, hex_colour("#2A1408"), 0.9)
    gold_top, gold_mid, gold_low = hex_colour("#FFF4C0"), hex_colour("#F2C45A"), hex_colour("#A8621E")
    for cx, cy in sorted(cells):
        t = (cy - top) / (bottom - top - 1)
        c = mix(gold_top, gold_mid, t / 0.5) if t < 0.5 else mix(gold_mid, gold_low, (t - 0.5) / 0.5)
        canvas.blend(cx, cy, c, 1.0)


def paint():
    rng = Rng(0x7A2E1109)
    canvas = Canvas()
    paint_sky(canvas)
    paint_stars(canvas, rng)
    paint_moon(canvas, rng)
    paint_clouds(canvas, rng)
    paint_range(canvas, rng, base=172, height=50, rough=1.0,
                near=hex_colour("#3E336C"), far=hex_colour("#54488A"),
                haze=hex_colour("#B07E92"), light=hex_colour("#B4AEE4"))
    paint_range(canvas, rng, base=190, height=30, rough=1.6,
                near=hex_colour("#221C44"), far=hex_colour("#30285C"),
                haze=hex_colour("#8E6278"), light=hex_colour("#8A80C4"))
    paint_mist(canvas)
    paint_castle(canvas, rng)
    paint_lake(canvas, rng)
    paint_shore(canvas, rng)
    paint_title(canvas)
    return [[tuple(min(255, max(0, int(round(v * 255)))) for v in p) for p in row]
            for row in canvas.px]


def median_cut(pixels, count):
    """A palette of `count` colours that fits the weighted pixel colours."""
    weights = {}
    for p in pixels:
        weights[p] = weights.get(p, 0) + 1
    boxes = [sorted(weights)]
    while len(boxes) < count:
        def score(box):
            if len(box) < 2:
                return -1
            spread = max(max(c[i] for c in box) - min(c[i] for c in box) for i in range(3))
            return spread * math.sqrt(sum(weights[c] for c in box))
        best = max(range(len(boxes)), key=lambda i: (score(boxes[i]), -i))
        box = boxes[best]
        if score(box) < 0:
            break
        channel = max(range(3), key=lambda i: (max(c[i] for c in box) - min(c[i] for c in box), -i))
        box.sort(key=lambda c: (c[channel], c))
        total = sum(weights[c] for c in box)
        running, cut = 0, 1
        for i, c in enumerate(box):
            running += weights[c]
            if running * 2 >= total:
                cut = min(max(1, i + 1), len(box) - 1)
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(weights[c] for c in box)
        palette.append(tuple(int(round(sum(c[i] * weights[c] for c in box) / total)) for i in range(3)))
    return palette


def distinct_palette(palette, count):
    """Exactly `count` different colours: duplicates nudged, gaps filled."""
    seen, result = set(), []
    for colour in palette:
        c = colour
        step = 1
        while c in seen:
            c = tuple(min(255, max(0, v + (step if v < 128 else -step))) for v in colour)
            step += 1
        seen.add(c)
        result.append(c)
    grey = 0
    while len(result) < count:
        c = (grey, grey, grey)
        if c not in seen:
            seen.add(c)
            result.append(c)
        grey += 1
    return sorted(result, key=lambda c: (0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2], c))


def dither(pixels2d, palette):
    """Serpentine error diffusion onto the palette (indices per pixel)."""
    cache = {}

    def nearest(c):
        key = tuple(int(round(v)) for v in c)
        if key not in cache:
            cache[key] = min(range(len(palette)), key=lambda i: (
                2 * (palette[i][0] - key[0]) ** 2 + 4 * (palette[i][1] - key[1]) ** 2
                + 3 * (palette[i][2] - key[2]) ** 2, i))
        return cache[key]

    work = [[list(map(float, p)) for p in row] for row in pixels2d]
    out = [[0] * WIDTH for _ in range(HEIGHT)]
    damping = 0.7
    for y in range(HEIGHT):
        xs = range(WIDTH) if y % 2 == 0 else range(WIDTH - 1, -1, -1)
        direction = 1 if y % 2 == 0 else -1
        for x in xs:
            old = [min(255.0, max(0.0, v)) for v in work[y][x]]
            index = nearest(old)
            out[y][x] = index
            error = [(old[i] - palette[index][i]) * damping for i in range(3)]
            for dx, dy, w in ((direction, 0, 7), (-direction, 1, 3), (0, 1, 5), (direction, 1, 1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < WIDTH and ny < HEIGHT:
                    target = work[ny][nx]
                    for i in range(3):
                        target[i] += error[i] * w / 16.0
    return out


def xpm_text(palette, indices):
    keys = [KEY_CHARS[i // 16] + KEY_CHARS[i % 16] for i in range(COLOURS)]
    lines = ["/* XPM */", "static const char* const launcher_picture_xpm[] = {",
             '"%d %d %d 2",' % (WIDTH, HEIGHT, COLOURS)]
    for key, (r, g, b) in zip(keys, palette):
        lines.append('"%s c #%02X%02X%02X",' % (key, r, g, b))
    rows = ['"' + "".join(keys[i] for i in row) + '"' for row in indices]
    lines.append(",\n".join(rows))
    lines.append("};")
    return "\n".join(lines) + "\n"


# The emblem's window onto the picture: the castle and its crag, square.
EMBLEM_X, EMBLEM_Y, EMBLEM_SPAN = -8.0, 40.0, 130.0
EMBLEM_MOON = (0.28, 0.28, 0.11)  # centre and radius, in emblem units
X11_ICON_SIZES = (16, 32, 48)
ICO_SIZES = (16, 32, 48, 256)


def emblem_colour(u, v, ring):
    """RGBA (0..1) of the emblem at u, v in 0..1; `ring` is the gold ring's width."""
    r = math.hypot(u - 0.5, v - 0.5)
    if r > 0.5:
        return None
    if r > 0.5 - ring:
        return mix(hex_colour("#FFF4C0"), hex_colour("#A8621E"), v)
    x, y = EMBLEM_X + u * EMBLEM_SPAN, EMBLEM_Y + v * EMBLEM_SPAN
    if in_castle(x, y):
        return hex_colour("#161230")
    mx, my, mr = EMBLEM_MOON
    if math.hypot(u - mx, v - my) <= mr:
        return hex_colour("#FBF3D8")
    # The sky from high up down to the glow above the horizon.
    depth = 100 + v * (HORIZON - 100)
    for (ya, ca), (yb, cb) in zip(SKY_STOPS, SKY_STOPS[1:]):
        if depth <= yb:
            return mix(ca, cb, (depth - ya) / (yb - ya))
    return SKY_STOPS[-1][1]


def paint_icon(size):
    """Rows of (r, g, b, a) bytes: the emblem at `size`, anti-aliased."""
    samples = 2 if size > 64 else 5
    ring = max(1.3 / size, 0.055)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total, hits = [0.0, 0.0, 0.0], 0
            for sy in range(samples):
                for sx in range(samples):
                    c = emblem_colour((x + (sx + 0.5) / samples) / size,
                                      (y + (sy + 0.5) / samples) / size, ring)
                    if c is not None:
                        hits += 1
                        total = [total[i] + c[i] for i in range(3)]
            alpha = hits / (samples * samples)
            rgb = [int(round(255 * total[i] / hits)) if hits else 0 for i in range(3)]
            row.append(tuple(rgb) + (int(round(255 * alpha)),))
        rows.append(row)
    return rows


def icon_pixels_text(images):
    """The X11 icons as C arrays launcher_icon_<size> of red, green, blue and
    alpha bytes, row by row (no XPM: the toolkit's conversion of a
    two-character XPM costs more memory than the icons themselves)."""
    lines = ["// The X11 icons, drawn by tools/make_picture.py: RGBA, row by row."]
    for size, rows in images:
        data = [v for row in rows for p in row for v in p]
        lines.append("static const unsigned char launcher_icon_%d[%d * %d * 4] = {" % (size, size, size))
        lines += ["    " + " ".join("%d," % v for v in data[k:k + 16]) for k in range(0, len(data), 16)]
        lines.append("};")
    return "\n".join(lines) + "\n"


def png_bytes(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data)))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib_bytes(rows):
    """A 32-bit BGRA icon bitmap, bottom-up, with its (all-zero) AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    mask = bytes(((size + 31) // 32) * 4 * size)
    return header + pixels + mask


def ico_bytes(images):
    entries = [(size, png_bytes(rows) if size >= 256 else dib_bytes(rows)) for size, rows in images]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def write_icons(stem, png):
    images = {size: paint_icon(size) for size in sorted(set(X11_ICON_SIZES + ICO_SIZES))}
    with open(stem + "_pixels.h", "w", encoding="ascii", newline="\n") as out:
        out.write(icon_pixels_text([(size, images[size]) for size in X11_ICON_SIZES]))
    with open(stem + ".ico", "wb") as out:
        out.write(ico_bytes([(size, images[size]) for size in ICO_SIZES]))
    with open(png, "wb") as out:  # the README shows the largest
        out.write(png_bytes(images[max(ICO_SIZES)]))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    assets = os.path.join(here, "..", "GameLauncher", "assets")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(assets, "launcher_picture.xpm"),
                        help="XPM file to write")
    parser.add_argument("--icon-out", default=os.path.join(assets, "launcher_icon"),
                        help="where the icons go: STEM_pixels.h and STEM.ico")
    parser.add_argument("--icon-png", default=os.path.join(here, "..", "docs", "launcher_icon.png"),
                        help="the largest icon as a PNG picture")
    args = parser.parse_args()

    write_icons(args.icon_out, args.icon_png)

    pixels = paint()
    palette = distinct_palette(median_cut([p for row in pixels for p in row], COLOURS), COLOURS)
    indices = dither(pixels, palette)
    with open(args.out, "w", encoding="ascii", newline="\n") as out:
        out.write(xpm_text(palette, indices))


if __name__ == "__main__":
    main()
