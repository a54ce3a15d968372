#!/usr/bin/env python3
"""Writes the wait widget's animated "loading" picture: eight dots on a ring, one lit per frame.

usage: make_loading_gif.py out.gif [ring-rgb lit-rgb]   (colours as hex, e.g. c8d0da 2f7de1)
"""
import math
import struct
import sys

SIZE = 32
FRAMES = 8


def lzw_uncompressed(pixels):
    # Min code size 2: codes 0-3 are colours, 4 clears, 5 ends. A clear after every two pixels
    # keeps the code width at 3 bits, so no dictionary is needed.
    codes = []
    for i in range(0, len(pixels), 2):
        codes.append(4)
        codes.extend(pixels[i:i + 2])
    codes.append(5)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += 3
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes([2]) + bytes(blocks) + b"\x00"


def frame(lit):
    pixels = [0] * (SIZE * SIZE)
    for dot in range(FRAMES):
        angle = 2 * math.pi * dot / FRAMES
        cx = SIZE / 2 + 11 * math.cos(angle)
        cy = SIZE / 2 + 11 * math.sin(angle)
        colour = 2 if dot == lit else 1
        for y in range(SIZE):
            for x in range(SIZE):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 3.2 ** 2:
                    pixels[y * SIZE + x] = colour
    return pixels


def main():
    out = sys.argv[1]
    ring = bytes.fromhex(sys.argv[2] if len(sys.argv) > 2 else "c8d0da")
    lit = bytes.fromhex(sys.argv[3] if len(sys.argv) > 3 else "2f7de1")
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0xF1, 0, 0)        # global table of 4 colours
    data += b"\xff\xff\xff" + ring + lit + b"\x00\x00\x00"
    data += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"       # loop forever
    for i in range(FRAMES):
        data += b"\x21\xf9\x04\x09" + struct.pack("<H", 10) + b"\x00\x00"  # 100 ms, transparent 0
        data += b"\x2c" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        data += lzw_uncompressed(frame(i))
    data += b"\x3b"
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
