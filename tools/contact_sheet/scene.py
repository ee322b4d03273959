"""An SVG canvas that places rendered images the way the game's sprites do."""
import html


class Scene:
    def __init__(self, library, width, height):
        self.lib, self.width, self.height = library, width, height
        self.defs, self.body = [], []
        self._uris = {}
        self._next = 0

    def _href(self, pack, member):
        key = (pack, member)
        if key not in self._uris:
            self._next += 1
            ident = f"img{self._next}"
            w, h = self.lib.size(pack, member)
            self.defs.append(f'<image id="{ident}" width="{w}" height="{h}" href="{self.lib.uri(pack, member)}"/>')
            self._uris[key] = (ident, w, h)
        return self._uris[key]

    def sprite(self, pack, member, x, y, anchor="centre", size=None, frame=None, frames=4, rotate=0.0, opacity=1.0, top_part=1.0):
        """Draws an image (or one frame of a strip, or its top part) at (x, y) with an anchor, optionally stretched."""
        ident, w, full_h = self._href(pack, member)
        h = int(full_h * top_part)
        fw = w / frames if frame is not None else w
        dw, dh = size if size else (fw, h)
        left, top = (x - dw / 2, y - dh / 2) if anchor == "centre" else (x, y)
        if anchor == "bottom-left":
            left, top = x, y - dh
        if anchor == "bottom-right":
            left, top = x - dw, y - dh
        sx, sy = dw / fw, dh / h
        u0 = frame * fw if frame is not None else 0
        clip = self._clip(0, 0, fw, h)
        self.body.append(
            f'<g transform="rotate({rotate} {x} {y}) translate({left} {top}) scale({sx} {sy})" opacity="{opacity}">'
            f'<g clip-path="url(#{clip})"><use href="#{ident}" transform="translate({-u0} 0)"/></g></g>'
        )

    def tiled(self, pack, member, x, y, w, h):
        """Repeats an image at its natural size over a rectangle, starting at its top-left corner."""
        ident, iw, ih = self._href(pack, member)
        self._next += 1
        pattern = f"pat{self._next}"
        self.defs.append(f'<pattern id="{pattern}" patternUnits="userSpaceOnUse" x="{x}" y="{y}" width="{iw}" height="{ih}"><use href="#{ident}"/></pattern>')
        self.body.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#{pattern})"/>')

    def _clip(self, x, y, w, h):
        self._next += 1
        ident = f"c{self._next}"
        self.defs.append(f'<clipPath id="{ident}"><rect x="{x}" y="{y}" width="{w}" height="{h}"/></clipPath>')
        return ident

    def rect(self, x, y, w, h, fill, opacity=1.0, stroke=None):
        line = f' stroke="{stroke}" stroke-width="1"' if stroke else ""
        self.body.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" fill-opacity="{opacity}"{line}/>')

    def label(self, x, y, text, size=13, colour="#2e4577", anchor="start", weight="normal"):
        self.body.append(
            f'<text x="{x}" y="{y}" font-family="DejaVu Sans" font-size="{size}" font-weight="{weight}" fill="{colour}" '
            f'text-anchor="{anchor}">{html.escape(text)}</text>'
        )

    def nine_slice(self, pack, codes, x, y, w, h, skip=()):
        """The game's nine-slice frame centred on (x, y): corners natural, edges and centre repeated."""
        sizes = {code: self.lib.size(pack, member) for code, member in codes.items()}
        cw = w - sizes[11][0] - sizes[13][0]
        ch = h - sizes[11][1] - sizes[31][1]
        left, top = x - w // 2, y - h // 2
        xs = [left, left + sizes[11][0], left + sizes[11][0] + cw]
        ys = [top, top + sizes[11][1], top + sizes[11][1] + ch]
        for code, member in codes.items():
            if code in skip:
                continue
            row, col = code // 10 - 1, code % 10 - 1
            pw = cw if col == 1 else sizes[code][0]
            ph = ch if row == 1 else sizes[code][1]
            self.tiled(pack, member, xs[col], ys[row], pw, ph)

    def svg(self):
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="{self.width}" '
            f'height="{self.height}" viewBox="0 0 {self.width} {self.height}"><defs>' + "".join(self.defs) + "</defs>" + "".join(self.body) + "</svg>"
        )
