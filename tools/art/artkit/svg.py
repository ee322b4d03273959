"""A small SVG document builder: canvas, the shared filter and gradient fragments, and id helpers."""
from . import palette as P

HEADER = "<!-- Interface art of Puzzle Desk. Written by tools/art/generate_art.py from its templates;\n     edit the template and regenerate, or edit this file in any SVG editor. -->\n"

# Filters every image may use; each document carries the set so that it opens on its own.
SHARED_DEFS = f"""
<filter id="shadow" x="-30%" y="-30%" width="160%" height="170%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="2.5"/>
  <feOffset dy="3" result="b"/>
  <feFlood flood-color="{P.SHADOW}" flood-opacity="0.45"/>
  <feComposite in2="b" operator="in"/>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="shadow-soft" x="-30%" y="-30%" width="160%" height="170%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="5"/>
  <feOffset dy="5" result="b"/>
  <feFlood flood-color="{P.SHADOW}" flood-opacity="0.45"/>
  <feComposite in2="b" operator="in"/>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="shadow-low" x="-30%" y="-30%" width="160%" height="170%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="1.2"/>
  <feOffset dy="1" result="b"/>
  <feFlood flood-color="{P.SHADOW}" flood-opacity="0.5"/>
  <feComposite in2="b" operator="in"/>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="glow" x="-40%" y="-40%" width="180%" height="180%" color-interpolation-filters="sRGB">
  <feMorphology in="SourceAlpha" operator="dilate" radius="1.5"/>
  <feGaussianBlur stdDeviation="3" result="b"/>
  <feFlood flood-color="{P.GOLD_LIGHT}" flood-opacity="0.95"/>
  <feComposite in2="b" operator="in"/>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="soften" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur stdDeviation="1.5"/>
</filter>
<filter id="blur-big" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur stdDeviation="8"/>
</filter>
<filter id="grain" x="0" y="0" width="100%" height="100%" color-interpolation-filters="sRGB">
  <feTurbulence type="fractalNoise" baseFrequency="0.8" numOctaves="2" seed="3" stitchTiles="stitch"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.45  0 0 0 0 0.32  0 0 0 0 0.15  0 0 0 -0.9 0.55"/>
  <feComposite in2="SourceGraphic" operator="in"/>
</filter>
<linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/>
  <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
</linearGradient>
<linearGradient id="paper-v" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="{P.lighten(P.PAPER, 0.3)}"/>
  <stop offset="1" stop-color="{P.PAPER}"/>
</linearGradient>
"""


class Svg:
    """One image: a canvas of width x height pixels with the shared defs and its own."""

    def __init__(self, width, height, title):
        self.width, self.height, self.title = width, height, title
        self.defs = []
        self.body = []
        self._next_id = 0

    def uid(self, stem):
        """A document-unique id for gradients and clip paths."""
        self._next_id += 1
        return f"{stem}{self._next_id}"

    def define(self, fragment):
        self.defs.append(fragment)

    def add(self, fragment):
        self.body.append(fragment)

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        """Defines a linear gradient from (offset, colour[, opacity]) stops; returns its url()."""
        ident = self.uid("lg")
        attrs = f'x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}"'
        if units:
            attrs += f' gradientUnits="{units}"'
        self.define(f'<linearGradient id="{ident}" {attrs}>{_stops(stops)}</linearGradient>')
        return f"url(#{ident})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
        ident = self.uid("rg")
        focus = f' fx="{fx}" fy="{fy}"' if fx is not None else ""
        self.define(f'<radialGradient id="{ident}" cx="{cx}" cy="{cy}" r="{r}"{focus}>{_stops(stops)}</radialGradient>')
        return f"url(#{ident})"

    def clip_rect(self, x, y, w, h):
        ident = self.uid("clip")
        self.define(f'<clipPath id="{ident}"><rect x="{x}" y="{y}" width="{w}" height="{h}"/></clipPath>')
        return f"url(#{ident})"

    def text(self):
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            + HEADER
            + f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
            f"<title>{self.title}</title>\n<defs>{SHARED_DEFS}"
            + "\n".join(self.defs)
            + "\n</defs>\n"
            + "\n".join(self.body)
            + "\n</svg>\n"
        )


def _stops(stops):
    out = []
    for stop in stops:
        offset, colour = stop[0], stop[1]
        opacity = f' stop-opacity="{stop[2]}"' if len(stop) > 2 else ""
        out.append(f'<stop offset="{offset}" stop-color="{colour}"{opacity}/>')
    return "".join(out)
