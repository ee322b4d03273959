"""Paper things: window cards, header ribbons, list rows, the list page and the text field."""
from . import icons
from . import palette as P


def card(svg, x, y, w, h, radius=22, ornaments=True):
    """A cream paper card with a soft shadow, a tan edge and a thin inner rule."""
    fill = svg.linear([(0, P.lighten(P.PAPER, 0.45)), (0.35, P.PAPER), (1, P.mix(P.PAPER, P.PAPER_SHADE, 0.6))])
    svg.add(f'<g filter="url(#shadow-soft)"><rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{radius}" fill="{P.PAPER_EDGE}"/></g>')
    svg.add(f'<rect x="{x + 3}" y="{y + 3}" width="{w - 6}" height="{h - 6}" rx="{radius - 3}" fill="{fill}"/>')
    svg.add(f'<rect x="{x + 3}" y="{y + 3}" width="{w - 6}" height="{h - 6}" rx="{radius - 3}" fill="#ffffff" filter="url(#grain)" opacity="0.5"/>')
    inset = 14
    svg.add(
        f'<rect x="{x + inset}" y="{y + inset}" width="{w - 2 * inset}" height="{h - 2 * inset}" rx="{radius - 10}" '
        f'fill="none" stroke="{P.PAPER_EDGE}" stroke-width="2"/>'
    )
    if ornaments:
        for cx, cy, flip in ((x + inset + 16, y + inset + 16, (1, 1)), (x + w - inset - 16, y + inset + 16, (-1, 1)),
                             (x + inset + 16, y + h - inset - 16, (1, -1)), (x + w - inset - 16, y + h - inset - 16, (-1, -1))):
            svg.add(
                f'<g transform="translate({cx} {cy}) scale({flip[0] * 0.2} {flip[1] * 0.2}) translate(-50 -50)" opacity="0.35">'
                f'<path d="{icons.PIECE_PATH}" fill="{P.GOLD_DARK}"/></g>'
            )


def window(svg, w, h, margin=8):
    card(svg, margin, margin - 2, w - 2 * margin, h - 2 * margin - 4)


def ribbon(svg, w, h, band_centre=None, emblem=None, stars=0):
    """A pale gold banner with folded tails; the game prints a header across its band."""
    bc = h / 2.0 if band_centre is None else band_centre
    bh = min(h * 0.62, 60.0)
    top = bc - bh / 2.0
    tail = P.mix(P.GOLD, P.PAPER_SHADE, 0.3)
    tail_dark = P.darken(tail, 0.35)
    tail_w, inset = 64.0, 38.0
    for mirror in (False, True):
        t = f' transform="translate({w} 0) scale(-1 1)"' if mirror else ""
        svg.add(
            f'<g{t}><g filter="url(#shadow-low)"><path d="M{tail_w} {top + 10} H3 L{20} {top + 10 + bh / 2} L3 {top + 10 + bh} H{tail_w} Z" '
            f'fill="{tail}" stroke="{tail_dark}" stroke-width="1.5" stroke-linejoin="round"/></g>'
            f'<path d="M{inset} {top + bh} L{tail_w} {top + bh + 10} V{top + bh} Z" fill="{tail_dark}"/></g>'
        )
    body = svg.linear([(0, P.lighten(P.GOLD_LIGHT, 0.5)), (0.55, P.mix(P.GOLD_LIGHT, P.PAPER, 0.45)), (1, P.mix(P.GOLD, P.PAPER, 0.35))])
    bx, bw = inset, w - 2 * inset
    svg.add(f'<g filter="url(#shadow)"><rect x="{bx}" y="{top}" width="{bw}" height="{bh}" rx="6" fill="{P.GOLD_DARK}"/></g>')
    svg.add(f'<rect x="{bx + 2}" y="{top + 2}" width="{bw - 4}" height="{bh - 4}" rx="5" fill="{body}"/>')
    svg.add(
        f'<rect x="{bx + 7}" y="{top + 6}" width="{bw - 14}" height="{bh - 12}" rx="3" fill="none" '
        f'stroke="{P.GOLD_DARK}" stroke-width="1.2" stroke-dasharray="5 3" opacity="0.55"/>'
    )
    if emblem:
        size = bh * 1.3
        ex, ey = bx + bw - size * 0.8, bc - size / 2
        svg.add(f'<g filter="url(#shadow)"><circle cx="{ex + size / 2}" cy="{bc}" r="{size / 2}" fill="{P.GOLD_DARK}"/></g>')
        svg.add(f'<circle cx="{ex + size / 2}" cy="{bc}" r="{size / 2 - 3}" fill="{P.GOLD}"/>')
        svg.add(icons.glyph(emblem, P.CREAM, P.GOLD, ex + size * 0.2, ey + size * 0.2, size * 0.6))
    for i in range(stars):
        sx = w / 2 + (i - (stars - 1) / 2.0) * 40
        sy = top + bh + 22 + (0 if i == (stars - 1) / 2.0 else 6)
        rim = f'stroke="{P.GOLD_DARK}" stroke-width="1.5"'
        svg.add(f'<g filter="url(#shadow-low)">{icons.star(sx, sy, 15 if i == (stars - 1) / 2.0 else 11, P.GOLD, rim)}</g>')


def table_row(svg, w, h):
    """One leader-board row: translucent paper with a rule, so the highlight under it shows."""
    svg.add(f'<rect x="3" y="3" width="{w - 6}" height="{h - 6}" rx="{h * 0.3}" fill="{P.PAPER}" fill-opacity="0.55" stroke="{P.PAPER_EDGE}" stroke-width="2"/>')
    svg.add(f'<path d="M{w * 0.13} 10 V{h - 10} M{w * 0.72} 10 V{h - 10}" stroke="{P.PAPER_EDGE}" stroke-width="1.5" opacity="0.8"/>')


def table_highlight(svg, w, h):
    glow = svg.linear([(0, P.GOLD_LIGHT), (0.5, P.GOLD), (1, P.GOLD_LIGHT)], x2=1, y2=0)
    svg.add(f'<rect x="2" y="2" width="{w - 4}" height="{h - 4}" rx="{h * 0.32}" fill="{glow}" opacity="0.85" filter="url(#soften)"/>')
    svg.add(f'<rect x="6" y="6" width="{w - 12}" height="{h - 12}" rx="{h * 0.28}" fill="{P.GOLD_LIGHT}" opacity="0.6"/>')


def list_page(svg, w, h, first_rule=55, pitch=40):
    """The opaque list background of the player window: lined paper whose rules fall between the
    rows the list box draws (rows every 40 pixels, centred 35 pixels below the top)."""
    svg.add(f'<rect width="{w}" height="{h}" fill="{P.mix(P.PAPER_SHADE, P.WOOD_LIGHT, 0.25)}"/>')
    svg.add(f'<rect x="6" y="6" width="{w - 12}" height="{h - 12}" rx="10" fill="{P.lighten(P.PAPER, 0.35)}"/>')
    svg.add(f'<rect x="6" y="6" width="{w - 12}" height="{h - 12}" rx="10" fill="#ffffff" filter="url(#grain)" opacity="0.6"/>')
    y = first_rule
    while y < h - 14:
        svg.add(f'<path d="M16 {y} H{w - 16}" stroke="{P.BLUE}" stroke-opacity="0.22" stroke-width="1.5"/>')
        y += pitch
    svg.add(f'<path d="M72 12 V{h - 12}" stroke="{P.RED}" stroke-opacity="0.35" stroke-width="1.5"/>')


def list_highlight(svg, w, h):
    fill = svg.linear([(0, P.GOLD_LIGHT, 0.0), (0.15, P.GOLD_LIGHT, 0.85), (0.85, P.GOLD_LIGHT, 0.85), (1, P.GOLD_LIGHT, 0.0)], x2=1, y2=0)
    svg.add(f'<rect x="2" y="3" width="{w - 4}" height="{h - 6}" rx="{h * 0.3}" fill="{fill}"/>')
    svg.add(f'<path d="M{w * 0.1} {h - 4} H{w * 0.9}" stroke="{P.GOLD_DARK}" stroke-opacity="0.6" stroke-width="1.5"/>')


def text_field(svg, w, h):
    """The name field: an inset paper slot (stretched by the game to its box size)."""
    svg.add(f'<rect x="1" y="1" width="{w - 2}" height="{h - 2}" rx="10" fill="{P.WOOD_MID}"/>')
    inner = svg.linear([(0, P.PAPER_SHADE), (0.25, P.lighten(P.PAPER, 0.5)), (1, P.lighten(P.PAPER, 0.7))])
    svg.add(f'<rect x="4" y="4" width="{w - 8}" height="{h - 8}" rx="8" fill="{inner}"/>')


def plain(svg, w, h, colour="#ffffff"):
    svg.add(f'<rect width="{w}" height="{h}" fill="{colour}"/>')


def soft_shadow(svg, w, h):
    """A blurred dark rounded rectangle with transparent margins, stretched under many things."""
    m = w * 0.12
    svg.add(f'<rect x="{m}" y="{m}" width="{w - 2 * m}" height="{h - 2 * m}" rx="{m}" fill="{P.SHADOW}" opacity="0.7" filter="url(#blur-big)"/>')
