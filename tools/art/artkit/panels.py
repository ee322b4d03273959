"""The bars of the screens: the player plate, the menu tray, the play tray, the score plate, the pocket."""
from . import icons
from . import palette as P


def _tray(svg, w, h, top):
    """A wooden tray rising from the bottom edge, rounded at the top, with a gold inlay."""
    wood = svg.linear([(0, P.WOOD_LIGHT), (0.25, P.WOOD_MID), (1, P.WOOD_DARK)])
    r = 26
    path = f"M0 {h} V{top + r} Q0 {top} {r} {top} H{w - r} Q{w} {top} {w} {top + r} V{h} Z"
    svg.add(f'<g filter="url(#shadow-soft)"><path d="{path}" fill="{P.WOOD_DEEP}" transform="translate(0 -2)"/></g>')
    svg.add(f'<path d="{path}" fill="{wood}" transform="translate(4 2) scale({(w - 8) / w:.4f} 1)"/>')
    svg.add(f'<path d="{path}" fill="#ffffff" filter="url(#grain)" opacity="0.25" transform="translate(4 2) scale({(w - 8) / w:.4f} 1)"/>')
    inset = 12
    svg.add(
        f'<path d="M{inset} {h} V{top + r} Q{inset} {top + inset} {r + inset} {top + inset} H{w - r - inset} '
        f'Q{w - inset} {top + inset} {w - inset} {top + r} V{h}" fill="none" stroke="{P.GOLD}" stroke-width="2" opacity="0.75"/>'
    )
    svg.add(f'<rect x="{r}" y="{top + 4}" width="{w - 2 * r}" height="6" rx="3" fill="url(#gloss)" opacity="0.7"/>')


def menu_tray(svg, w, h):
    _tray(svg, w, h, 10)


def play_tray(svg, w, h):
    # The game shows the panel from 5 % of its height down; the top margin stays empty.
    _tray(svg, w, h, int(h * 0.05) + 8)


def _hanging_plate(svg, w, h, body_h, emblem=None):
    """A paper plate hanging from the top of the screen on two straps."""
    for x in (w * 0.18, w * 0.82):
        svg.add(f'<rect x="{x - 9}" y="0" width="18" height="{body_h * 0.45}" fill="{P.LEATHER}"/>')
    fill = svg.linear([(0, P.lighten(P.PAPER, 0.5)), (1, P.mix(P.PAPER, P.PAPER_SHADE, 0.5))])
    x, y, bw, bh = 10, 4, w - 20, body_h
    svg.add(f'<g filter="url(#shadow-soft)"><rect x="{x}" y="{y}" width="{bw}" height="{bh}" rx="18" fill="{P.GOLD_DARK}"/></g>')
    svg.add(f'<rect x="{x + 3}" y="{y + 3}" width="{bw - 6}" height="{bh - 6}" rx="15" fill="{fill}"/>')
    svg.add(f'<rect x="{x + 3}" y="{y + 3}" width="{bw - 6}" height="{bh - 6}" rx="15" fill="#ffffff" filter="url(#grain)" opacity="0.5"/>')
    svg.add(f'<rect x="{x + 10}" y="{y + 10}" width="{bw - 20}" height="{bh - 20}" rx="10" fill="none" stroke="{P.GOLD}" stroke-width="1.5" opacity="0.8"/>')
    for sx in (w * 0.18, w * 0.82):
        svg.add(f'<rect x="{sx - 9}" y="{y + 6}" width="18" height="12" rx="2" fill="{P.LEATHER}"/><circle cx="{sx}" cy="{y + 12}" r="3.5" fill="{P.GOLD}"/>')
    if emblem:
        for ex in (x + 24, x + bw - 24 - bh * 0.5):
            svg.add(icons.glyph(emblem, P.GOLD, P.PAPER, ex, y + bh * 0.25, bh * 0.5))


def player_plate(svg, w, h):
    _hanging_plate(svg, w, h, h - 22, emblem="piece")
    # A small pull tab under the plate says it can be clicked.
    svg.add(f'<g filter="url(#shadow-low)"><path d="M{w / 2 - 34} {h - 20} H{w / 2 + 34} L{w / 2 + 22} {h - 4} H{w / 2 - 22} Z" fill="{P.LEATHER}"/></g>')
    svg.add(f'<path d="M{w / 2 - 8} {h - 15} L{w / 2} {h - 9} L{w / 2 + 8} {h - 15}" fill="none" stroke="{P.GOLD_LIGHT}" stroke-width="2.5" stroke-linecap="round"/>')


def score_plate(svg, w, h):
    _hanging_plate(svg, w, h, h - 10, emblem="cup")


def change_player_sign(svg, w, h):
    """A small tag under the player plate: people and a turning arrow."""
    svg.add(f'<path d="M{w / 2} 0 V12" stroke="{P.GOLD_DARK}" stroke-width="2"/>')
    svg.add(f'<g filter="url(#shadow)"><rect x="6" y="10" width="{w - 12}" height="{h - 16}" rx="12" fill="{P.GOLD_DARK}"/></g>')
    svg.add(f'<rect x="8.5" y="12.5" width="{w - 17}" height="{h - 21}" rx="10" fill="{P.lighten(P.PAPER, 0.3)}"/>')
    size = h - 22
    svg.add(icons.glyph("people", P.INK, P.PAPER, w / 2 - size - 2, 13, size))
    svg.add(icons.glyph("rotate", P.GOLD_DARK, P.PAPER, w / 2 + 4, 13, size))


# The pocket drawer is one virtual drawer cut into four tiles: body, bottom band, right band, corner.
POCKET_BODY = 64
POCKET_BAND = 96


def _virtual_drawer(svg):
    edge = POCKET_BODY + 72
    felt = svg.linear([(0, P.FELT), (1, P.FELT_DARK)], x1=0, y1=0, x2=edge, y2=edge, units="userSpaceOnUse")
    wood = svg.linear([(0, P.WOOD_LIGHT), (1, P.WOOD_DARK)], x1=0, y1=edge, x2=0, y2=edge + 16, units="userSpaceOnUse")
    wood_v = svg.linear([(0, P.WOOD_LIGHT), (1, P.WOOD_DARK)], x1=edge, y1=0, x2=edge + 16, y2=0, units="userSpaceOnUse")
    big = -400
    out = [
        f'<rect x="{big}" y="{big}" width="{edge + 16 - big + 4}" height="{edge + 16 - big + 4}" rx="22" fill="{P.SHADOW}" opacity="0.5" filter="url(#soften)"/>',
        f'<rect x="{big}" y="{big}" width="{edge + 16 - big}" height="{edge + 16 - big}" rx="20" fill="{P.WOOD_MID}"/>',
        f'<rect x="{big}" y="{edge}" width="{edge - big}" height="16" fill="{wood}"/>',
        f'<rect x="{edge}" y="{big}" width="16" height="{edge - big}" fill="{wood_v}"/>',
        f'<rect x="{big}" y="{big}" width="{edge - big}" height="{edge - big}" rx="8" fill="{felt}"/>',
        f'<rect x="{big}" y="{big}" width="{edge - 6 - big}" height="{edge - 6 - big}" rx="6" fill="none" stroke="{P.lighten(P.FELT, 0.35)}" stroke-width="1.6" opacity="0.7"/>',
    ]
    # A brass pull at the corner, where the closed drawer peeks out behind its button.
    out.append(
        f'<g filter="url(#shadow)"><circle cx="{edge + 4}" cy="{edge + 4}" r="10" fill="{P.GOLD_DARK}"/>'
        f'<circle cx="{edge + 4}" cy="{edge + 4}" r="7.5" fill="{P.GOLD}"/></g>'
        f'<circle cx="{edge + 2}" cy="{edge + 2}" r="3" fill="{P.GOLD_LIGHT}"/>'
    )
    return "".join(out)


def pocket_tile(svg, kind):
    """kind: 'body' (p1_1), 'bottom' (p1_2), 'right' (p2_1) or 'corner' (p2_2)."""
    x0 = POCKET_BODY if kind in ("right", "corner") else 0
    y0 = POCKET_BODY if kind in ("bottom", "corner") else 0
    svg.add(f'<g transform="translate({-x0} {-y0})">{_virtual_drawer(svg)}</g>')
