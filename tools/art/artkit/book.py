"""The open book of the menu: one virtual book is drawn and cut into the fifteen nine-slice pieces.

Columns b1 (left cover), b2 (left page, tiles), b3 (spine, shared by both pages), b4 (right page,
tiles), b5 (right cover); rows _1 (top), _2 (middle, tiles), _3 (bottom). Every piece shows the same
drawing through its own window, so neighbours meet exactly and the tiling pieces repeat seamlessly.
"""
from . import palette as P

COLUMNS = {"1": (0, 56), "2": (56, 64), "3": (120, 72), "4": (192, 64), "5": (256, 56)}
ROWS = {"1": (0, 44), "2": (44, 64), "3": (108, 56)}
WIDTH, HEIGHT = 312, 164
SPINE_X = 120 + 36


def piece_size(code):
    col, row = code.split("_")
    return COLUMNS[col][1], ROWS[row][1]


def _virtual_book(svg):
    out = []
    out.append(f'<rect x="7" y="9" width="298" height="150" rx="18" fill="{P.SHADOW}" opacity="0.55" filter="url(#soften)"/>')
    leather = svg.linear([(0, P.LEATHER_LIGHT), (0.5, P.LEATHER), (1, P.LEATHER_DARK)], x1=0, y1=0, x2=0, y2=HEIGHT, units="userSpaceOnUse")
    out.append(f'<rect x="8" y="6" width="296" height="150" rx="16" fill="{leather}"/>')
    out.append(f'<rect x="12" y="10" width="288" height="142" rx="13" fill="none" stroke="{P.GOLD}" stroke-width="1.5" stroke-dasharray="5 3" opacity="0.7"/>')
    # The page stack: concentric edges of the sheets, thicker along the bottom.
    out.append(f'<rect x="22" y="18" width="268" height="124" rx="7" fill="{P.PAPER_EDGE}"/>')
    for k in range(5):
        inset = 1.2 + k * 2.2
        out.append(
            f'<rect x="{22 + inset}" y="{18 + inset}" width="{268 - 2 * inset}" height="{124 - 2 * inset}" rx="{max(1, 7 - inset / 2):.1f}" '
            f'fill="none" stroke="{P.lighten(P.PAPER, 0.2) if k % 2 else P.PAPER_SHADE}" stroke-width="1.1"/>'
        )
    for k in range(4):
        y = 127 + k * 3.4
        out.append(f'<path d="M26 {y:.1f} H286" stroke="{P.lighten(P.PAPER, 0.2) if k % 2 else P.PAPER_SHADE}" stroke-width="1.2"/>')
    # The paper of both pages, flat where it tiles and shaded towards the edges.
    out.append(f'<rect x="34" y="28" width="244" height="96" rx="4" fill="{P.PAPER}"/>')
    edge_l = svg.linear([(0, P.PAPER_SHADE), (1, P.PAPER, 0)], x1=34, y1=0, x2=56, y2=0, units="userSpaceOnUse")
    edge_r = svg.linear([(0, P.PAPER, 0), (1, P.PAPER_SHADE)], x1=256, y1=0, x2=278, y2=0, units="userSpaceOnUse")
    edge_t = svg.linear([(0, P.PAPER_SHADE), (1, P.PAPER, 0)], x1=0, y1=28, x2=0, y2=40, units="userSpaceOnUse")
    edge_b = svg.linear([(0, P.PAPER, 0), (1, P.PAPER_SHADE)], x1=0, y1=112, x2=0, y2=124, units="userSpaceOnUse")
    out.append(f'<rect x="34" y="28" width="22" height="96" fill="{edge_l}"/>')
    out.append(f'<rect x="256" y="28" width="22" height="96" fill="{edge_r}"/>')
    out.append(f'<rect x="34" y="28" width="244" height="12" fill="{edge_t}"/>')
    out.append(f'<rect x="34" y="112" width="244" height="12" fill="{edge_b}"/>')
    # The gutter: the pages curve down into the spine.
    gutter = svg.linear(
        [(0, P.SHADOW, 0), (0.35, P.SHADOW, 0.10), (0.5, P.SHADOW, 0.38), (0.65, P.SHADOW, 0.10), (1, P.SHADOW, 0)],
        x1=120, y1=0, x2=192, y2=0, units="userSpaceOnUse",
    )
    out.append(f'<rect x="120" y="18" width="72" height="124" fill="{gutter}"/>')
    out.append(f'<path d="M{SPINE_X} 18 V142" stroke="{P.darken(P.PAPER_EDGE, 0.35)}" stroke-width="1.5"/>')
    out.append(f'<rect x="{SPINE_X - 6}" y="4" width="12" height="16" rx="3" fill="{P.LEATHER_DARK}"/>')
    out.append(f'<rect x="{SPINE_X - 6}" y="140" width="12" height="18" rx="3" fill="{P.LEATHER_DARK}"/>')
    return "".join(out)


def draw_piece(svg, code):
    col, row = code.split("_")
    x0, _ = COLUMNS[col]
    y0, _ = ROWS[row]
    svg.add(f'<g transform="translate({-x0} {-y0})">{_virtual_book(svg)}</g>')


def draw_whole(svg):
    """The whole virtual book, for the contact sheet's reference."""
    svg.add(_virtual_book(svg))
