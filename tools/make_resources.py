#!/usr/bin/env python3
"""Makes the plug-in's small binary resources, byte for byte the same on every run:

  plugin/Resources/Pop.aiff, Bruit.aiff, Tink.aiff   short mono sounds (8-bit, 22050 Hz)
  plugin/Resources/16051.png                         tool icon, light interface
  plugin/Resources/16052.png                         tool icon, dark interface
  plugin/Resources/IconePanneauReduit.png            the collapsed panel's icon

A tool icon is found by its resource id (ID.png); the collapsed icon is the 'PNGI'
resource named "IconePanneauReduit". Usage: tools/make_resources.py [RESOURCES_FOLDER]
"""
import math
import os
import struct
import sys
import zlib

SAMPLE_RATE = 22050


# ---- AIFF -------------------------------------------------------------------------------

def extended80(value):
    """An IEEE 754 80-bit extended float, as AIFF stores its sample rate."""
    exponent = int(math.floor(math.log2(value)))
    mantissa = int(value * (1 << (63 - exponent)))
    return struct.pack(">HQ", 16383 + exponent, mantissa)


def aiff(samples):
    """Mono 8-bit signed samples (-1..1) as an AIFF file."""
    data = bytes((int(round(max(-1.0, min(1.0, s)) * 127)) & 0xFF) for s in samples)
    comm = struct.pack(">hIh", 1, len(samples), 8) + extended80(SAMPLE_RATE)
    ssnd = struct.pack(">II", 0, 0) + data
    chunks = b"COMM" + struct.pack(">I", len(comm)) + comm
    chunks += b"SSND" + struct.pack(">I", len(ssnd)) + ssnd
    return b"FORM" + struct.pack(">I", 4 + len(chunks)) + b"AIFF" + chunks


def burst(frequency, seconds, decay):
    count = int(SAMPLE_RATE * seconds)
    return [math.sin(2 * math.pi * frequency * i / SAMPLE_RATE) * math.exp(-decay * i / count)
            for i in range(count)]


def noise(seconds, decay):
    """Noise from a fixed linear congruential sequence, so the file never changes."""
    count = int(SAMPLE_RATE * seconds)
    state, out = 12345, []
    for i in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        out.append((state / 0x3FFFFFFF - 1) * 0.6 * math.exp(-decay * i / count))
    return out


# ---- PNG --------------------------------------------------------------------------------

def png(width, height, pixel):
    """An RGBA PNG; pixel(x, y) gives (r, g, b, a) with y = 0 at the top row."""
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def guides_icon(ink, guide):
    """A page with its margins and two columns drawn as guides: 24 x 24."""
    def pixel(x, y):
        if x in (3, 20) and 2 <= y <= 21 or y in (2, 21) and 3 <= x <= 20:
            return ink
        if (x in (6, 17) or y in (5, 18)) and 4 <= x <= 19 and 3 <= y <= 20:
            return guide
        if x in (11, 12) and 5 <= y <= 18 and y % 3 != 0:
            return guide
        return (0, 0, 0, 0)
    return png(24, 24, pixel)


def collapsed_icon():
    """Three columns between margins: 20 x 20, grey on transparent."""
    ink = (90, 90, 90, 255)

    def pixel(x, y):
        if 2 <= y <= 17 and x in (2, 7, 12, 17):
            return ink
        if y in (2, 17) and 2 <= x <= 17:
            return ink
        return (0, 0, 0, 0)
    return png(20, 20, pixel)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "plugin", "Resources")
    cyan = (0, 170, 230, 255)
    files = {
        "Pop.aiff": aiff(burst(880, 0.06, 6)),
        "Bruit.aiff": aiff(noise(0.08, 4)),
        "Tink.aiff": aiff(burst(2093, 0.05, 8)),
        "16051.png": guides_icon((40, 40, 40, 255), cyan),
        "16052.png": guides_icon((225, 225, 225, 255), cyan),
        "IconePanneauReduit.png": collapsed_icon(),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
