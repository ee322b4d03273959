"""The desk: the wooden floor tile, the screen border strip, the pencils and the flash drive."""
from . import palette as P


def wood_tile(svg, w, h, planks=4):
    """Seamless planks: stitched grain noise, staggered butt joints inside the tile."""
    grain, sheen = svg.uid("grain"), svg.uid("sheen")
    # Dark fine grain and a lighter wide figure, both stitched so the tile repeats without seams.
    svg.define(
        f'<filter id="{grain}" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">'
        f'<feTurbulence type="fractalNoise" baseFrequency="{4 / w:.5f} {64 / h:.5f}" numOctaves="3" seed="7" stitchTiles="stitch"/>'
        f'<feColorMatrix type="matrix" values="0 0 0 0 0.30  0 0 0 0 0.17  0 0 0 0 0.07  1.1 0 0 0 -0.42"/>'
        f'<feComposite in2="SourceGraphic" operator="in"/></filter>'
        f'<filter id="{sheen}" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">'
        f'<feTurbulence type="fractalNoise" baseFrequency="{2 / w:.5f} {16 / h:.5f}" numOctaves="2" seed="11" stitchTiles="stitch"/>'
        f'<feColorMatrix type="matrix" values="0 0 0 0 0.85  0 0 0 0 0.62  0 0 0 0 0.38  1.0 0 0 0 -0.5"/>'
        f'<feComposite in2="SourceGraphic" operator="in"/></filter>'
    )
    tones = [P.WOOD_MID, P.mix(P.WOOD_MID, P.WOOD_LIGHT, 0.45), P.mix(P.WOOD_MID, P.WOOD_DARK, 0.25), P.mix(P.WOOD_MID, P.WOOD_LIGHT, 0.2)]
    ph = h / planks
    svg.add(f'<rect width="{w}" height="{h}" fill="{P.WOOD_MID}"/>')
    joints = [0.31, 0.78, 0.12, 0.55]
    for i in range(planks):
        y = i * ph
        tone = tones[i % len(tones)]
        shade = svg.linear([(0, P.lighten(tone, 0.08)), (1, P.darken(tone, 0.08))])
        svg.add(f'<rect x="0" y="{y}" width="{w}" height="{ph}" fill="{shade}"/>')
        jx = joints[i % len(joints)] * w
        # The part right of the joint is a different board: a slightly other tone.
        svg.add(f'<rect x="{jx}" y="{y}" width="{w - jx}" height="{ph}" fill="{P.darken(tone, 0.05)}" opacity="0.6"/>')
    svg.add(f'<rect width="{w}" height="{h}" fill="#ffffff" filter="url(#{sheen})"/>')
    svg.add(f'<rect width="{w}" height="{h}" fill="#ffffff" filter="url(#{grain})"/>')
    for i in range(planks):
        y = i * ph
        jx = joints[i % len(joints)] * w
        svg.add(f'<rect x="0" y="{y}" width="{w}" height="2" fill="{P.WOOD_DEEP}" opacity="0.75"/>')
        svg.add(f'<rect x="0" y="{y + 2}" width="{w}" height="1.5" fill="{P.WOOD_LIGHT}" opacity="0.35"/>')
        svg.add(f'<rect x="{jx - 1}" y="{y}" width="2" height="{ph}" fill="{P.WOOD_DEEP}" opacity="0.6"/>')
        for nx in (jx - 14, jx + 14):
            for ny in (y + ph * 0.3, y + ph * 0.7):
                svg.add(f'<circle cx="{nx}" cy="{ny}" r="2.2" fill="{P.WOOD_DEEP}" opacity="0.55"/>')


def border_strip(svg, w, h):
    """A dark fade, symmetric across its width so it serves every edge of the screen."""
    fade = svg.linear([(0, P.SHADOW, 0.0), (0.5, P.SHADOW, 0.6), (1, P.SHADOW, 0.0)], x2=1, y2=0)
    svg.add(f'<rect width="{w}" height="{h}" fill="{fade}"/>')
    svg.add(f'<rect x="{w / 2 - 1}" y="0" width="2" height="{h}" fill="{P.WOOD_DEEP}" opacity="0.5"/>')


def pencil(svg, x, y, length, angle, colour, width=20):
    half = width / 2
    body = svg.linear([(0, P.lighten(colour, 0.35)), (0.45, colour), (1, P.darken(colour, 0.3))])
    tip = length * 0.14
    ferrule = width * 1.0
    svg.add(
        f'<g transform="translate({x} {y}) rotate({angle})">'
        f'<g filter="url(#shadow)">'
        f'<path d="M{ferrule} {-half} H{length - tip} L{length} 0 L{length - tip} {half} H{ferrule} Z" fill="{colour}"/></g>'
        f'<rect x="{ferrule}" y="{-half}" width="{length - tip - ferrule}" height="{width}" fill="{body}"/>'
        f'<path d="M{ferrule} {-half / 3} H{length - tip}" stroke="{P.darken(colour, 0.25)}" stroke-width="1" opacity="0.6"/>'
        f'<path d="M{ferrule} {half / 3} H{length - tip}" stroke="{P.darken(colour, 0.35)}" stroke-width="1" opacity="0.6"/>'
        f'<path d="M{length - tip} {-half} L{length} 0 L{length - tip} {half} Z" fill="#e8c79a"/>'
        f'<path d="M{length - tip * 0.35} {-half * 0.35} L{length} 0 L{length - tip * 0.35} {half * 0.35} Z" fill="#3b3b3b"/>'
        f'<rect x="{ferrule * 0.35}" y="{-half}" width="{ferrule * 0.7}" height="{width}" fill="#c9c9c2"/>'
        f'<path d="M{ferrule * 0.5} {-half} V{half} M{ferrule * 0.8} {-half} V{half}" stroke="#8d8d86" stroke-width="1.5"/>'
        f'<rect x="0" y="{-half}" width="{ferrule * 0.4}" height="{width}" rx="4" fill="#e58a8a"/>'
        f"</g>"
    )


def pencils(svg, w, h):
    """Pencils leaning into the lower-left corner: most of them lies in the margin left of the book."""
    pencil(svg, w * 0.05, h + 10, h * 0.95, -78, "#e9b83a")
    pencil(svg, w * 0.22, h + 20, h * 0.88, -86, "#3b78a6")
    pencil(svg, w * 0.02, h * 0.86, h * 0.62, -60, "#c4503b")
    svg.add(
        f'<g transform="translate({w * 0.32} {h - 30}) rotate(-8)" filter="url(#shadow)">'
        f'<rect x="-24" y="-13" width="48" height="26" rx="5" fill="#f2f2ee"/>'
        f'<rect x="-24" y="-13" width="20" height="26" rx="5" fill="#5a8fd0"/></g>'
    )


def flash_drive(svg, w, h):
    """A flash drive and a paper clip in the lower-right corner, in the margin right of the book."""
    body = svg.linear([(0, "#4d8fd0"), (0.5, "#2f6aa8"), (1, "#1f4f80")])
    svg.add(
        f'<g transform="translate({w * 0.62} {h * 0.62}) rotate(-72)">'
        f'<g filter="url(#shadow-soft)"><rect x="-95" y="-30" width="160" height="60" rx="14" fill="#1f4f80"/></g>'
        f'<rect x="-95" y="-30" width="160" height="60" rx="14" fill="{body}"/>'
        f'<rect x="-88" y="-24" width="146" height="18" rx="9" fill="url(#gloss)"/>'
        f'<rect x="65" y="-21" width="52" height="42" rx="3" fill="#c9ccd2" stroke="#8d929a" stroke-width="2"/>'
        f'<rect x="80" y="-11" width="10" height="8" fill="#6d727a"/><rect x="98" y="-11" width="10" height="8" fill="#6d727a"/>'
        f'<circle cx="40" cy="14" r="4" fill="#8fffa0"/>'
        f'<circle cx="-78" cy="0" r="7" fill="none" stroke="#1a3d63" stroke-width="4"/>'
        f'<path d="M-84 0 C-120 -10 -130 30 -150 40" fill="none" stroke="#e2ab3b" stroke-width="5" stroke-linecap="round"/>'
        f"</g>"
    )
    svg.add(
        f'<g transform="translate({w * 0.2} {h * 0.9}) rotate(-35)" filter="url(#shadow)">'
        f'<path d="M0 0 H48 A10 10 0 0 1 48 20 H6 A6 6 0 0 1 6 8 H44" fill="none" stroke="#b9c0c8" stroke-width="4" stroke-linecap="round"/></g>'
    )
