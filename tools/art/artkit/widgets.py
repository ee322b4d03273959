"""Button strips (normal, hover, pressed, disabled), check boxes, the slider and the book tab."""
from . import icons
from . import palette as P

STATES = ("normal", "hover", "pressed", "disabled")


def state_colour(base, state):
    if state == "hover":
        return P.lighten(base, 0.18)
    if state == "pressed":
        return P.darken(base, 0.18)
    if state == "disabled":
        return P.mix(P.grey(base), P.PAPER_EDGE, 0.35)
    if state == "selected":
        return P.GOLD
    return base


def strip(svg, frame_w, frame_h, face, states=STATES):
    """Lays one face per state side by side, each clipped to its own frame so none bleeds."""
    for i, state in enumerate(states):
        clip = svg.clip_rect(i * frame_w, 0, frame_w, frame_h)
        svg.add(f'<g clip-path="{clip}"><g transform="translate({i * frame_w} 0)">{face(svg, state, frame_w, frame_h)}</g></g>')


def _body_filter(state):
    return "shadow-low" if state in ("pressed", "disabled") else "shadow"


def _icon_layers(name, colour, bg, x, y, size):
    """The icon with a dark emboss line under it."""
    under = icons.glyph(name, P.darken(bg, 0.45), bg, x, y + size * 0.025, size)
    return f'<g opacity="0.55">{under}</g>' + icons.glyph(name, colour, bg, x, y, size)


def round_face(base, icon, margin=5, icon_scale=1.05, rim=P.GOLD):
    """A round glossy button with a gold rim and a cream icon."""

    def face(svg, state, w, h):
        r = min(w, h) / 2.0 - margin
        cx, cy = w / 2.0, h / 2.0 - 1.5 + (1.5 if state == "pressed" else 0)
        col = state_colour(base, state)
        ring = rim if state != "disabled" else P.grey(rim)
        if state in ("hover", "selected"):
            ring = P.GOLD_LIGHT
        fill = svg.radial([(0, P.lighten(col, 0.35)), (0.65, col), (1, P.darken(col, 0.3))], cx=0.5, cy=0.3, r=0.75)
        icon_colour = {"disabled": P.lighten(P.grey(P.CREAM), 0.2), "selected": P.INK}.get(state, P.CREAM)
        size = r * 2 * icon_scale * 0.62
        glow = ' filter="url(#glow)"' if state in ("hover", "selected") else ""
        out = [
            f'<g filter="url(#{_body_filter(state)})"><circle cx="{cx}" cy="{cy}" r="{r}" fill="{ring}"{glow}/></g>',
            f'<circle cx="{cx}" cy="{cy}" r="{r - max(2.0, r * 0.08)}" fill="{fill}"/>',
            f'<ellipse cx="{cx}" cy="{cy - r * 0.42}" rx="{r * 0.68}" ry="{r * 0.42}" fill="url(#gloss)" opacity="0.8"/>',
            _icon_layers(icon, icon_colour, col, cx - size / 2, cy - size / 2, size),
        ]
        if state == "disabled":
            return f'<g opacity="0.6">{"".join(out)}</g>'
        return "".join(out)

    return face


def pill_face(base, icon=None, margin=5, light=False):
    """A rounded rectangular button; light ones carry text the game prints over them."""

    def face(svg, state, w, h):
        dy = 1.5 if state == "pressed" else 0
        x, y, bw, bh = margin, margin - 1 + dy, w - 2 * margin, h - 2 * margin - 1
        rx = min(bh / 2.0, 16)
        col = state_colour(base, state)
        edge = P.darken(col, 0.35)
        if state == "hover":
            edge = P.GOLD
        fill = svg.linear([(0, P.lighten(col, 0.3)), (0.5, col), (1, P.darken(col, 0.12))])
        glow = ' filter="url(#glow)"' if state in ("hover", "selected") else ""
        out = [
            f'<g filter="url(#{_body_filter(state)})"><rect x="{x}" y="{y}" width="{bw}" height="{bh}" rx="{rx}" fill="{edge}"{glow}/></g>',
            f'<rect x="{x + 2}" y="{y + 2}" width="{bw - 4}" height="{bh - 4}" rx="{rx - 2}" fill="{fill}"/>',
            f'<rect x="{x + 6}" y="{y + 3}" width="{bw - 12}" height="{bh * 0.42}" rx="{max(1.0, rx - 5)}" fill="url(#gloss)" opacity="{0.5 if light else 0.75}"/>',
        ]
        if icon:
            size = bh * 0.78
            colour = P.CREAM if state != "disabled" else P.lighten(P.grey(P.CREAM), 0.2)
            out.append(_icon_layers(icon, colour, col, w / 2.0 - size / 2, y + bh / 2.0 - size / 2, size))
        if state == "disabled":
            return f'<g opacity="0.6">{"".join(out)}</g>'
        return "".join(out)

    return face


def text_face(base, label, font_size):
    """A small round-cornered button with a short label (the zoom steps of the floating picture)."""
    pill = pill_face(base, margin=3)

    def face(svg, state, w, h):
        colour = {"disabled": P.lighten(P.grey(P.CREAM), 0.1), "selected": P.INK}.get(state, P.CREAM)
        dy = 1.5 if state == "pressed" else 0
        return pill(svg, state, w, h) + (
            f'<text x="{w / 2}" y="{h / 2 + font_size * 0.36 + dy - 1}" text-anchor="middle" font-family="DejaVu Sans" '
            f'font-weight="bold" font-size="{font_size}" fill="{colour}" stroke="{P.darken(base, 0.4)}" stroke-width="0.6">{label}</text>'
        )

    return face


def tab_face(colour):
    """A book tab: a bookmark whose current state (the game's disabled frame) matches the page."""

    def face(svg, state, w, h):
        body = {
            "normal": P.mix(colour, P.PAPER, 0.55),
            "hover": P.mix(colour, P.PAPER, 0.35),
            "pressed": P.mix(colour, P.PAPER, 0.2),
            "disabled": P.PAPER,
        }[state]
        edge = P.darken(P.mix(colour, P.PAPER, 0.3), 0.25)
        if state == "disabled":
            edge = P.PAPER_EDGE
        fill = svg.linear([(0, P.lighten(body, 0.35)), (1, body)])
        x, y, bw, bh, r = 4, 4, w - 4, h - 10, 14
        path = f"M{x + bw} {y} H{x + r} Q{x} {y} {x} {y + r} V{y + bh - r} Q{x} {y + bh} {x + r} {y + bh} H{x + bw} Z"
        stripe_col = colour if state != "disabled" else P.GOLD
        glow = ' filter="url(#glow)"' if state == "hover" else ""
        return (
            f'<g filter="url(#shadow-low)"><path d="{path}" fill="{edge}"{glow}/></g>'
            f'<path d="{path}" fill="{fill}" transform="translate(1.5 1.5) scale({(bw - 1.5) / bw:.4f} {(bh - 3) / bh:.4f})"/>'
            f'<rect x="{x + 8}" y="{y + 6}" width="6" height="{bh - 12}" rx="3" fill="{stripe_col}" opacity="0.85"/>'
        )

    return face


def check_box_frames(svg, size, emblem=None):
    """Frame 0: the empty box; frame 1: the box with its mark (drawn over frame 0 by the game)."""

    def box(ticked):
        m = size * 0.12
        s = size - 2 * m
        inner = svg.linear([(0, P.PAPER_SHADE), (1, P.lighten(P.PAPER, 0.4))])
        out = [
            f'<g filter="url(#shadow-low)"><rect x="{m}" y="{m - 1}" width="{s}" height="{s}" rx="{s * 0.22}" fill="{P.WOOD_DARK}"/></g>',
            f'<rect x="{m + 2.5}" y="{m + 1.5}" width="{s - 5}" height="{s - 5}" rx="{s * 0.18}" fill="{inner}"/>',
        ]
        if emblem:
            tone = P.GREEN if ticked else P.mix(P.INK_SOFT, P.PAPER, 0.45)
            out.append(icons.glyph(emblem, tone, P.PAPER, m + s * 0.14, m + s * 0.12 - 1, s * 0.72))
        if ticked:
            mark = icons.glyph("check", P.GREEN, P.PAPER, size * 0.12, size * 0.02, size * 0.9)
            under = icons.glyph("check", P.darken(P.GREEN, 0.5), P.PAPER, size * 0.12, size * 0.05, size * 0.9)
            if emblem:
                mark = icons.glyph("check", P.GREEN, P.PAPER, size * 0.42, size * 0.40, size * 0.62)
                under = icons.glyph("check", P.darken(P.GREEN, 0.5), P.PAPER, size * 0.42, size * 0.42, size * 0.62)
            out.append(f'<g opacity="0.5">{under}</g>{mark}')
        return "".join(out)

    strip(svg, size, size, lambda s, state, w, h: box(state == "ticked"), states=("empty", "ticked"))


def slider_quarters(svg, quarter, height):
    """Left cap, track, right cap and knob, each a quarter of the strip; the track is stretched."""
    groove_h = height * 0.34
    gy = height / 2.0 - groove_h / 2.0
    groove = svg.linear([(0, P.WOOD_DEEP), (0.5, P.WOOD_DARK), (1, P.WOOD_MID)])
    lip = P.lighten(P.PAPER_SHADE, 0.2)
    q = quarter
    # Left cap: the rounded start of the groove, then the groove to the quarter's edge.
    svg.add(
        f'<g clip-path="{svg.clip_rect(0, 0, q, height)}">'
        f'<rect x="{q * 0.3}" y="{gy - 1.5}" width="{q * 0.8}" height="{groove_h + 3}" rx="{groove_h / 2 + 1.5}" fill="{lip}"/>'
        f'<rect x="{q * 0.3 + 1.5}" y="{gy}" width="{q * 0.8}" height="{groove_h}" rx="{groove_h / 2}" fill="{groove}"/></g>'
    )
    svg.add(
        f'<rect x="{q}" y="{gy - 1.5}" width="{q}" height="{groove_h + 3}" fill="{lip}"/>'
        f'<rect x="{q}" y="{gy}" width="{q}" height="{groove_h}" fill="{groove}"/>'
    )
    svg.add(
        f'<g clip-path="{svg.clip_rect(2 * q, 0, q, height)}">'
        f'<rect x="{2 * q - q * 0.1}" y="{gy - 1.5}" width="{q * 0.8}" height="{groove_h + 3}" rx="{groove_h / 2 + 1.5}" fill="{lip}"/>'
        f'<rect x="{2 * q - q * 0.1 - 1.5}" y="{gy}" width="{q * 0.8}" height="{groove_h}" rx="{groove_h / 2}" fill="{groove}"/></g>'
    )
    r = min(q, height) / 2.0 - 3
    kx, ky = 3 * q + q / 2.0, height / 2.0 - 1
    knob = svg.radial([(0, P.GOLD_LIGHT), (0.6, P.GOLD), (1, P.GOLD_DARK)], cx=0.45, cy=0.35, r=0.7)
    svg.add(
        f'<g clip-path="{svg.clip_rect(3 * q, 0, q, height)}">'
        f'<g filter="url(#shadow-low)"><circle cx="{kx}" cy="{ky}" r="{r}" fill="{P.GOLD_DARK}"/></g>'
        f'<circle cx="{kx}" cy="{ky}" r="{r - 1.5}" fill="{knob}"/>'
        f'<circle cx="{kx}" cy="{ky}" r="{r * 0.35}" fill="{P.GOLD_DARK}" opacity="0.5"/>'
        f'<ellipse cx="{kx}" cy="{ky - r * 0.45}" rx="{r * 0.6}" ry="{r * 0.35}" fill="url(#gloss)"/></g>'
    )
