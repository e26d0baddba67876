"""Writing RIFF AVI files: one video stream of 8-bit palette frames, each
compressed as a stand-alone RLE8 key frame, and an optional 8-bit mono PCM
sound stream interleaved with it, one sound chunk before each frame.

RLE8 (the 'mrle' handler, BI_RLE8) is decoded by the system's own run-length
codec on Windows and under Wine alike, and flat drawings shrink to a few
kilobytes a frame. Every frame is a key frame, so a player may start, seek
or drop frames anywhere.
"""

import struct

BI_RLE8 = 1
AVIF_HASINDEX = 0x10
AVIF_ISINTERLEAVED = 0x100
AVIIF_KEYFRAME = 0x10


def _encode_row(row):
    """One row of palette indices in RLE8, without its end-of-line code:
    runs of two or more equal pixels as (count, index) pairs, stretches of
    three or more unlike pixels in absolute mode (0, count, pixels, padded
    to a word), and shorter stretches as runs of one."""
    out = bytearray()
    literal = []

    def flush_literal():
        while literal:
            chunk = literal[:255]
            del literal[:255]
            if len(chunk) >= 3:
                out.extend((0, len(chunk)))
                out.extend(chunk)
                if len(chunk) % 2:
                    out.append(0)
            else:
                for value in chunk:
                    out.extend((1, value))

    x, width = 0, len(row)
    while x < width:
        run = 1
        while x + run < width and run < 255 and row[x + run] == row[x]:
            run += 1
        if run >= 2:
            flush_literal()
            out.extend((run, row[x]))
        else:
            literal.append(row[x])
        x += run
    flush_literal()
    return out


def encode_rle8(width, height, pixels):
    """A whole frame (`pixels`: bytes, top row first) as an RLE8 bitmap,
    which stores its rows bottom-up and ends with end-of-bitmap."""
    out = bytearray()
    for y in range(height - 1, -1, -1):
        out += _encode_row(pixels[y * width:(y + 1) * width])
        out += b"\x00\x00" if y else b"\x00\x01"
    return bytes(out)


def decode_rle8(width, height, data):
    """The frame that an RLE8 bitmap describes (top row first), for checks."""
    rows = [bytearray(width) for _ in range(height)]
    x, y, i = 0, 0, 0  # y counts rows from the bottom
    while i + 1 < len(data):
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            rows[y][x:x + count] = bytes([value]) * count
            x += count
        elif value == 0:
            x, y = 0, y + 1
        elif value == 1:
            break
        elif value == 2:
            x, y = x + data[i], y + data[i + 1]
            i += 2
        else:
            rows[y][x:x + value] = data[i:i + value]
            x += value
            i += value + (value % 2)
        if x > width or y > height:
            raise ValueError("RLE8 data runs past the frame")
    return b"".join(bytes(r) for r in reversed(rows))


def _chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def _list(kind, body):
    return _chunk(b"LIST", kind + body)


def write_avi(width, height, fps, palette, frames, sound=None, sample_rate=11025):
    """The bytes of an AVI file. `frames` are bytes of palette indices (top
    row first), `palette` (r, g, b) tuples (at most 256), `sound` unsigned
    8-bit samples at `sample_rate` for the whole clip, or None."""
    encoded = [encode_rle8(width, height, f) for f in frames]
    count = len(frames)
    streams = 2 if sound is not None else 1
    sound_parts = []
    if sound is not None:
        # The samples of frame n are those from n/fps to (n+1)/fps.
        bounds = [min(len(sound), round(n * sample_rate / fps)) for n in range(count + 1)]
        bounds[-1] = len(sound)
        sound_parts = [sound[bounds[n]:bounds[n + 1]] for n in range(count)]
    largest_frame = max(len(e) for e in encoded)
    largest_sound = max((len(s) for s in sound_parts), default=0)

    movi = bytearray(b"movi")
    index = bytearray()
    for n, frame in enumerate(encoded):
        if sound_parts:
            index += struct.pack("<4sIII", b"01wb", AVIIF_KEYFRAME, len(movi), len(sound_parts[n]))
            movi += _chunk(b"01wb", sound_parts[n])
        index += struct.pack("<4sIII", b"00dc", AVIIF_KEYFRAME, len(movi), len(frame))
        movi += _chunk(b"00dc", frame)

    micro_per_frame = round(1_000_000 / fps)
    bytes_per_second = (largest_frame + 8) * fps + (sample_rate if sound_parts else 0)
    avih = struct.pack("<IIIIIIIIII4I", micro_per_frame, bytes_per_second, 0,
                       AVIF_HASINDEX | AVIF_ISINTERLEAVED, count, 0, streams,
                       largest_frame + largest_sound + 16, width, height, 0, 0, 0, 0)
    video_header = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"mrle", 0, 0, 0, 0, 1, fps, 0,
                               count, largest_frame, 0xFFFFFFFF, 0, 0, 0, width, height)
    bitmap_info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, BI_RLE8, width * height,
                              0, 0, len(palette), 0)
    bitmap_info += b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    header_list = _chunk(b"avih", avih) + _list(
        b"strl", _chunk(b"strh", video_header) + _chunk(b"strf", bitmap_info))
    if sound_parts:
        sound_header = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"auds", b"\0\0\0\0", 0, 0, 0, 0, 1,
                                   sample_rate, 0, len(sound), largest_sound, 0xFFFFFFFF, 1,
                                   0, 0, 0, 0)
        wave_format = struct.pack("<HHIIHH", 1, 1, sample_rate, sample_rate, 1, 8)
        header_list += _list(b"strl", _chunk(b"strh", sound_header) + _chunk(b"strf", wave_format))
    body = b"AVI " + _list(b"hdrl", header_list) + _chunk(b"LIST", bytes(movi)) + _chunk(
        b"idx1", bytes(index))
    return _chunk(b"RIFF", body)
