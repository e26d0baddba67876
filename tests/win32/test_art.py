#!/usr/bin/env python3
"""Writes the pictures of the backend tests: small bitmaps of one colour
each, so that a test can tell by one pixel which picture was drawn.

Usage: test_art.py OUTPUT_DIR
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "tools", "artgen"))
import artgen  # noqa: E402

PICTURES = [("TESTRED", artgen.RED), ("TESTBLUE", artgen.BLUE)]


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    lines = []
    for name, color in PICTURES:
        path = os.path.join(out_dir, name.lower() + ".bmp")
        with open(path, "wb") as f:
            f.write(artgen.bmp_bytes(artgen.Canvas(8, 8, fill=color)))
        lines.append('%s BITMAP "%s"' % (name, path.replace("\\", "/")))
    with open(os.path.join(out_dir, "test_art.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
