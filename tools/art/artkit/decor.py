"""Illustrations: window decorations, question icons, help pictures, loading picture, cursor, icon."""
import math

from . import icons
from . import palette as P


def brass_gear(svg, size, teeth=10):
    c = size / 2.0
    metal = svg.radial([(0, P.GOLD_LIGHT), (0.6, P.GOLD), (1, P.GOLD_DARK)], cx=0.4, cy=0.35, r=0.7)
    outline = icons.gear_path(c, c, c * 0.92, c * 0.74, teeth, c * 0.24)
    svg.add(f'<g filter="url(#shadow)"><path d="{outline}" fill="{P.GOLD_DARK}" fill-rule="evenodd"/></g>')
    svg.add(f'<path d="{icons.gear_path(c, c, c * 0.88, c * 0.70, teeth, c * 0.27)}" fill="{metal}" fill-rule="evenodd"/>')
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c * 0.5}" fill="none" stroke="{P.GOLD_DARK}" stroke-width="{size * 0.03}" opacity="0.6"/>')
    for k in range(4):
        svg.add(f'<circle cx="{c}" cy="{c - c * 0.4}" r="{size * 0.035}" fill="{P.GOLD_DARK}" transform="rotate({k * 90 + 45} {c} {c})"/>')


def violin(svg, w, h):
    varnish = svg.radial([(0, "#e89a4a"), (0.6, "#b8612a"), (1, "#7a3512")], cx=0.45, cy=0.4)
    cx = w / 2
    body = (
        f"M{cx} {h * 0.30} C{cx + w * 0.30} {h * 0.28} {cx + w * 0.36} {h * 0.44} {cx + w * 0.22} {h * 0.56} "
        f"C{cx + w * 0.40} {h * 0.64} {cx + w * 0.42} {h * 0.95} {cx} {h * 0.96} "
        f"C{cx - w * 0.42} {h * 0.95} {cx - w * 0.40} {h * 0.64} {cx - w * 0.22} {h * 0.56} "
        f"C{cx - w * 0.36} {h * 0.44} {cx - w * 0.30} {h * 0.28} {cx} {h * 0.30} Z"
    )
    svg.add(f'<g transform="rotate(-18 {cx} {h / 2})">')
    svg.add(f'<g filter="url(#shadow)"><path d="{body}" fill="#5e2a0e"/></g>')
    svg.add(f'<path d="{body}" fill="{varnish}" transform="translate({cx} {h * 0.63}) scale(0.95) translate({-cx} {-h * 0.63})"/>')
    svg.add(f'<rect x="{cx - w * 0.05}" y="{h * 0.04}" width="{w * 0.1}" height="{h * 0.5}" rx="3" fill="#2b1a10"/>')
    svg.add(f'<circle cx="{cx}" cy="{h * 0.05}" r="{w * 0.07}" fill="#5e2a0e"/>')
    for dx in (-0.13, 0.13):
        svg.add(f'<path d="M{cx + w * dx} {h * 0.62} c{-w * 0.05} {h * 0.06} {w * 0.05} {h * 0.1} 0 {h * 0.16}" fill="none" stroke="#2b1a10" stroke-width="2.5"/>')
    svg.add(f'<rect x="{cx - w * 0.12}" y="{h * 0.80}" width="{w * 0.24}" height="{h * 0.03}" fill="#2b1a10"/>')
    for k in range(4):
        x = cx - w * 0.03 + k * w * 0.02
        svg.add(f'<path d="M{x} {h * 0.08} V{h * 0.82}" stroke="#f2e2c0" stroke-width="0.8"/>')
    svg.add("</g>")


def piano(svg, w, h):
    lid = f"M{w * 0.08} {h * 0.42} C{w * 0.1} {h * 0.1} {w * 0.6} {h * 0.02} {w * 0.92} {h * 0.3} L{w * 0.92} {h * 0.62} H{w * 0.08} Z"
    svg.add(f'<g filter="url(#shadow)"><path d="{lid}" fill="#1d1a22"/></g>')
    svg.add(f'<path d="{lid}" fill="url(#gloss)" opacity="0.35"/>')
    svg.add(f'<path d="M{w * 0.2} {h * 0.36} L{w * 0.74} {h * 0.02}" stroke="#1d1a22" stroke-width="3"/>')
    svg.add(f'<rect x="{w * 0.06}" y="{h * 0.6}" width="{w * 0.88}" height="{h * 0.16}" rx="3" fill="#fbf7ee" stroke="#1d1a22" stroke-width="2"/>')
    keys = 14
    for k in range(1, keys):
        x = w * 0.06 + k * w * 0.88 / keys
        svg.add(f'<path d="M{x:.1f} {h * 0.6} V{h * 0.76}" stroke="#6a6470" stroke-width="1"/>')
    for k in (1, 2, 4, 5, 6, 8, 9, 11, 12, 13):
        x = w * 0.06 + k * w * 0.88 / keys - w * 0.018
        svg.add(f'<rect x="{x:.1f}" y="{h * 0.6}" width="{w * 0.036:.1f}" height="{h * 0.09}" fill="#1d1a22"/>')
    for x in (0.14, 0.86):
        svg.add(f'<rect x="{w * x - 3}" y="{h * 0.76}" width="6" height="{h * 0.2}" fill="#1d1a22"/>')


def magnifier_deco(svg, w, h):
    glass = svg.radial([(0, "#ffffff", 0.5), (0.7, "#bfe6ff", 0.35), (1, "#6aa8d0", 0.5)], cx=0.4, cy=0.35)
    r = h * 0.32
    cx, cy = w * 0.38, h * 0.38
    svg.add(f'<g filter="url(#shadow)"><path d="M{cx + r * 0.7} {cy + r * 0.7} L{w * 0.92} {h * 0.92}" stroke="{P.WOOD_DARK}" stroke-width="{h * 0.13}" stroke-linecap="round"/></g>')
    svg.add(f'<path d="M{cx + r * 0.95} {cy + r * 0.95} L{w * 0.92} {h * 0.92}" stroke="{P.WOOD_MID}" stroke-width="{h * 0.09}" stroke-linecap="round"/>')
    svg.add(f'<g filter="url(#shadow)"><circle cx="{cx}" cy="{cy}" r="{r}" fill="{glass}" stroke="{P.GOLD}" stroke-width="{h * 0.07}"/></g>')
    svg.add(f'<path d="M{cx - r * 0.6} {cy - r * 0.1} A{r * 0.6} {r * 0.6} 0 0 1 {cx - r * 0.05} {cy - r * 0.62}" fill="none" stroke="#ffffff" stroke-width="{h * 0.03}" stroke-linecap="round" opacity="0.9"/>')


def laurel(svg, size):
    """The score board's crest: a laurel wreath around a gold star."""
    c = size / 2.0
    leaf = P.mix(P.GREEN, P.GOLD_DARK, 0.25)
    for side in (-1, 1):
        for k in range(7):
            a = math.radians(110 + k * 22)
            x, y = c + side * -math.cos(a) * size * 0.36, c + math.sin(a) * size * 0.36
            tilt = side * (k * 22 - 10)
            svg.add(f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{size * 0.045:.1f}" ry="{size * 0.1:.1f}" fill="{leaf}" transform="rotate({tilt} {x:.1f} {y:.1f})"/>')
    rim = f'stroke="{P.GOLD_DARK}" stroke-width="2"'
    svg.add(f'<g filter="url(#shadow)">{icons.star(c, c, size * 0.28, P.GOLD, rim)}</g>')
    svg.add(icons.star(c, c - 1, size * 0.16, P.GOLD_LIGHT))


def monitor(svg, w, h):
    """The resolution window's picture: a screen showing a little landscape puzzle."""
    sx, sy, sw, sh = w * 0.08, h * 0.06, w * 0.84, h * 0.66
    svg.add(f'<g filter="url(#shadow-soft)"><rect x="{sx}" y="{sy}" width="{sw}" height="{sh}" rx="12" fill="#2b2f38"/></g>')
    sky = svg.linear([(0, "#8fc8f0"), (1, "#e8f4ff")])
    svg.add(f'<rect x="{sx + 10}" y="{sy + 10}" width="{sw - 20}" height="{sh - 20}" rx="5" fill="{sky}"/>')
    svg.add(icons._mountains(sx + 10, sy + 10 + (sh - 20) * 0.3, sw - 20, (sh - 20) * 0.7, "#5a9a4a"))
    svg.add(f'<g transform="translate({sx + sw * 0.55} {sy + sh * 0.25}) scale(0.42)" opacity="0.9"><path d="{icons.PIECE_PATH}" fill="{P.GOLD}" stroke="#ffffff" stroke-width="4"/></g>')
    svg.add(f'<path d="M{w / 2 - 16} {sy + sh} L{w / 2 - 24} {h * 0.88} H{w / 2 + 24} L{w / 2 + 16} {sy + sh} Z" fill="#3a3f4a"/>')
    svg.add(f'<rect x="{w / 2 - 60}" y="{h * 0.87}" width="120" height="{h * 0.08}" rx="6" fill="#2b2f38"/>')
    for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        ax, ay = w / 2 + dx * sw * 0.5, sy + sh / 2 + dy * sh * 0.5
        svg.add(f'<path d="M{ax - dx * 4} {ay - dy * 22} L{ax - dx * 4} {ay - dy * 4} L{ax - dx * 22} {ay - dy * 4}" fill="none" stroke="{P.GOLD}" stroke-width="5" stroke-linecap="round" stroke-linejoin="round"/>')


def question_badge(svg, size, icon, colour):
    """A big round badge with an icon: the pictures of the save and quit questions."""
    c = size / 2.0
    fill = svg.radial([(0, P.lighten(colour, 0.35)), (0.7, colour), (1, P.darken(colour, 0.3))], cx=0.45, cy=0.35)
    svg.add(f'<g filter="url(#shadow-soft)"><circle cx="{c}" cy="{c}" r="{c * 0.88}" fill="{P.GOLD}"/></g>')
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c * 0.8}" fill="{fill}"/>')
    svg.add(f'<ellipse cx="{c}" cy="{c * 0.6}" rx="{c * 0.55}" ry="{c * 0.32}" fill="url(#gloss)"/>')
    s = size * 0.56
    svg.add(f'<g opacity="0.5">{icons.glyph(icon, P.darken(colour, 0.5), colour, c - s / 2, c - s / 2 + 3, s)}</g>')
    svg.add(icons.glyph(icon, P.CREAM, colour, c - s / 2, c - s / 2, s))


def save_icon(c, bg):
    return (
        f'<path d="M18 14 H70 L86 30 V86 H18 Z" fill="{c}" stroke="{c}" stroke-width="4" stroke-linejoin="round"/>'
        f'<rect x="30" y="14" width="36" height="22" rx="2" fill="{bg}"/><rect x="54" y="18" width="8" height="14" fill="{c}"/>'
        f'<rect x="28" y="50" width="48" height="30" rx="3" fill="{bg}"/>'
        f'<g transform="translate(38 51) scale(0.28)"><path d="{icons.PIECE_PATH}" fill="{c}"/></g>'
    )


icons.GLYPHS["save"] = save_icon


def label_badge(svg, size, icon, colour):
    """A small disc with a cream icon: legible on the dark label plates and on window paper alike."""
    c = size / 2.0
    fill = svg.radial([(0, P.lighten(colour, 0.3)), (1, P.darken(colour, 0.2))], cx=0.45, cy=0.35)
    svg.add(f'<g filter="url(#shadow-low)"><circle cx="{c}" cy="{c}" r="{c - 2}" fill="{P.CREAM}"/></g>')
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c - 4}" fill="{fill}"/>')
    svg.add(icons.glyph(icon, P.CREAM, colour, size * 0.17, size * 0.17, size * 0.66))


def rotation_caption(svg, size):
    c = size / 2.0
    svg.add(f'<g filter="url(#shadow-low)"><circle cx="{c}" cy="{c}" r="{c - 2}" fill="{P.GOLD_DARK}"/></g>')
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c - 4}" fill="{P.lighten(P.PAPER, 0.3)}"/>')
    svg.add(icons.glyph("rotate", P.INK, P.PAPER, size * 0.14, size * 0.14, size * 0.72))


def loading_picture(svg, w, h):
    """The loading card: four interlocking pieces coming together over a warm landscape."""
    sky = svg.linear([(0, "#f6c27a"), (0.6, "#fbe3b4"), (1, "#fff3dc")])
    clip = svg.uid("lp")
    svg.define(f'<clipPath id="{clip}"><rect x="24" y="24" width="{w - 48}" height="{h - 48}" rx="18"/></clipPath>')
    svg.add(f'<g filter="url(#shadow-soft)"><rect x="16" y="16" width="{w - 32}" height="{h - 32}" rx="24" fill="{P.PAPER_EDGE}"/></g>')
    svg.add(f'<rect x="20" y="20" width="{w - 40}" height="{h - 40}" rx="21" fill="{P.PAPER}"/>')
    svg.add(f'<g clip-path="url(#{clip})"><rect width="{w}" height="{h}" fill="{sky}"/>')
    svg.add(f'<circle cx="{w * 0.72}" cy="{h * 0.34}" r="{h * 0.12}" fill="#fff2c8" opacity="0.9"/>')
    svg.add(f'<path d="M0 {h * 0.7} C{w * 0.2} {h * 0.52} {w * 0.4} {h * 0.62} {w * 0.55} {h * 0.55} C{w * 0.7} {h * 0.48} {w * 0.85} {h * 0.56} {w} {h * 0.5} V{h} H0 Z" fill="#d98e52" opacity="0.7"/>')
    svg.add(f'<path d="M0 {h * 0.8} C{w * 0.25} {h * 0.66} {w * 0.5} {h * 0.78} {w * 0.7} {h * 0.7} C{w * 0.85} {h * 0.64} {w * 0.95} {h * 0.7} {w} {h * 0.68} V{h} H0 Z" fill="#8a5a34" opacity="0.85"/>')
    svg.add("</g>")
    # A 2 x 2 block whose pieces interlock: three lie joined, the fourth is still on its way in.
    size = 64
    left, top = w / 2 - size, h * 0.4 - size
    pieces = [
        ("#3b78a6", 0, 0, (0, 1, -1, 0), 0, 0, 0),
        ("#c4503b", 1, 0, (0, 0, 1, -1), 0, 0, 0),
        ("#55a03c", 0, 1, (1, -1, 0, 0), 0, 0, 0),
        ("#e2ab3b", 1, 1, (-1, 0, 0, 1), 34, 22, 12),
    ]
    for colour, col, row, edges, dx, dy, angle in pieces:
        fill = svg.linear([(0, P.lighten(colour, 0.3)), (1, P.darken(colour, 0.15))])
        x, y = left + col * size, top + row * size
        turn = f"translate({dx} {dy}) rotate({angle} {x + size / 2} {y + size / 2})"
        svg.add(
            f'<g transform="{turn}" filter="url(#shadow-soft)">'
            f'<path d="{icons.jigsaw_path(size, *edges, x, y)}" fill="{fill}" stroke="{P.CREAM}" stroke-width="2.5" stroke-linejoin="round"/></g>'
        )
    # A dark slot for the percentage the game prints in white 130 pixels below the centre, sunk
    # into the card by a soft shadow along its inner top edge.
    inset = svg.uid("inset")
    svg.define(
        f'<filter id="{inset}" x="-10%" y="-40%" width="120%" height="180%" color-interpolation-filters="sRGB">'
        f'<feComponentTransfer in="SourceAlpha" result="outside"><feFuncA type="table" tableValues="1 0"/></feComponentTransfer>'
        f'<feGaussianBlur in="outside" stdDeviation="3"/><feOffset dy="3" result="fall"/>'
        f'<feFlood flood-color="#000000" flood-opacity="0.8"/><feComposite in2="fall" operator="in"/>'
        f'<feComposite in2="SourceAlpha" operator="in" result="shade"/>'
        f'<feMerge><feMergeNode in="SourceGraphic"/><feMergeNode in="shade"/></feMerge></filter>'
    )
    slot = svg.linear([(0, "#3a2112"), (1, "#5a3820")])
    svg.add(
        f'<g opacity="0.88"><rect x="{w / 2 - 90}" y="{h / 2 + 106}" width="180" height="48" rx="24" fill="{slot}" filter="url(#{inset})"/></g>'
        f'<rect x="{w / 2 - 90}" y="{h / 2 + 106}" width="180" height="48" rx="24" fill="none" stroke="{P.GOLD}" stroke-width="2"/>'
    )


def night_panel(svg, w, h):
    """The credits picture: a deep blue panel with a constellation of puzzle pieces."""
    sky = svg.linear([(0, "#16284f"), (0.6, "#2d4f8a"), (1, "#4b79b8")])
    svg.add(f'<g filter="url(#shadow-soft)"><rect x="6" y="6" width="{w - 12}" height="{h - 16}" rx="18" fill="{sky}"/></g>')
    svg.add(f'<rect x="12" y="12" width="{w - 24}" height="{h - 28}" rx="13" fill="none" stroke="{P.GOLD}" stroke-width="2" opacity="0.8"/>')
    stars = [(0.2, 0.1), (0.7, 0.08), (0.45, 0.2), (0.85, 0.3), (0.15, 0.35), (0.6, 0.42), (0.3, 0.55), (0.8, 0.6), (0.2, 0.75), (0.65, 0.82)]
    for i, (fx, fy) in enumerate(stars):
        svg.add(icons.star(w * fx, h * fy, 3 + (i % 3) * 2, "#fff2c8", 'opacity="0.9"'))
    svg.add(f'<path d="M{w * 0.45} {h * 0.2} L{w * 0.6} {h * 0.42} L{w * 0.3} {h * 0.55} L{w * 0.8} {h * 0.6}" fill="none" stroke="#fff2c8" stroke-width="1" opacity="0.4"/>')
    for fx, fy, a, colour in ((0.5, 0.3, -10, P.GOLD), (0.45, 0.66, 12, "#d8e8ff")):
        svg.add(
            f'<g transform="translate({w * fx} {h * fy}) rotate({a}) scale(0.9) translate(-56 -50)" filter="url(#shadow)">'
            f'<path d="{icons.PIECE_PATH}" fill="{colour}" opacity="0.92"/></g>'
        )


def _mouse(svg, x, y, s, active):
    """A desk mouse seen from above; the active button ('left' or 'right') glows gold."""
    body = svg.linear([(0, "#ffffff"), (1, "#cfd4dc")])
    out = [
        f'<g transform="translate({x} {y}) scale({s})">',
        f'<path d="M50 6 C82 6 90 40 90 70 C90 102 72 120 50 120 C28 120 10 102 10 70 C10 40 18 6 50 6 Z" fill="{body}" stroke="#5a6270" stroke-width="3" filter="url(#shadow)"/>',
    ]
    left = "M50 6 C22 6 12 36 11 56 H50 Z"
    right = "M50 6 C78 6 88 36 89 56 H50 Z"
    for name, d in (("left", left), ("right", right)):
        fill = P.GOLD if name == active else "none"
        out.append(f'<path d="{d}" fill="{fill}" stroke="#5a6270" stroke-width="3" stroke-linejoin="round"/>')
    out.append('<rect x="45" y="18" width="10" height="22" rx="5" fill="#8a929e"/>')
    out.append("</g>")
    return "".join(out)


def help_mouse(svg, size, button):
    """Left: hold and drag a piece. Right: click to turn a piece by a quarter."""
    svg.add(_mouse(svg, size * 0.04, size * 0.26, size / 220.0, button))
    px, py, ps = size * 0.56, size * 0.08, size * 0.4
    piece_fill = svg.linear([(0, "#6aa0d0"), (1, P.BLUE)])
    if button == "left":
        svg.add(f'<g transform="translate({px - ps * 0.35} {py + ps * 0.75}) scale({ps / 100})" opacity="0.35"><path d="{icons.PIECE_PATH}" fill="{P.BLUE}"/></g>')
        svg.add(f'<path d="M{px - ps * 0.05} {py + ps * 1.2} C{px + ps * 0.1} {py + ps * 0.95} {px + ps * 0.2} {py + ps * 0.9} {px + ps * 0.35} {py + ps * 0.8}" fill="none" stroke="{P.INK}" stroke-width="3" stroke-dasharray="6 4"/>')
        svg.add(f'<g transform="translate({px} {py}) scale({ps / 100})" filter="url(#shadow-soft)"><path d="{icons.PIECE_PATH}" fill="{piece_fill}" stroke="{P.CREAM}" stroke-width="3"/></g>')
        svg.add(f'<path d="M{px + ps * 0.55} {py + ps * 0.55} l-6 22 l6 -5 l5 9 l5 -3 l-5 -9 l8 -1 z" fill="#ffffff" stroke="{P.INK}" stroke-width="2" stroke-linejoin="round"/>')
    else:
        svg.add(f'<g transform="translate({px} {py + ps * 0.4}) rotate(90 {ps / 2} {ps / 2}) scale({ps / 100})" filter="url(#shadow-soft)"><path d="{icons.PIECE_PATH}" fill="{piece_fill}" stroke="{P.CREAM}" stroke-width="3"/></g>')
        svg.add(icons.glyph("rotate", P.INK, P.PAPER, px - ps * 0.2, py + ps * 0.2, ps * 1.4))


def help_pocket(svg, size):
    """The pocket: a drawer in the top-left corner of the board holding spare pieces."""
    s = size
    svg.add(f'<rect x="{s * 0.04}" y="{s * 0.04}" width="{s * 0.92}" height="{s * 0.92}" rx="10" fill="{P.mix(P.PAPER_SHADE, "#ffffff", 0.3)}" stroke="{P.PAPER_EDGE}" stroke-width="2"/>')
    felt = svg.linear([(0, P.FELT), (1, P.FELT_DARK)])
    svg.add(f'<g filter="url(#shadow)"><path d="M{s * 0.04} {s * 0.04} H{s * 0.62} V{s * 0.5} Q{s * 0.62} {s * 0.58} {s * 0.54} {s * 0.58} H{s * 0.04} Z" fill="{P.WOOD_MID}"/></g>')
    svg.add(f'<path d="M{s * 0.04} {s * 0.04} H{s * 0.57} V{s * 0.48} Q{s * 0.57} {s * 0.53} {s * 0.52} {s * 0.53} H{s * 0.04} Z" fill="{felt}"/>')
    for fx, fy, colour, a in ((0.12, 0.12, "#e2ab3b", -10), (0.32, 0.1, "#c4503b", 15), (0.16, 0.3, "#6aa0d0", 5)):
        svg.add(f'<g transform="translate({s * fx} {s * fy}) rotate({a} 20 20) scale({s * 0.0021})"><path d="{icons.PIECE_PATH}" fill="{colour}" stroke="{P.CREAM}" stroke-width="4"/></g>')
    svg.add(f'<g transform="translate({s * 0.6} {s * 0.62}) scale({s * 0.0026})" filter="url(#shadow-soft)"><path d="{icons.PIECE_PATH}" fill="#55a03c" stroke="{P.CREAM}" stroke-width="4"/></g>')
    svg.add(f'<path d="M{s * 0.68} {s * 0.66} C{s * 0.6} {s * 0.56} {s * 0.52} {s * 0.48} {s * 0.42} {s * 0.4}" fill="none" stroke="{P.INK}" stroke-width="3.5" stroke-dasharray="6 4"/>')
    svg.add(f'<path d="M{s * 0.38} {s * 0.33} L{s * 0.48} {s * 0.37} L{s * 0.41} {s * 0.45} Z" fill="{P.INK}"/>')


def cursor(svg, size):
    """The pointer: its tip is the image's top-left pixel, where the game anchors it."""
    s = size / 32.0
    d = f"M1 1 L1 {23 * s} L{7 * s} {17.5 * s} L{11 * s} {27 * s} L{15 * s} {25.5 * s} L{11 * s} {16 * s} L{19 * s} {16 * s} Z"
    svg.add(f'<g filter="url(#shadow-low)"><path d="{d}" fill="{P.CREAM}" stroke="{P.INK}" stroke-width="{1.6 * s}" stroke-linejoin="round"/></g>')
    svg.add(f'<path d="M{3 * s} {5 * s} L{3 * s} {15 * s} L{9 * s} {10 * s} Z" fill="{P.GOLD}" opacity="0.9"/>')


def window_icon(svg, size):
    s = size / 64.0
    fill = svg.linear([(0, P.lighten(P.BLUE, 0.2)), (1, P.darken(P.BLUE, 0.25))])
    svg.add(f'<rect x="{2 * s}" y="{2 * s}" width="{60 * s}" height="{60 * s}" rx="{14 * s}" fill="{fill}"/>')
    svg.add(f'<rect x="{2 * s}" y="{2 * s}" width="{60 * s}" height="{60 * s}" rx="{14 * s}" fill="none" stroke="{P.GOLD}" stroke-width="{3 * s}"/>')
    svg.add(f'<g transform="translate({3 * s} {4 * s}) scale({0.58 * s})"><path d="{icons.PIECE_PATH}" fill="{P.GOLD_LIGHT}" stroke="{P.GOLD_DARK}" stroke-width="3"/></g>')
