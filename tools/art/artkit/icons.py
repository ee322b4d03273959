"""Icon glyphs drawn in a 100 x 100 box: fill colour c, cut-outs in the background colour bg."""
import math


def _star_points(cx, cy, r_out, r_in, points=5, turn=-90.0):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180.0 / points)
        pts.append(f"{cx + r * math.cos(a):.1f},{cy + r * math.sin(a):.1f}")
    return " ".join(pts)


def star(cx, cy, r, fill, extra=""):
    return f'<polygon points="{_star_points(cx, cy, r, r * 0.45)}" fill="{fill}" stroke-linejoin="round" {extra}/>'


def gear_path(cx, cy, r_out, r_in, teeth, hole):
    """Closed outline of a gear with a round hole (even-odd)."""
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step
        for da, r in ((-0.30, r_in), (-0.17, r_out), (0.17, r_out), (0.30, r_in)):
            ang = a + da * step * 1.6
            pts.append(f"{cx + r * math.cos(ang):.1f},{cy + r * math.sin(ang):.1f}")
    outline = "M" + " L".join(pts) + " Z"
    circle = f"M{cx + hole},{cy} A{hole},{hole} 0 1 0 {cx - hole},{cy} A{hole},{hole} 0 1 0 {cx + hole},{cy} Z"
    return outline + " " + circle


# A jigsaw piece with a tab on top and right and a blank on the left, in the 100 box.
PIECE_PATH = (
    "M26 34 H42 C40 28 38 21 50 21 C62 21 60 28 58 34 H74 V46 C80 44 87 42 87 54 "
    "C87 66 80 64 74 62 V79 H26 V63 C32 65 39 66 39 54 C39 42 32 43 26 45 Z"
)


# One edge of a jigsaw piece from (0, 0) to (1, 0), the knob bulging towards +v: a narrow neck and
# a round head, symmetric about the middle so that a tab fits the blank that mirrors it.
_KNOB = (
    ((0.38, 0.0),),
    ((0.42, 0.0), (0.41, 0.10), (0.37, 0.16)),
    ((0.31, 0.26), (0.39, 0.30), (0.50, 0.30)),
    ((0.61, 0.30), (0.69, 0.26), (0.63, 0.16)),
    ((0.59, 0.10), (0.58, 0.0), (0.62, 0.0)),
    ((1.0, 0.0),),
)


def jigsaw_path(size, top, right, bottom, left, x=0.0, y=0.0):
    """Closed outline of a size x size piece at (x, y); each edge 1 for a tab, -1 for a blank,
    0 for a flat border. Neighbours interlock when the edges they share are opposite."""
    corners = [(x, y), (x + size, y), (x + size, y + size), (x, y + size)]
    outward = [(0, -1), (1, 0), (0, 1), (-1, 0)]
    d = ["M{:.1f},{:.1f}".format(*corners[0])]
    for edge, knob in enumerate((top, right, bottom, left)):
        (x0, y0), (x1, y1) = corners[edge], corners[(edge + 1) % 4]
        nx, ny = outward[edge][0] * size * knob, outward[edge][1] * size * knob

        def at(u, v):
            return f"{x0 + (x1 - x0) * u + nx * v:.1f},{y0 + (y1 - y0) * u + ny * v:.1f}"

        for segment in _KNOB if knob else (((1.0, 0.0),),):
            d.append(("L" if len(segment) == 1 else "C") + " ".join(at(u, v) for u, v in segment))
    return " ".join(d) + " Z"


def play(c, bg):
    return f'<path d="M38 25 L77 50 L38 75 Z" fill="{c}" stroke="{c}" stroke-width="8" stroke-linejoin="round"/>'


def podium(c, bg):
    return (
        f'<rect x="17" y="56" width="21" height="26" rx="3" fill="{c}"/>'
        f'<rect x="40" y="42" width="21" height="40" rx="3" fill="{c}"/>'
        f'<rect x="63" y="64" width="21" height="18" rx="3" fill="{c}"/>'
        + star(50.5, 26, 13, c)
    )


def cup(c, bg):
    return (
        f'<path d="M30 20 H70 V38 C70 56 60 63 50 63 C40 63 30 56 30 38 Z" fill="{c}"/>'
        f'<path d="M31 27 C18 27 18 46 33 48 M69 27 C82 27 82 46 67 48" fill="none" stroke="{c}" stroke-width="6" stroke-linecap="round"/>'
        f'<rect x="45" y="62" width="10" height="11" fill="{c}"/>'
        f'<rect x="34" y="72" width="32" height="9" rx="3" fill="{c}"/>'
        + star(50, 38, 9, bg)
    )


def scores(c, bg):
    lines = "".join(f'<rect x="36" y="{y}" width="28" height="5" rx="2" fill="{bg}"/>' for y in (40, 52, 64))
    dots = "".join(f'<circle cx="31" cy="{y + 2.5}" r="3" fill="{bg}"/>' for y in (40, 52, 64))
    return (
        f'<rect x="24" y="20" width="52" height="64" rx="7" fill="{c}"/>'
        f'<rect x="38" y="14" width="24" height="12" rx="4" fill="{c}" stroke="{bg}" stroke-width="3"/>'
        + lines
        + dots
    )


def piece(c, bg):
    return f'<path d="{PIECE_PATH}" fill="{c}"/>'


def gear(c, bg):
    return f'<path d="{gear_path(50, 50, 36, 27, 8, 11)}" fill="{c}" fill-rule="evenodd"/>'


def door(c, bg):
    return (
        f'<path d="M56 24 V18 H22 V82 H56 V76" fill="none" stroke="{c}" stroke-width="8" stroke-linejoin="round" stroke-linecap="round"/>'
        f'<path d="M40 50 H72" stroke="{c}" stroke-width="10" stroke-linecap="round"/>'
        f'<path d="M66 34 L86 50 L66 66 Z" fill="{c}" stroke="{c}" stroke-width="4" stroke-linejoin="round"/>'
    )


def trash(c, bg):
    return (
        f'<rect x="24" y="24" width="52" height="9" rx="3" fill="{c}"/>'
        f'<rect x="41" y="16" width="18" height="10" rx="3" fill="{c}"/>'
        f'<path d="M29 37 H71 L67 84 H33 Z" fill="{c}" stroke="{c}" stroke-width="3" stroke-linejoin="round"/>'
        + "".join(f'<rect x="{x}" y="44" width="5" height="32" rx="2" fill="{bg}"/>' for x in (38.5, 47.5, 56.5))
    )


def arrow_right(c, bg):
    return f'<path d="M38 22 L68 50 L38 78" fill="none" stroke="{c}" stroke-width="15" stroke-linecap="round" stroke-linejoin="round"/>'


def arrow_left(c, bg):
    return f'<path d="M62 22 L32 50 L62 78" fill="none" stroke="{c}" stroke-width="15" stroke-linecap="round" stroke-linejoin="round"/>'


def _mountains(x, y, w, h, fill, opacity=1.0):
    def px(fx):
        return x + fx * w

    def py(fy):
        return y + fy * h

    return (
        f'<path d="M{px(0.04)} {py(0.96)} L{px(0.34)} {py(0.42)} L{px(0.55)} {py(0.72)} L{px(0.70)} {py(0.55)} L{px(0.96)} {py(0.96)} Z" fill="{fill}" opacity="{opacity}"/>'
        f'<circle cx="{px(0.75)}" cy="{py(0.26)}" r="{min(w, h) * 0.11}" fill="{fill}" opacity="{opacity}"/>'
    )


def ghost(c, bg):
    return (
        f'<rect x="16" y="24" width="68" height="52" rx="5" fill="none" stroke="{c}" stroke-width="6" stroke-dasharray="9 6"/>'
        + _mountains(22, 30, 56, 40, c, 0.5)
    )


def picture_window(c, bg):
    return (
        f'<rect x="12" y="34" width="56" height="44" rx="5" fill="none" stroke="{c}" stroke-width="6"/>'
        f'<rect x="42" y="18" width="46" height="36" rx="4" fill="{c}"/>'
        + _mountains(46, 22, 38, 28, bg)
    )


def bulb(c, bg):
    rays = "".join(
        f'<path d="M{50 + 30 * math.cos(a):.1f} {42 + 30 * math.sin(a):.1f} L{50 + 40 * math.cos(a):.1f} {42 + 40 * math.sin(a):.1f}" stroke="{c}" stroke-width="5" stroke-linecap="round"/>'
        for a in (math.radians(d) for d in (-160, -125, -90, -55, -20))
    )
    return (
        f'<path d="M50 20 C64 20 72 30 72 42 C72 52 64 57 61 64 H39 C36 57 28 52 28 42 C28 30 36 20 50 20 Z" fill="{c}"/>'
        f'<rect x="39" y="67" width="22" height="6" rx="2" fill="{c}"/>'
        f'<rect x="41" y="76" width="18" height="6" rx="3" fill="{c}"/>'
        f'<path d="M42 47 L46 53 L50 47 L54 53 L58 47" fill="none" stroke="{bg}" stroke-width="3.5" stroke-linecap="round" stroke-linejoin="round"/>'
        + rays
    )


def sort(c, bg):
    squares = "".join(
        f'<rect x="{x}" y="{y}" width="22" height="22" rx="4" fill="{c}"/>' for x, y in ((14, 14), (64, 14), (14, 64), (64, 64))
    )
    arrows = "".join(
        f'<path d="M50 50 L{50 + dx * 11} {50 + dy * 11}" stroke="{c}" stroke-width="5" stroke-linecap="round"/>'
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1))
    )
    return squares + arrows + f'<circle cx="50" cy="50" r="6" fill="{c}"/>'


def magnifier(c, bg):
    return (
        f'<circle cx="43" cy="43" r="22" fill="{c}" fill-opacity="0.25" stroke="{c}" stroke-width="9"/>'
        f'<path d="M60 60 L80 80" stroke="{c}" stroke-width="14" stroke-linecap="round"/>'
        f'<path d="M32 36 C34 30 38 27 44 26" fill="none" stroke="{c}" stroke-width="4" stroke-linecap="round" opacity="0.8"/>'
    )


def border(c, bg):
    cells = []
    for row in range(4):
        for col in range(4):
            if row in (0, 3) or col in (0, 3):
                cells.append(f'<rect x="{17 + col * 17}" y="{17 + row * 17}" width="14" height="14" rx="3" fill="{c}"/>')
    return "".join(cells)


def drawer(c, bg):
    return (
        f'<g transform="translate(40 6) scale(0.42)"><path d="{PIECE_PATH}" fill="{c}"/></g>'
        f'<path d="M16 42 H84 V76 C84 80 81 83 77 83 H23 C19 83 16 80 16 76 Z" fill="{c}"/>'
        f'<rect x="38" y="56" width="24" height="8" rx="4" fill="{bg}"/>'
    )


def check(c, bg):
    return f'<path d="M24 52 L42 70 L78 31" fill="none" stroke="{c}" stroke-width="13" stroke-linecap="round" stroke-linejoin="round"/>'


def cross(c, bg):
    return f'<path d="M30 30 L70 70 M70 30 L30 70" stroke="{c}" stroke-width="13" stroke-linecap="round"/>'


def replay(c, bg):
    return (
        f'<path d="M74 56 A26 26 0 1 1 66 30" fill="none" stroke="{c}" stroke-width="11" stroke-linecap="round"/>'
        f'<path d="M56 16 L80 26 L62 44 Z" fill="{c}" stroke="{c}" stroke-width="4" stroke-linejoin="round"/>'
    )


def plus(c, bg):
    return f'<path d="M50 24 V76 M24 50 H76" stroke="{c}" stroke-width="14" stroke-linecap="round"/>'


def minus(c, bg):
    return f'<path d="M24 50 H76" stroke="{c}" stroke-width="14" stroke-linecap="round"/>'


def rotate(c, bg):
    return (
        f'<path d="M26 42 A26 26 0 0 1 72 34" fill="none" stroke="{c}" stroke-width="9" stroke-linecap="round"/>'
        f'<path d="M64 20 L82 36 L60 44 Z" fill="{c}" stroke="{c}" stroke-width="3" stroke-linejoin="round"/>'
        f'<path d="M74 58 A26 26 0 0 1 28 66" fill="none" stroke="{c}" stroke-width="9" stroke-linecap="round"/>'
        f'<path d="M36 80 L18 64 L40 56 Z" fill="{c}" stroke="{c}" stroke-width="3" stroke-linejoin="round"/>'
    )


def upright(c, bg):
    return (
        f'<g transform="translate(4 4) scale(0.78)"><path d="{PIECE_PATH}" fill="{c}"/></g>'
        f'<rect x="58" y="60" width="28" height="24" rx="4" fill="{c}" stroke="{bg}" stroke-width="3"/>'
        f'<path d="M64 60 V54 C64 46 80 46 80 54 V60" fill="none" stroke="{c}" stroke-width="5"/>'
        f'<circle cx="72" cy="71" r="3.5" fill="{bg}"/>'
    )


def people(c, bg):
    return (
        f'<circle cx="36" cy="34" r="12" fill="{c}"/>'
        f'<path d="M14 76 C14 58 24 51 36 51 C48 51 58 58 58 76 Z" fill="{c}"/>'
        f'<circle cx="66" cy="30" r="10" fill="{c}" opacity="0.75"/>'
        f'<path d="M50 50 C54 46 60 44 66 44 C77 44 86 51 86 68 H62" fill="{c}" opacity="0.75"/>'
    )


def hourglass(c, bg):
    return (
        f'<rect x="24" y="14" width="52" height="9" rx="3" fill="{c}"/><rect x="24" y="77" width="52" height="9" rx="3" fill="{c}"/>'
        f'<path d="M30 23 H70 C70 40 56 44 56 50 C56 56 70 60 70 77 H30 C30 60 44 56 44 50 C44 44 30 40 30 23 Z" fill="{c}"/>'
        f'<path d="M38 30 H62 C60 38 52 42 50 46 C48 42 40 38 38 30 Z M36 72 C40 62 48 60 50 58 C52 60 60 62 64 72 Z" fill="{bg}" opacity="0.8"/>'
    )


def bolt(c, bg):
    return f'<path d="M58 10 L24 56 H46 L38 90 L76 40 H54 L64 10 Z" fill="{c}" stroke="{c}" stroke-width="3" stroke-linejoin="round"/>'


def crown(c, bg):
    return (
        f'<path d="M16 72 L12 30 L34 48 L50 20 L66 48 L88 30 L84 72 Z" fill="{c}" stroke="{c}" stroke-width="4" stroke-linejoin="round"/>'
        f'<rect x="16" y="74" width="68" height="11" rx="3" fill="{c}"/>'
        + "".join(f'<circle cx="{x}" cy="{y}" r="5" fill="{c}"/>' for x, y in ((12, 28), (50, 17), (88, 28)))
        + "".join(f'<circle cx="{x}" cy="62" r="4.5" fill="{bg}"/>' for x in (34, 50, 66))
    )


def grid(c, bg):
    cells = "".join(
        f'<rect x="{16 + col * 23}" y="{16 + row * 23}" width="20" height="20" rx="3" fill="{c}"/>' for row in range(3) for col in range(3)
    )
    return cells


def stack(c, bg):
    """Two pieces, one laid over the other."""
    return (
        f'<g transform="translate(2 26) rotate(-14 50 50) scale(0.7)"><path d="{PIECE_PATH}" fill="{c}" opacity="0.7"/></g>'
        f'<g transform="translate(30 6) rotate(10 50 50) scale(0.7)"><path d="{PIECE_PATH}" fill="{c}" stroke="{bg}" stroke-width="6"/></g>'
    )


def calendar(c, bg):
    days = "".join(
        f'<rect x="{24 + col * 14}" y="{44 + row * 13}" width="9" height="8" rx="2" fill="{bg}"/>' for row in range(3) for col in range(4)
    )
    return (
        f'<rect x="16" y="20" width="68" height="66" rx="8" fill="{c}"/>'
        f'<rect x="28" y="12" width="8" height="18" rx="3" fill="{c}" stroke="{bg}" stroke-width="2"/>'
        f'<rect x="64" y="12" width="8" height="18" rx="3" fill="{c}" stroke="{bg}" stroke-width="2"/>'
        + days
    )


GLYPHS = {
    "play": play,
    "podium": podium,
    "cup": cup,
    "scores": scores,
    "piece": piece,
    "gear": gear,
    "door": door,
    "trash": trash,
    "right": arrow_right,
    "left": arrow_left,
    "ghost": ghost,
    "window": picture_window,
    "bulb": bulb,
    "sort": sort,
    "magnifier": magnifier,
    "border": border,
    "drawer": drawer,
    "check": check,
    "cross": cross,
    "replay": replay,
    "plus": plus,
    "minus": minus,
    "rotate": rotate,
    "upright": upright,
    "people": people,
    "hourglass": hourglass,
    "bolt": bolt,
    "crown": crown,
    "grid": grid,
    "stack": stack,
    "calendar": calendar,
}


def glyph(name, c, bg, x, y, size):
    """The named icon scaled from its 100 box into a size x size square at (x, y)."""
    return f'<g transform="translate({x:.2f} {y:.2f}) scale({size / 100.0:.4f})">{GLYPHS[name](c, bg)}</g>'
