"""Point-sprite textures: white so that each emitter's colours tint them."""
import math

from . import icons


def soft_dot(svg, size):
    fill = svg.radial([(0, "#ffffff", 1), (0.35, "#ffffff", 0.8), (1, "#ffffff", 0)])
    svg.add(f'<circle cx="{size / 2}" cy="{size / 2}" r="{size / 2}" fill="{fill}"/>')


def sparkle(svg, size):
    c = size / 2.0
    glow = svg.radial([(0, "#ffffff", 0.9), (0.4, "#ffffff", 0.25), (1, "#ffffff", 0)])
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c}" fill="{glow}"/>')
    arm, waist = c * 0.95, c * 0.12
    svg.add(
        f'<path d="M{c} {c - arm} L{c + waist} {c - waist} L{c + arm} {c} L{c + waist} {c + waist} L{c} {c + arm} '
        f'L{c - waist} {c + waist} L{c - arm} {c} L{c - waist} {c - waist} Z" fill="#ffffff"/>'
    )


def glow_star(svg, size):
    c = size / 2.0
    glow = svg.radial([(0, "#ffffff", 1), (0.3, "#ffffff", 0.6), (1, "#ffffff", 0)])
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c}" fill="{glow}"/>')
    svg.add(icons.star(c, c, c * 0.7, "#ffffff", 'opacity="0.95"'))


def crystal(svg, size):
    c = size / 2.0
    glow = svg.radial([(0, "#ffffff", 0.7), (1, "#ffffff", 0)])
    svg.add(f'<circle cx="{c}" cy="{c}" r="{c}" fill="{glow}"/>')
    arms = []
    for k in range(6):
        a = math.radians(k * 60)
        x, y = c + math.cos(a) * c * 0.8, c + math.sin(a) * c * 0.8
        arms.append(f"M{c} {c} L{x:.1f} {y:.1f}")
        for t in (0.45, 0.65):
            bx, by = c + math.cos(a) * c * 0.8 * t, c + math.sin(a) * c * 0.8 * t
            for da in (-0.6, 0.6):
                ex = bx + math.cos(a + da) * c * 0.2
                ey = by + math.sin(a + da) * c * 0.2
                arms.append(f"M{bx:.1f} {by:.1f} L{ex:.1f} {ey:.1f}")
    svg.add(f'<path d="{" ".join(arms)}" stroke="#ffffff" stroke-width="{size / 20:.1f}" stroke-linecap="round"/>')
