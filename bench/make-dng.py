#!/usr/bin/env python3
"""Writes a camera RAW test file: a DNG whose full-resolution Bayer mosaic and
full-size JPEG preview are both made from one photo, the way the shared SX60
file is made, but at any size (the benchmark wants a 24 MP sensor).

  make-dng.py PHOTO OUT.dng [WIDTH HEIGHT]     (default 6000 4000)

The photo is scaled to cover WIDTH x HEIGHT and cut to it with libvips' own
command-line tools, made linear, multiplied by sensor gains (R 0.5, G 1,
B 0.7) and laid out as RGGB with black 128 and white 4000 in 16-bit samples,
so a correct develop gives the photo back.
"""
import os, struct, subprocess, sys, tempfile

BLACK, WHITE = 128, 4000
GAINS = (0.5, 1.0, 0.7)

def vips(*args):
    subprocess.run(('vips',) + args, check=True)

def tables(gain):
    """Byte-to-byte tables giving the low and high bytes of each 8-bit
    value's sensor sample, so whole rows are mapped at C speed."""
    lo, hi = bytearray(256), bytearray(256)
    for v in range(256):
        c = v / 255
        linear = c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
        s = round(BLACK + (WHITE - BLACK) * linear * gain)
        lo[v], hi[v] = s & 0xff, s >> 8
    return bytes(lo), bytes(hi)

def mosaic(rgb, width, height):
    red, green, blue = (tables(g) for g in GAINS)
    out = bytearray(2 * width * height)
    stride = 3 * width
    for y in range(height):
        row = rgb[y * stride:(y + 1) * stride]
        # RGGB: even rows R G R G..., odd rows G B G B...
        first, second = ((row[0::6], red), (row[4::6], green)) if y % 2 == 0 \
            else ((row[1::6], green), (row[5::6], blue))
        line = bytearray(2 * width)
        for (samples, (lo, hi)), at in ((first, 0), (second, 2)):
            line[at::4] = samples.translate(lo)
            line[at + 1::4] = samples.translate(hi)
        out[y * 2 * width:(y + 1) * 2 * width] = line
    return bytes(out)

def entry(tag, kind, values):
    """One IFD entry as (tag, type, count, packed value bytes)."""
    fmt = {1: 'B', 2: 's', 3: 'H', 4: 'I', 5: 'II', 10: 'ii'}[kind]
    if kind == 2:
        data = values + b'\0'
        return tag, kind, len(data), data
    flat = [v for pair in values for v in pair] if kind in (5, 10) else list(values)
    return tag, kind, len(values), struct.pack('<%d%s' % (len(flat), fmt[0]), *flat)

def write_ifd(out, entries, next_offset):
    """Appends an IFD (its values after it) to OUT; returns its offset."""
    entries = sorted(entries)
    at = len(out)
    values_at = at + 2 + 12 * len(entries) + 4
    body, extra = bytearray(struct.pack('<H', len(entries))), bytearray()
    for tag, kind, count, data in entries:
        body += struct.pack('<HHI', tag, kind, count)
        if len(data) <= 4:
            body += data.ljust(4, b'\0')
        else:
            body += struct.pack('<I', values_at + len(extra))
            extra += data + (b'\0' if len(data) % 2 else b'')
    body += struct.pack('<I', next_offset)
    out += body + extra
    return at

def main():
    photo, target = sys.argv[1], sys.argv[2]
    width, height = (int(v) for v in sys.argv[3:5]) if len(sys.argv) > 4 else (6000, 4000)
    with tempfile.TemporaryDirectory() as tmp:
        big = os.path.join(tmp, 'big.v')
        vips('thumbnail', photo, big, str(width), '--height', str(height), '--crop', 'centre')
        vips('rawsave', big, os.path.join(tmp, 'big.raw'))
        vips('jpegsave', big, os.path.join(tmp, 'preview.jpg'), '--Q', '90', '--strip')
        rgb = open(os.path.join(tmp, 'big.raw'), 'rb').read()
        preview = open(os.path.join(tmp, 'preview.jpg'), 'rb').read()
    cfa = mosaic(rgb, width, height)

    out = bytearray(b'II*\0\0\0\0\0')
    preview_at = len(out)
    out += preview + (b'\0' if len(preview) % 2 else b'')
    cfa_at = len(out)
    out += cfa
    sub = write_ifd(out, [
        entry(254, 4, [0]), entry(256, 4, [width]), entry(257, 4, [height]),
        entry(258, 3, [16]), entry(259, 3, [1]), entry(262, 3, [32803]),
        entry(273, 4, [cfa_at]), entry(277, 3, [1]), entry(278, 4, [height]),
        entry(279, 4, [len(cfa)]), entry(284, 3, [1]),
        entry(33421, 3, [2, 2]), entry(33422, 1, [0, 1, 1, 2]),
        entry(50710, 1, [0, 1, 2]), entry(50711, 3, [1]), entry(50713, 3, [1, 1]),
        entry(50714, 5, [(BLACK, 1)]), entry(50717, 4, [WHITE])], 0)
    model = b'Synthetic 24MP'
    ifd0 = write_ifd(out, [
        entry(254, 4, [1]), entry(256, 4, [width]), entry(257, 4, [height]),
        entry(258, 3, [8, 8, 8]), entry(259, 3, [7]), entry(262, 3, [6]),
        entry(271, 2, b'Canon'), entry(272, 2, model),
        entry(273, 4, [preview_at]), entry(274, 3, [1]), entry(277, 3, [3]),
        entry(278, 4, [height]), entry(279, 4, [len(preview)]), entry(284, 3, [1]),
        entry(530, 3, [1, 1]),
        entry(306, 2, b'2015:02:09 22:47:44'), entry(330, 4, [sub]),
        entry(50706, 1, [1, 4, 0, 0]), entry(50707, 1, [1, 1, 0, 0]),
        entry(50708, 2, model),
        # sRGB's XYZ(D65)-to-camera matrix with the gains above folded in.
        entry(50721, 10, [(v, 10000) for v in (
            16200, -7681, -2492, -9689, 18758, 415, 391, -1428, 7401)]),
        entry(50728, 5, [(1, 2), (1, 1), (7, 10)]), entry(50778, 3, [21])], 0)
    out[4:8] = struct.pack('<I', ifd0)
    with open(target, 'wb') as f:
        f.write(out)

if __name__ == '__main__':
    main()
