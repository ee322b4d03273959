"""The colours of the desk look, shared by every template, and small colour arithmetic."""

# Desk and wood.
WOOD_LIGHT = "#b98453"
WOOD_MID = "#9a6a3f"
WOOD_DARK = "#6f4526"
WOOD_DEEP = "#4a2c17"

# Paper and ink (INK matches the game's main font colour 0xFF2E4577).
PAPER = "#f7efdc"
PAPER_SHADE = "#eadbb9"
PAPER_EDGE = "#d8c39a"
INK = "#2e4577"
INK_SOFT = "#5a6f9c"

# Book cover leather.
LEATHER = "#8e3327"
LEATHER_DARK = "#5e1f17"
LEATHER_LIGHT = "#b24c3a"

# Accents.
GOLD = "#e2ab3b"
GOLD_LIGHT = "#f7d77c"
GOLD_DARK = "#a87416"
BLUE = "#3b78a6"
GREEN = "#55a03c"
RED = "#c4503b"
TEAL = "#2f8c84"
FELT = "#2f6b4f"
FELT_DARK = "#1f4c37"
CREAM = "#fff8e8"
SHADOW = "#2a1608"

# Level materials of the trophies: bronze, silver, gold, platinum, ruby, diamond.
MATERIALS = [
    ("#c98a4b", "#8a5424", "#f0c08a"),
    ("#b9c0c8", "#7c858f", "#eef2f6"),
    ("#e8b53c", "#a87416", "#fbe39a"),
    ("#9fd0d6", "#5b8f99", "#e6fbff"),
    ("#d8485a", "#8e1f2f", "#ffb0ba"),
    ("#a6c8ff", "#5a78c8", "#ffffff"),
]


def _rgb(colour):
    colour = colour.lstrip("#")
    return [int(colour[i : i + 2], 16) for i in (0, 2, 4)]


def _hex(rgb):
    return "#" + "".join(f"{max(0, min(255, round(c))):02x}" for c in rgb)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    ra, rb = _rgb(a), _rgb(b)
    return _hex([x + (y - x) * t for x, y in zip(ra, rb)])


def lighten(colour, t):
    return mix(colour, "#ffffff", t)


def darken(colour, t):
    return mix(colour, "#000000", t)


def grey(colour):
    r, g, b = _rgb(colour)
    y = 0.3 * r + 0.59 * g + 0.11 * b
    return _hex([y, y, y])
