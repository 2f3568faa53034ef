#!/usr/bin/env python3
"""Makes a seed input for a data type's fuzz target from a race-card file and
a horse file: a 4-byte little-endian length of the horse text, the horse text,
then the race-card text.

    scripts/fuzz-seed.py RACECARD HORSES OUT
"""
import struct
import sys

den_path, uma_path, out_path = sys.argv[1:4]
with open(den_path, "rb") as f:
    den = f.read()
with open(uma_path, "rb") as f:
    uma = f.read()
with open(out_path, "wb") as f:
    f.write(struct.pack("<I", len(uma)) + uma + den)
