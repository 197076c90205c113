"""Shared helpers of the asset generators: SVG rendering with pinned fonts,
24-bit BMP and icon writing, and a seamless value-noise source.

Everything here is deterministic: the same package versions give the same
bytes. Fonts are pinned by file path through a private fontconfig setup, so
that no other font on the machine can take part in the rendering.
"""
import os
import struct
import subprocess
import tempfile
import zlib

import numpy as np
from PIL import Image

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(REPO, "resources")

# The only fonts the generators may use.
FONT_FILES = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
    "/usr/share/fonts/truetype/arphic/ukai.ttc",
]
LATIN = "DejaVu Sans"
LATIN_CONDENSED = "DejaVu Sans Condensed"
SERIF = "DejaVu Serif"
CJK = "AR PL UKai TW"

_FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>{dir}</dir>
  <cachedir>{dir}/cache</cachedir>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
"""


def render_svg(svg, width, height):
    """Renders SVG text to an RGBA array of height x width x 4 (uint8)."""
    with tempfile.TemporaryDirectory(prefix="kelvarin-svg-") as tmp:
        fontdir = os.path.join(tmp, "fonts")
        os.mkdir(fontdir)
        for path in FONT_FILES:
            if not os.path.exists(path):
                raise SystemExit("missing font %s: run tools/bootstrap-assets" % path)
            os.symlink(path, os.path.join(fontdir, os.path.basename(path)))
        conf = os.path.join(tmp, "fonts.conf")
        with open(conf, "w") as f:
            f.write(_FONTS_CONF.format(dir=fontdir))
        src = os.path.join(tmp, "in.svg")
        out = os.path.join(tmp, "out.png")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg)
        env = dict(os.environ, FONTCONFIG_FILE=conf, HOME=tmp, XDG_CACHE_HOME=tmp)
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height),
                        "-f", "png", "-o", out, src], check=True, env=env)
        img = Image.open(out).convert("RGBA")
        return np.array(img, dtype=np.uint8)


def over_white(rgba):
    """Flattens an RGBA array onto white; returns RGB uint8."""
    a = rgba[:, :, 3:4].astype(np.float64) / 255.0
    rgb = rgba[:, :, :3].astype(np.float64)
    return np.clip(np.rint(rgb * a + 255.0 * (1.0 - a)), 0, 255).astype(np.uint8)


def bmp24_bytes(rgb):
    """A bottom-up 24-bit BMP (BITMAPINFOHEADER, 72 dpi) of an RGB array."""
    h, w, _ = rgb.shape
    stride = (w * 3 + 3) & ~3
    rows = np.zeros((h, stride), dtype=np.uint8)
    rows[:, :w * 3] = rgb[::-1, :, ::-1].reshape(h, w * 3)
    pixels = rows.tobytes()
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_bmp24(path, rgb):
    write_file(path, bmp24_bytes(rgb))


def read_bmp24(path):
    """Reads a bottom-up 24-bit BMP as written by bmp24_bytes."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h = struct.unpack_from("<ii", data, 18)
    stride = (w * 3 + 3) & ~3
    rows = np.frombuffer(data, dtype=np.uint8, count=stride * h, offset=offset)
    rows = rows.reshape(h, stride)[:, :w * 3].reshape(h, w, 3)
    return rows[::-1, :, ::-1].copy()


def png_bytes(pixels):
    """A PNG of an RGB or RGBA array, without time stamps or other varying chunks."""
    h, w, channels = pixels.shape
    raw = b"".join(b"\x00" + pixels[y].tobytes() for y in range(h))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    colour_type = 6 if channels == 4 else 2
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_png(path, rgb):
    write_file(path, png_bytes(rgb))


def ico_bytes(images):
    """An .ico holding one 32-bit image (with AND mask) per RGBA array; one of
    256 pixels as a PNG, as Windows Vista and later read it."""
    entries = []
    blobs = []
    offset = 6 + 16 * len(images)
    for rgba in images:
        h, w, _ = rgba.shape
        if w >= 256:
            blob = png_bytes(rgba)
            entries.append(struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(blob), offset))
            blobs.append(blob)
            offset += len(blob)
            continue
        bgra = rgba[::-1, :, [2, 1, 0, 3]].tobytes()
        mask_stride = ((w + 31) // 32) * 4
        mask = bytearray(mask_stride * h)
        for y in range(h):
            row = rgba[h - 1 - y, :, 3]
            for x in range(w):
                if row[x] == 0:
                    mask[y * mask_stride + x // 8] |= 0x80 >> (x % 8)
        info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                           len(bgra) + len(mask), 0, 0, 0, 0)
        blob = info + bgra + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def _hash_grid(n, seed):
    """A repeatable n x n grid of values in [0, 1) from an integer hash."""
    y, x = np.mgrid[0:n, 0:n].astype(np.uint64)
    v = (x * np.uint64(374761393) + y * np.uint64(668265263)
         + np.uint64(seed) * np.uint64(2246822519)) & np.uint64(0xFFFFFFFF)
    v = ((v ^ (v >> np.uint64(13))) * np.uint64(1274126177)) & np.uint64(0xFFFFFFFF)
    v = v ^ (v >> np.uint64(16))
    return (v & np.uint64(0xFFFFFF)).astype(np.float64) / float(0x1000000)


def periodic_noise(size, cells, seed):
    """Smooth value noise of size x size that wraps around: `cells` lattice
    cells across, interpolated with a quintic fade. Values in [0, 1)."""
    grid = _hash_grid(cells, seed)
    t = np.arange(size, dtype=np.float64) * cells / size
    i0 = np.floor(t).astype(int)
    f = t - i0
    f = f * f * f * (f * (f * 6 - 15) + 10)
    i1 = (i0 + 1) % cells
    i0 = i0 % cells
    top = grid[i0][:, i0] * (1 - f)[None, :] + grid[i0][:, i1] * f[None, :]
    bottom = grid[i1][:, i0] * (1 - f)[None, :] + grid[i1][:, i1] * f[None, :]
    return top * (1 - f)[:, None] + bottom * f[:, None]


def fractal_noise(size, base_cells, octaves, seed, persistence=0.5):
    """Sum of periodic noise octaves, normalised to [0, 1]."""
    total = np.zeros((size, size))
    amp = 1.0
    for o in range(octaves):
        total += amp * periodic_noise(size, base_cells * 2 ** o, seed + 101 * o)
        amp *= persistence
    total -= total.min()
    return total / total.max()


def spectral_noise(size, max_freq, seed, falloff=1.6):
    """Smooth wrapping noise from whole-period waves with amplitudes falling as
    1 / |k|^falloff and phases from an integer hash; normalised to [0, 1]."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float64) / size
    phases = _hash_grid(2 * max_freq + 1, seed)
    total = np.zeros((size, size))
    for ky in range(-max_freq, max_freq + 1):
        for kx in range(0, max_freq + 1):
            if kx == 0 and ky <= 0:
                continue
            k = (kx * kx + ky * ky) ** 0.5
            if k > max_freq:
                continue
            phase = 2 * np.pi * phases[ky + max_freq, kx]
            total += np.cos(2 * np.pi * (kx * x + ky * y) + phase) / k ** falloff
    total -= total.min()
    return total / total.max()
