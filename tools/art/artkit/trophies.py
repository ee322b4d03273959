"""Trophy medals: one emblem and ribbon colour per trophy, the material and pips show the level."""
import math

from . import icons
from . import palette as P

# Registry base name, emblem, ribbon colour, number of levels (see the trophy thresholds).
TROPHIES = [
    ("trofi_sobiratel", "stack", "#3b78a6", 5),
    ("trofi_master", "cup", "#c4503b", 3),
    ("trofi_terpenie", "grid", "#55a03c", 4),
    ("trofi_meditaciya", "hourglass", "#7a4fa0", 4),
    ("trofi_nepostoyanstvo", "calendar", "#2f8c84", 4),
    ("trofi_mudrec", "bolt", "#d9822b", 6),
]


def medal(svg, size, emblem, ribbon, level):
    base, dark, light = P.MATERIALS[level - 1]
    s = size / 110.0
    cx, cy, r = 55 * s, 64 * s, 38 * s
    rib_dark = P.darken(ribbon, 0.3)
    svg.add(
        f'<g filter="url(#shadow-low)"><path d="M{30 * s} 2 H{50 * s} L{62 * s} {40 * s} H{42 * s} Z" fill="{rib_dark}"/>'
        f'<path d="M{80 * s} 2 H{60 * s} L{48 * s} {40 * s} H{68 * s} Z" fill="{ribbon}"/></g>'
    )
    disc = svg.radial([(0, light), (0.55, base), (1, dark)], cx=0.4, cy=0.35, r=0.75)
    svg.add(f'<g filter="url(#shadow)"><circle cx="{cx}" cy="{cy}" r="{r}" fill="{dark}"/></g>')
    svg.add(f'<circle cx="{cx}" cy="{cy}" r="{r - 3 * s}" fill="{disc}"/>')
    svg.add(f'<circle cx="{cx}" cy="{cy}" r="{r - 8 * s}" fill="none" stroke="{dark}" stroke-width="{1.5 * s}" opacity="0.7"/>')
    # The emblem is engraved: a light lower edge under a dark face.
    glyph_size = r * 1.15
    gx, gy = cx - glyph_size / 2, cy - glyph_size / 2 - 2 * s
    svg.add(icons.glyph(emblem, P.lighten(light, 0.4), base, gx, gy + 1.6 * s, glyph_size))
    svg.add(icons.glyph(emblem, P.darken(dark, 0.15), base, gx, gy, glyph_size))
    svg.add(f'<ellipse cx="{cx - r * 0.25}" cy="{cy - r * 0.5}" rx="{r * 0.45}" ry="{r * 0.22}" fill="url(#gloss)" transform="rotate(-20 {cx} {cy})"/>')
    for i in range(level):
        a = math.radians(90 + (i - (level - 1) / 2.0) * 17)
        px, py = cx + (r - 4 * s) * math.cos(a), cy + (r - 4 * s) * math.sin(a)
        svg.add(icons.star(px, py, 6.5 * s, P.GOLD_LIGHT, f'stroke="{P.GOLD_DARK}" stroke-width="{1.2 * s}"'))


def lord(svg, size):
    s = size / 110.0
    cushion = svg.radial([(0, "#a46ad0"), (1, "#5a2f80")], cy=0.4)
    svg.add(f'<g filter="url(#shadow)"><ellipse cx="{55 * s}" cy="{84 * s}" rx="{46 * s}" ry="{16 * s}" fill="{cushion}"/></g>')
    for x in (12, 98):
        svg.add(f'<circle cx="{x * s}" cy="{84 * s}" r="{5 * s}" fill="{P.GOLD}"/>')
    body = svg.linear([(0, P.GOLD_LIGHT), (0.5, P.GOLD), (1, P.GOLD_DARK)])
    svg.add(f'<g filter="url(#shadow)">{icons.glyph("crown", P.GOLD_DARK, P.GOLD, 14 * s, 4 * s, 82 * s)}</g>')
    svg.add(icons.glyph("crown", body, P.GOLD, 16 * s, 2 * s, 78 * s))
    for x, colour in ((42, "#d8485a"), (55, "#3b78a6"), (68, "#55a03c")):
        svg.add(f'<circle cx="{x * s + 1.5 * s}" cy="{51 * s}" r="{4 * s}" fill="{colour}" stroke="{P.GOLD_LIGHT}" stroke-width="{1 * s}"/>')
