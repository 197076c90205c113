#!/usr/bin/python3
"""Draws the pattern images of resources/Background: 256 x 256, 24-bit BMPs
that tile seamlessly (every noise source wraps around), in calm mid to dark
tones so that the light tiles stand out on them.

marble.bmp (the default), wood.bmp, felt.bmp, slate.bmp, sand.bmp.
"""
import math
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import assetlib  # noqa: E402

SIZE = 256


def grid():
    y, x = np.mgrid[0:SIZE, 0:SIZE].astype(np.float64)
    return x / SIZE, y / SIZE      # both in [0, 1), one period


def mix(c0, c1, t):
    """Blends two RGB colours by t (array in [0, 1])."""
    c0 = np.array(c0, dtype=np.float64)
    c1 = np.array(c1, dtype=np.float64)
    return c0 + (c1 - c0) * t[:, :, None]


def to_rgb(a):
    return np.clip(np.rint(a), 0, 255).astype(np.uint8)


def marble():
    u, v = grid()
    turb = assetlib.spectral_noise(SIZE, 10, seed=11, falloff=2.2)
    # Veins follow a diagonal that wraps (whole periods in u and v).
    phase = 2 * math.pi * (u * 1 + v * 1) + 4.5 * turb
    vein = np.abs(np.sin(phase)) ** 0.22           # 0 on the vein, 1 between
    cloud = assetlib.spectral_noise(SIZE, 8, seed=23)
    base = mix((108, 117, 124), (146, 153, 158), cloud)
    light = mix((200, 204, 207), (178, 184, 188), cloud)
    img = base + (light - base) * (1 - vein)[:, :, None] * 0.7
    fine = assetlib.fractal_noise(SIZE, 64, 2, seed=5)
    return to_rgb(img + (fine[:, :, None] - 0.5) * 6)


def wood():
    u, v = grid()
    warp = assetlib.spectral_noise(SIZE, 5, seed=31, falloff=2.0)
    # Planks of long grain across the picture: dark growth lines that run
    # along u (one whole slant across, so that the picture wraps), bent by
    # the warp, over fibres that follow them.
    fibres = assetlib.spectral_noise(SIZE, 48, seed=37, falloff=0.7)
    fibres = np.repeat(fibres.mean(axis=1, keepdims=True), SIZE, axis=1) * 0.7 + fibres * 0.3
    fibres = (fibres - fibres.min()) / (fibres.max() - fibres.min())
    phase = v * 9 + u + 1.4 * warp
    lines = np.exp(-((phase % 1.0 - 0.5) / 0.07) ** 2)
    fine = np.exp(-(((phase * 3.0) % 1.0 - 0.5) / 0.1) ** 2)
    t = 0.75 * fibres + 0.25 * warp - 0.55 * lines - 0.15 * fine
    img = mix((92, 54, 28), (158, 104, 60), np.clip(t + 0.3, 0, 1))
    grain = assetlib.fractal_noise(SIZE, 128, 1, seed=41)
    return to_rgb(img + (grain[:, :, None] - 0.5) * 6)


def felt():
    fibre = assetlib.fractal_noise(SIZE, 64, 2, seed=53)
    cloud = assetlib.fractal_noise(SIZE, 4, 3, seed=59)
    t = 0.7 * fibre + 0.3 * cloud
    return to_rgb(mix((30, 86, 52), (48, 114, 72), t))


def slate():
    u, v = grid()
    cloud = assetlib.fractal_noise(SIZE, 4, 5, seed=71)
    layers = 0.5 + 0.5 * np.sin(2 * math.pi * (v * 3 + u) + 3.0 * cloud)
    grain = assetlib.fractal_noise(SIZE, 32, 3, seed=73)
    t = 0.45 * cloud + 0.25 * layers + 0.30 * grain
    return to_rgb(mix((52, 60, 70), (84, 94, 106), t))


def sand():
    cloud = assetlib.fractal_noise(SIZE, 4, 4, seed=83)
    grain = assetlib.fractal_noise(SIZE, 128, 1, seed=89)
    u, v = grid()
    ripples = 0.5 + 0.5 * np.sin(2 * math.pi * (v * 5 + u * 1) + 2.5 * cloud)
    t = 0.35 * cloud + 0.25 * ripples + 0.4 * grain
    return to_rgb(mix((150, 128, 94), (186, 164, 124), t))


PATTERNS = [("marble", marble), ("wood", wood), ("felt", felt), ("slate", slate),
            ("sand", sand)]


def main():
    folder = os.path.join(assetlib.RESOURCES, "Background")
    for name, make in PATTERNS:
        assetlib.write_bmp24(os.path.join(folder, name + ".bmp"), make())


if __name__ == "__main__":
    main()
