#!/usr/bin/env python3
"""Writes one labelled contact sheet of every rendered interface image, plus real-size screen views."""
import argparse
import pathlib
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import views  # noqa: E402
from images import Library  # noqa: E402
from scene import Scene  # noqa: E402

CELL_W, CELL_H, THUMB_W, THUMB_H, COLUMNS = 240, 200, 224, 160, 8


def sheet(lib):
    keys = sorted(lib.paths)
    rows = (len(keys) + COLUMNS - 1) // COLUMNS
    s = Scene(lib, CELL_W * COLUMNS, CELL_H * rows + 40)
    s.defs.append(
        '<pattern id="checker" patternUnits="userSpaceOnUse" width="16" height="16">'
        '<rect width="16" height="16" fill="#d9d9d9"/><rect width="8" height="8" fill="#f4f4f4"/><rect x="8" y="8" width="8" height="8" fill="#f4f4f4"/></pattern>'
    )
    s.rect(0, 0, s.width, s.height, "#3a3f4a")
    s.label(12, 28, f"Puzzle Desk interface art: {len(keys)} images (pack/member, pixel size)", 20, "#ffffff", weight="bold")
    for i, (pack, member) in enumerate(keys):
        x, y = (i % COLUMNS) * CELL_W + 8, (i // COLUMNS) * CELL_H + 44
        w, h = lib.size(pack, member)
        # Small images are shown enlarged (at most twice) so that their detail can be judged.
        scale = min(2.0 if max(w, h) <= 64 else 1.0, THUMB_W / w, THUMB_H / h)
        s.body.append(f'<rect x="{x}" y="{y}" width="{THUMB_W}" height="{THUMB_H}" fill="url(#checker)"/>')
        s.sprite(pack, member, x + THUMB_W / 2, y + THUMB_H / 2, size=(w * scale, h * scale))
        s.label(x, y + THUMB_H + 15, f"{pack}/{member}", 11, "#ffffff")
        s.label(x, y + THUMB_H + 29, f"{w}x{h}" + ("" if scale == 1.0 else f"  (shown at {scale:.2f})"), 11, "#b8c4d8")
    return s


def render(scene, out_png):
    svg_path = out_png.with_suffix(".svg")
    svg_path.write_text(scene.svg(), encoding="utf-8")
    subprocess.run(["rsvg-convert", "--unlimited", "-o", str(out_png), str(svg_path)], check=True)
    svg_path.unlink()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--staging", required=True, type=pathlib.Path, help="folder holding <pack>/<member> images")
    parser.add_argument("--extra", type=pathlib.Path, action="append", default=[], help="a further folder of images, listed under its own name")
    parser.add_argument("--out", required=True, type=pathlib.Path)
    parser.add_argument("--only", help="write only this view (e.g. view_menu or sheet)")
    args = parser.parse_args()
    lib = Library(args.staging, args.extra)
    if not lib.paths:
        sys.exit(f"no images under {args.staging}")
    args.out.mkdir(parents=True, exist_ok=True)
    jobs = {"contact_sheet": sheet, **views.VIEWS}
    for name, build in jobs.items():
        if args.only and args.only != name:
            continue
        render(build(lib), args.out / f"{name}.png")
        print(f"wrote {args.out / name}.png")


if __name__ == "__main__":
    main()
