"""Finding the rendered images and reading their pixel sizes and data for embedding."""
import base64
import pathlib
import struct


def image_size(path):
    """(width, height) from a PNG or baseline/progressive JPEG header."""
    data = pathlib.Path(path).read_bytes()
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return struct.unpack(">II", data[16:24])
    if data[:2] == b"\xff\xd8":
        i = 2
        while i + 9 < len(data):
            if data[i] != 0xFF:
                i += 1
                continue
            marker = data[i + 1]
            length = struct.unpack(">H", data[i + 2 : i + 4])[0]
            if marker in (0xC0, 0xC1, 0xC2):
                h, w = struct.unpack(">HH", data[i + 5 : i + 9])
                return w, h
            i += 2 + length
    raise ValueError(f"{path}: neither PNG nor JPEG")


def is_jpeg(path):
    return pathlib.Path(path).read_bytes()[:2] == b"\xff\xd8"


def data_uri(path):
    mime = "image/jpeg" if is_jpeg(path) else "image/png"
    return f"data:{mime};base64," + base64.b64encode(pathlib.Path(path).read_bytes()).decode("ascii")


class Library:
    """The rendered images by pack folder and member name."""

    def __init__(self, staging, groups=()):
        """staging holds <pack>/<member>; each folder in groups holds files listed under its own name."""
        self.paths = {}
        found = list(pathlib.Path(staging).glob("*/*"))
        for folder in groups:
            found += list(pathlib.Path(folder).glob("*"))
        for path in sorted(found):
            if path.suffix.lower() in (".png", ".jpg"):
                self.paths[(path.parent.name, path.name)] = path

    def path(self, pack, member):
        return self.paths[(pack, member)]

    def size(self, pack, member):
        return image_size(self.path(pack, member))

    def uri(self, pack, member):
        return data_uri(self.path(pack, member))
