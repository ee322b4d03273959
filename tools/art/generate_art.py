#!/usr/bin/env python3
"""Writes the SVG source of every interface image into assets/art/<pack>/<member>.svg and the image
table at the end of assets/art/README.md."""
import argparse
import pathlib
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from artkit import catalogue  # noqa: E402
from artkit.svg import Svg  # noqa: E402


def render_all():
    """(relative path, SVG text) of every catalogue image."""
    out = []
    for item in catalogue.items():
        svg = Svg(item.width, item.height, f"{item.pack}/{item.member}")
        item.draw(svg)
        out.append((pathlib.Path(item.pack) / (item.member + ".svg"), svg.text()))
    return out


def image_table():
    """The Markdown table of every image that the art README carries."""
    rows = ["| pack | member | pixels | frames |", "|---|---|---|---|"]
    for item in sorted(catalogue.items(), key=lambda i: (i.pack, i.member.lower())):
        rows.append(f"| {item.pack} | {item.member} | {item.width}x{item.height} | {item.frames} |")
    return "\n".join(rows) + "\n"


def check(folder):
    """0 when the committed sources are exactly what the templates write, else 1 with a list."""
    wanted = dict(render_all())
    stale = [str(p) for p, text in wanted.items() if not (folder / p).is_file() or (folder / p).read_text(encoding="utf-8") != text]
    extra = [str(p.relative_to(folder)) for p in folder.glob("*/*.svg") if p.relative_to(folder) not in wanted]
    readme = folder / "README.md"
    if not readme.is_file() or image_table() not in readme.read_text(encoding="utf-8"):
        stale.append("README.md (its image table)")
    for name in stale:
        print(f"out of date: {name}")
    for name in extra:
        print(f"not in the catalogue: {name}")
    print("run tools/art/generate_art.py to rewrite the sources" if stale or extra else f"{len(wanted)} sources current")
    return 1 if stale or extra else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    default_out = pathlib.Path(__file__).resolve().parents[2] / "assets" / "art"
    parser.add_argument("--out", type=pathlib.Path, default=default_out)
    parser.add_argument("--only", help="write only members whose name contains this text")
    parser.add_argument("--check", action="store_true", help="write nothing; fail when a committed source differs")
    parser.add_argument("--list", action="store_true", help="print the images as a Markdown table and stop")
    args = parser.parse_args()
    if args.check:
        sys.exit(check(args.out))
    if args.list:
        print(image_table(), end="")
        return

    sources = render_all()
    if len({path for path, _ in sources}) != len(sources):
        sys.exit("duplicate pack/member in the catalogue")
    wanted = {path for path, _ in sources}
    if not args.only:
        # Sources of images that left the catalogue must not linger and be rendered.
        for old in args.out.glob("*/*.svg"):
            if old.relative_to(args.out) not in wanted:
                old.unlink()
    written = 0
    for path, text in sources:
        target = args.out / path
        if (args.only and args.only not in path.name) or (target.is_file() and target.read_text(encoding="utf-8") == text):
            continue  # an unchanged source keeps its time stamp, so the build renders only what changed
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text, encoding="utf-8")
        written += 1
    readme = args.out / "README.md"
    if readme.is_file():
        text = readme.read_text(encoding="utf-8")
        head = text.split("| pack | member |")[0]
        readme.write_text(head + image_table(), encoding="utf-8")
    print(f"{len(sources)} sources in {args.out}, {written} rewritten")


if __name__ == "__main__":
    main()
