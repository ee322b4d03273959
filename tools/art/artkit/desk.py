"""The desk: the wooden floor tile, the play board's felt, the screen border strip, the pencils and
the flash drive."""
from . import palette as P


def _wrapped_noise(svg, w, h, frequency, octaves, seed, tint):
    """Fractal noise that repeats every w x h, tinted by the colour matrix `tint`.

    The renderer ignores stitchTiles, so the noise is blended with its own copies shifted by one
    tile: at every edge the blend reaches exactly the copy the opposite edge starts from."""
    raw, colour = svg.uid("noise"), svg.uid("tint")
    svg.define(
        f'<filter id="{raw}" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">'
        f'<feTurbulence type="fractalNoise" baseFrequency="{frequency}" numOctaves="{octaves}" seed="{seed}"/>'
        f'<feColorMatrix type="matrix" values="1 0 0 0 0  0 1 0 0 0  0 0 1 0 0  0 0 0 0 1"/></filter>'
        f'<filter id="{colour}" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">'
        f'<feColorMatrix type="matrix" values="{tint}"/></filter>'
    )
    ramps = {}
    for axis, (x2, y2) in (("x", (w, 0)), ("y", (0, h))):
        ramp = svg.linear([(0, "#000000"), (1, "#ffffff")], x2=x2, y2=y2, units="userSpaceOnUse")
        ramps[axis] = svg.uid("ramp")
        svg.define(f'<mask id="{ramps[axis]}" maskUnits="userSpaceOnUse" x="0" y="0" width="{w}" height="{h}"><rect width="{w}" height="{h}" fill="{ramp}"/></mask>')

    def copy(dx, dy):
        return f'<g transform="translate({dx} {dy})"><rect x="{-dx}" y="{-dy}" width="{w}" height="{h}" filter="url(#{raw})"/></g>'

    def row(dy):
        return f'<g>{copy(0, dy)}<g mask="url(#{ramps["x"]})">{copy(w, dy)}</g></g>'

    # The copies are opaque, so drawing one over the other through a ramp is an exact linear blend.
    svg.add(f'<g filter="url(#{colour})">{row(0)}<g mask="url(#{ramps["y"]})">{row(h)}</g></g>')


def wood_tile(svg, w, h, planks=4):
    """Seamless planks: wrapped grain noise, two staggered butt joints per plank inside the tile."""
    tones = [P.WOOD_MID, P.mix(P.WOOD_MID, P.WOOD_LIGHT, 0.45), P.mix(P.WOOD_MID, P.WOOD_DARK, 0.25), P.mix(P.WOOD_MID, P.WOOD_LIGHT, 0.2)]
    ph = h / planks
    svg.add(f'<rect width="{w}" height="{h}" fill="{P.WOOD_MID}"/>')
    # Two joints per plank: the board between them is one tone, and the board across the tile's
    # edge is the other, so a plank ends in the same board it starts with.
    joints = [(0.31, 0.78), (0.12, 0.66), (0.50, 0.94), (0.22, 0.71)]
    for i in range(planks):
        y = i * ph
        tone = tones[i % len(tones)]
        shade = svg.linear([(0, P.lighten(tone, 0.08)), (1, P.darken(tone, 0.08))])
        svg.add(f'<rect x="0" y="{y}" width="{w}" height="{ph}" fill="{shade}"/>')
        left, right = (j * w for j in joints[i % len(joints)])
        svg.add(f'<rect x="{left}" y="{y}" width="{right - left}" height="{ph}" fill="{P.darken(tone, 0.05)}" opacity="0.6"/>')
    # A lighter wide figure and a dark fine grain.
    _wrapped_noise(svg, w, h, f"{2 / w:.5f} {16 / h:.5f}", 2, 11, "0 0 0 0 0.85  0 0 0 0 0.62  0 0 0 0 0.38  1.0 0 0 0 -0.5")
    _wrapped_noise(svg, w, h, f"{4 / w:.5f} {64 / h:.5f}", 3, 7, "0 0 0 0 0.30  0 0 0 0 0.17  0 0 0 0 0.07  1.1 0 0 0 -0.42")
    for i in range(planks):
        y = i * ph
        svg.add(f'<rect x="0" y="{y}" width="{w}" height="2" fill="{P.WOOD_DEEP}" opacity="0.75"/>')
        svg.add(f'<rect x="0" y="{y + 2}" width="{w}" height="1.5" fill="{P.WOOD_LIGHT}" opacity="0.35"/>')
        for jx in (j * w for j in joints[i % len(joints)]):
            svg.add(f'<rect x="{jx - 1}" y="{y}" width="2" height="{ph}" fill="{P.WOOD_DEEP}" opacity="0.6"/>')
            for nx in (jx - 14, jx + 14):
                for ny in (y + ph * 0.3, y + ph * 0.7):
                    svg.add(f'<circle cx="{nx}" cy="{ny}" r="2.2" fill="{P.WOOD_DEEP}" opacity="0.55"/>')


def felt_tile(svg, w, h):
    """Seamless light-grey felt for the play board, multiplied by the player's table colour.

    Mid-light, so that pale pictures and dark ones both stand apart from it under every tint;
    the fibre is fine and low in contrast, so at one texel per pixel it reads as cloth, not as
    a pattern competing with the pieces."""
    svg.add(f'<rect width="{w}" height="{h}" fill="#c9c9c6"/>')
    # Broad cloudiness of pressed fibre, then fine fibres in light and dark.
    _wrapped_noise(svg, w, h, f"{3 / w:.5f} {3 / h:.5f}", 3, 5, "0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  0.3 0 0 0 -0.12")
    _wrapped_noise(svg, w, h, f"{3 / w:.5f} {3 / h:.5f}", 3, 9, "0 0 0 0 0.2  0 0 0 0 0.2  0 0 0 0 0.19  0.3 0 0 0 -0.12")
    _wrapped_noise(svg, w, h, f"{96 / w:.5f} {96 / h:.5f}", 2, 3, "0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  1.3 0 0 0 -0.8")
    _wrapped_noise(svg, w, h, f"{128 / w:.5f} {128 / h:.5f}", 2, 17, "0 0 0 0 0.25  0 0 0 0 0.25  0 0 0 0 0.24  1.3 0 0 0 -0.75")


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
