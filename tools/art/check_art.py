#!/usr/bin/env python3
"""Checks the rendered art: every registry image in its pack, real PNG or JPEG, frames that divide,
book and pocket pieces that line up, a trophy picture for every level, and the window icons."""
import argparse
import pathlib
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent

# Trophy base names and their number of levels; the picture name is base + level + ".png".
TROPHY_LEVELS = {
    "trofi_sobiratel": 5,
    "trofi_master": 3,
    "trofi_terpenie": 4,
    "trofi_meditaciya": 4,
    "trofi_nepostoyanstvo": 4,
    "trofi_mudrec": 6,
}


def read_size(path):
    """(kind, width, height) of a PNG or JPEG file, or raises ValueError."""
    data = path.read_bytes()
    if data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR":
        return ("png",) + struct.unpack(">II", data[16:24])
    if data[:3] == b"\xff\xd8\xff":
        i = 2
        while i + 9 < len(data):
            if data[i] != 0xFF:
                raise ValueError("corrupt JPEG marker")
            marker, length = data[i + 1], struct.unpack(">H", data[i + 2 : i + 4])[0]
            if marker in (0xC0, 0xC1, 0xC2):
                h, w = struct.unpack(">HH", data[i + 5 : i + 9])
                return ("jpeg", w, h)
            i += 2 + length
    raise ValueError("neither PNG nor JPEG")


def expected_images():
    rows = []
    for line in (HERE / "registry_images.tsv").read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            pack, member, frames = line.split("\t")
            rows.append((pack, member, int(frames)))
    for base, levels in TROPHY_LEVELS.items():
        rows += [("trofei", f"{base}{level}.png", 1) for level in range(1, levels + 1)]
    return rows


def check(staging, icons):
    problems = []
    sizes = {}
    for pack, member, frames in expected_images():
        path = staging / pack / member
        if not path.is_file():
            problems.append(f"missing {pack}/{member}")
            continue
        try:
            kind, w, h = read_size(path)
        except ValueError as error:
            problems.append(f"{pack}/{member}: {error}")
            continue
        sizes[(pack, member)] = (w, h)
        want = "jpeg" if member.endswith(".jpg") else "png"
        if kind != want:
            problems.append(f"{pack}/{member} is {kind}, its name asks for {want}")
        if w % frames:
            problems.append(f"{pack}/{member}: width {w} does not divide into {frames} frames")
    problems += _check_book(sizes) + _check_pocket(sizes)
    for size in (32, 64):
        path = icons / f"window_{size}.png"
        if not path.is_file() or read_size(path)[1:] != (size, size):
            problems.append(f"window icon {path} missing or not {size}x{size}")
    return problems


def _check_book(sizes):
    """Pieces of one row share a height and pieces of one column a width, so the pages meet."""
    problems = []
    book = {name: size for (pack, name), size in sizes.items() if pack == "book" and name[0].isdigit()}
    for row in "123":
        heights = {book.get(f"{col}-{row}.png", (0, 0))[1] for col in "12345"}
        if len(heights) != 1:
            problems.append(f"book row {row} has differing heights {sorted(heights)}")
    for col in "12345":
        widths = {book.get(f"{col}-{row}.png", (0, 0))[0] for row in "123"}
        if len(widths) != 1:
            problems.append(f"book column {col} has differing widths {sorted(widths)}")
    return problems


def _check_pocket(sizes):
    corner = sizes.get(("pocket", "pocket2-2.png"))
    bottom = sizes.get(("pocket", "pocket1-2.png"))
    side = sizes.get(("pocket", "pocket2-1.png"))
    if not (corner and bottom and side):
        return []
    if bottom[1] != corner[1] or side[0] != corner[0]:
        return ["pocket edge tiles do not match the corner tile"]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--staging", required=True, type=pathlib.Path)
    parser.add_argument("--icons", required=True, type=pathlib.Path)
    args = parser.parse_args()
    problems = check(args.staging, args.icons)
    for problem in problems:
        print(problem)
    checked = len(expected_images())
    print(f"{checked - len(problems)} passed, {len(problems)} failed" if problems else f"{checked} passed, 0 failed")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
