"""Checks of the RLE8 encoder at the limits of its codes: runs and literal
stretches of 1, 2, 3 and 255 pixels and one more, odd literal lengths (a
pad byte), and whole frames of each kind, decoded back to what went in.

Run: python3 tools/clipgen/avi_test.py
"""

import struct
import unittest

import avi


def rows_of(data):
    """The encoded rows of a frame, each without its end code."""
    rows, row, i = [], bytearray(), 0
    while i < len(data):
        count, code = data[i], data[i + 1]
        i += 2
        if count or code > 2:
            row += bytes((count, code))
            if not count:
                row += data[i:i + code + code % 2]
                i += code + code % 2
        else:
            rows.append(bytes(row))
            row = bytearray()
    return rows


class Rle8(unittest.TestCase):
    def round_trip(self, width, height, pixels):
        encoded = avi.encode_rle8(width, height, bytes(pixels))
        self.assertEqual(avi.decode_rle8(width, height, encoded), bytes(pixels))
        self.assertEqual(encoded[-2:], b"\x00\x01", "a frame ends with end-of-bitmap")
        return encoded

    def test_runs_at_and_past_the_longest_count(self):
        for length in (1, 2, 3, 254, 255, 256, 510, 511):
            with self.subTest(length=length):
                self.round_trip(length, 1, [7] * length)
        # 256 equal pixels are one full run and a run of one.
        self.assertEqual(avi.encode_rle8(256, 1, bytes([7] * 256)), b"\xff\x07\x01\x07\x00\x01")

    def test_unlike_pixels_use_absolute_mode_from_three_on_with_a_pad_byte(self):
        for length in (1, 2, 3, 4, 5, 255, 256, 257, 300):
            with self.subTest(length=length):
                pixels = [n % 251 for n in range(length)]
                encoded = self.round_trip(length, 1, pixels)
                for row in rows_of(encoded):
                    self.assertEqual(len(row) % 2, 0, "absolute mode keeps to words")
        self.assertEqual(avi.encode_rle8(2, 1, bytes([1, 2])), b"\x01\x01\x01\x02\x00\x01")
        self.assertEqual(avi.encode_rle8(3, 1, bytes([1, 2, 3])),
                         b"\x00\x03\x01\x02\x03\x00\x00\x01")

    def test_mixed_rows_and_rows_stored_bottom_up(self):
        width, height = 37, 5
        pixels = []
        for y in range(height):
            pixels += [100 + y] * 10 + [(x * 7 + y) % 13 for x in range(17)] + [200] * 10
        encoded = self.round_trip(width, height, pixels)
        self.assertEqual(rows_of(encoded)[0][:2], bytes((10, 100 + height - 1)),
                         "the bottom row first")

    def test_a_run_past_the_frame_is_refused(self):
        with self.assertRaises(ValueError):
            avi.decode_rle8(4, 1, b"\x05\x01\x00\x01")


class AviFile(unittest.TestCase):
    def test_sound_is_split_over_the_frames_without_losing_a_sample(self):
        frames = [bytes([n]) * 4 for n in range(3)]
        sound = bytes(range(100))
        data = avi.write_avi(2, 2, 10, [(0, 0, 0)] * 4, frames, sound, sample_rate=333)
        self.assertEqual(data[:4], b"RIFF")
        self.assertEqual(struct.unpack("<I", data[4:8])[0], len(data) - 8)
        chunks = []
        at = data.index(b"movi") + 4
        while data[at:at + 4] in (b"00dc", b"01wb"):
            size = struct.unpack("<I", data[at + 4:at + 8])[0]
            chunks.append((data[at:at + 4], data[at + 8:at + 8 + size]))
            at += 8 + size + size % 2
        self.assertEqual([c for c, _ in chunks], [b"01wb", b"00dc"] * 3)
        self.assertEqual(b"".join(d for c, d in chunks if c == b"01wb"), sound)


if __name__ == "__main__":
    unittest.main()
